#include "platform/rich_text_box.h"

#include "platform/line_change_layout.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTextDocument>

RichTextBox::RichTextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    // A key lays out and repaints only the line it changes.
    auto *text = new QTextDocument(this);
    text->setDefaultFont(font());
    text->setDocumentLayout(new LineChangeLayout(text));
    setDocument(text);

    // The strip the wrapping width leaves beside the text is the box's own, not its
    // viewport's: it takes the text's background and the text's pointer.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setCursor(Qt::IBeamCursor);
}

void RichTextBox::SetWrapWidth(int width)
{
    wrapWidth_ = qMax(0, width);
    applyWrapWidth();
}

// Qt's line-based layout wraps at its viewport's width: a margin on the right narrows the
// viewport to the wrapping width. The scroll bar coming and going resizes the viewport,
// which sets the margin again.
void RichTextBox::applyWrapWidth()
{
    const int margin = viewportMargins().right();
    const int available = viewport()->width() + margin;
    const int wanted = wrapWidth_ > 0 ? qMax(0, available - wrapWidth_) : 0;
    if (wanted != margin)
        setViewportMargins(0, 0, wanted, 0);
}

void RichTextBox::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    applyWrapWidth();
}

// A text longer than the view brings the vertical scroll bar. Its coming narrows the view,
// and Qt then lays out the text again, going over every line of it, and once more when the
// wrapping width's margin is set again. So the bar is brought before the text goes in.
void RichTextBox::SetPlainText(const QString &text)
{
    // Once the text has more lines than the view's height holds, the bar is sure to come.
    int linesShown = viewport()->height() / qMax(1, fontMetrics().lineSpacing());
    for (qsizetype at = text.indexOf(QLatin1Char('\n')); at >= 0 && linesShown > 0;
         at = text.indexOf(QLatin1Char('\n'), at + 1))
        --linesShown;
    const bool bringBar = linesShown == 0 && verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded;
    if (bringBar)
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setPlainText(text);
    if (bringBar)
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

// A click in the strip beside the text lands on the text, at the right end of the line
// it is level with, as a click past a line's end does in the text itself.
bool RichTextBox::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QRect text = viewport()->geometry();
        const QPoint at = mouse->position().toPoint();
        if (at.x() < text.right() || at.y() < text.top() || at.y() > text.bottom())
            break;
        QMouseEvent moved(mouse->type(), QPointF(text.width() - 1, at.y() - text.top()), mouse->globalPosition(),
                          mouse->button(), mouse->buttons(), mouse->modifiers());
        QCoreApplication::sendEvent(viewport(), &moved);
        return true;
    }
    default:
        break;
    }
    return QPlainTextEdit::event(event);
}
