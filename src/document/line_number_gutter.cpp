#include "document/line_number_gutter.h"

#include "platform/rich_text_box.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace {

constexpr int padding = 4;
// Numbers as large as a poster's letters would leave the text no room beside them.
constexpr double largestNumberSize = 72;

} // namespace

LineNumberGutter::LineNumberGutter(RichTextBox *editor, QWidget *parent) : QWidget(parent), editor_(editor)
{
    setObjectName(QStringLiteral("LineNumberGutter"));
    FollowFont(editor->font());
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setForegroundRole(QPalette::ButtonText);

    QTextDocument *document = editor->document();
    // Every scroll of the text is told here, the scroll bar's own signals being held back
    // when a key such as Page Down moves the view.
    connect(editor, &QPlainTextEdit::updateRequest, this, [this](const QRect &, int dy) {
        if (dy != 0)
            update();
    });
    connect(document, &QTextDocument::contentsChanged, this, &LineNumberGutter::contentsChanged);
    connect(document, &QTextDocument::blockCountChanged, this, &LineNumberGutter::fitWidth);
    // Rewrapping on a resize moves the lines without changing the text.
    editor->viewport()->installEventFilter(this);
    // The stored window font reaches the editor after the gutter is made.
    editor->installEventFilter(this);
    fitWidth();
}

void LineNumberGutter::FollowFont(const QFont &font)
{
    // The numbers take the text's family and size; they stay plain however the text is
    // styled.
    QFont numbers = font;
    if (numbers.pointSizeF() > largestNumberSize)
        numbers.setPointSizeF(largestNumberSize);
    numbers.setWeight(QFont::Normal);
    numbers.setItalic(false);
    numbers.setUnderline(false);
    numbers.setStrikeOut(false);
    setFont(numbers);
    fitWidth();
    update();
}

void LineNumberGutter::fitWidth()
{
    FitFor(editor_->document()->blockCount());
}

void LineNumberGutter::FitFor(int lines)
{
    const int digits = int(QString::number(qMax(lines, 99)).size());
    setFixedWidth(2 * padding + digits * fontMetrics().horizontalAdvance(QLatin1Char('9')));
    // The editor beside takes its new width now, not on the next pass of the event loop.
    if (QWidget *pane = parentWidget(); pane && pane->layout())
        pane->layout()->activate();
}

bool LineNumberGutter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        update();
    else if (watched == editor_ && event->type() == QEvent::FontChange)
        FollowFont(editor_->font());
    return QWidget::eventFilter(watched, event);
}

// Most keys change neither which lines are in view nor where they stand: the numbers are
// painted again only when they would change.
void LineNumberGutter::contentsChanged()
{
    if (shownNumbers() != painted_)
        update();
}

QList<LineNumberGutter::ShownNumber> LineNumberGutter::shownNumbers() const
{
    QList<ShownNumber> shown;
    const QWidget *viewport = editor_->viewport();
    // The editor scrolls its viewport, which sits inside the editor's frame.
    const int viewportTop = viewport->mapTo(window(), QPoint()).y() - mapTo(window(), QPoint()).y();
    const int viewportBottom = viewportTop + viewport->height();
    const QPointF offset = editor_->contentOffset();
    for (QTextBlock block = editor_->firstVisibleBlock(); block.isValid(); block = block.next()) {
        if (!block.isVisible())
            continue;
        // Asking for a line's place lays it out, if the editor has not painted it yet.
        const int top = int(editor_->blockBoundingGeometry(block).translated(offset).top()) + viewportTop;
        if (top >= viewportBottom)
            break;
        if (block.layout()->lineCount() == 0)
            continue;
        const QTextLine first = block.layout()->lineAt(0);
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
    painted_ = shownNumbers();
    for (const ShownNumber &number : painted_) {
        const QString text = QString::number(number.line);
        painter.drawText(width() - padding - metrics.horizontalAdvance(text), number.baseline, text);
    }
}

QWidget *WithLineNumberGutter(RichTextBox *editor)
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
