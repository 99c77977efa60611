#include "document/line_number_gutter.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

namespace {

constexpr int padding = 4;

} // namespace

LineNumberGutter::LineNumberGutter(QTextEdit *editor, QWidget *parent) : QWidget(parent), editor_(editor)
{
    setObjectName(QStringLiteral("LineNumberGutter"));
    setFont(editor->font());
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setForegroundRole(QPalette::ButtonText);

    QTextDocument *document = editor->document();
    connect(editor->verticalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    connect(document, &QTextDocument::contentsChanged, this, qOverload<>(&QWidget::update));
    connect(document, &QTextDocument::blockCountChanged, this, &LineNumberGutter::fitWidth);
    // Rewrapping on a resize moves the lines without changing the text.
    editor->viewport()->installEventFilter(this);
    fitWidth();
}

void LineNumberGutter::fitWidth()
{
    const int digits = int(QString::number(qMax(editor_->document()->blockCount(), 99)).size());
    setFixedWidth(2 * padding + digits * fontMetrics().horizontalAdvance(QLatin1Char('9')));
}

bool LineNumberGutter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        update();
    return QWidget::eventFilter(watched, event);
}

QList<LineNumberGutter::ShownNumber> LineNumberGutter::shownNumbers() const
{
    QList<ShownNumber> shown;
    QAbstractTextDocumentLayout *layout = editor_->document()->documentLayout();
    const QWidget *viewport = editor_->viewport();
    // The editor scrolls its viewport, which sits inside the editor's frame.
    const int viewportTop = viewport->mapTo(window(), QPoint()).y() - mapTo(window(), QPoint()).y();
    const int viewportBottom = viewportTop + viewport->height();
    const int offset = viewportTop - editor_->verticalScrollBar()->value();
    // The hit test finds the top line through the layout's own index, without walking
    // the lines above it.
    for (QTextBlock block = editor_->cursorForPosition(QPoint(0, 0)).block(); block.isValid();
         block = block.next()) {
        const QRectF bounds = layout->blockBoundingRect(block);
        if (!block.isVisible() || block.layout()->lineCount() == 0)
            continue;
        const QTextLine first = block.layout()->lineAt(0);
        const int top = int(bounds.top()) + offset;
        if (top >= viewportBottom)
            break;
        if (top + int(first.height()) > viewportTop)
            shown.append({block.blockNumber() + 1, top + int(first.ascent())});
    }
    return shown;
}

void LineNumberGutter::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Disabled, QPalette::ButtonText));
    const QFontMetrics metrics = fontMetrics();
    for (const ShownNumber &number : shownNumbers()) {
        const QString text = QString::number(number.line);
        painter.drawText(width() - padding - metrics.horizontalAdvance(text), number.baseline, text);
    }
}

QWidget *WithLineNumberGutter(QTextEdit *editor)
{
    auto *pane = new QWidget;
    pane->setObjectName(QStringLiteral("EditorPane"));
    auto *row = new QHBoxLayout(pane);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(new LineNumberGutter(editor, pane));
    row->addWidget(editor);
    pane->setFocusProxy(editor);
    return pane;
}

LineNumberGutter *GutterOf(QWidget *window)
{
    return window->findChild<LineNumberGutter *>(QStringLiteral("LineNumberGutter"));
}
