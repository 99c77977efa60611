#include "platform/rich_text_box.h"

RichTextBox::RichTextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    // The strip the wrapping width leaves beside the text is the box's own, not its
    // viewport's: it takes the text's background.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
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
