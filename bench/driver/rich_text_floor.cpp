#include "rich_text_floor.h"

#include "editor_actions.h"
#include "platform/rich_text_box.h"

#include <QCoreApplication>
#include <QSyntaxHighlighter>

RichTextFloor::RichTextFloor(const RichTextBox *model)
    : font_(model->font()), size_(model->size()), wrapWidth_(model->WrapWidth())
{
    rebuild();
}

RichTextFloor::~RichTextFloor() = default;

void RichTextFloor::rebuild()
{
    highlighter_.reset();
    editor_ = std::make_unique<QTextEdit>();
    editor_->setFont(font_);
    editor_->setLineWrapMode(QTextEdit::FixedPixelWidth);
    editor_->setLineWrapColumnOrWidth(wrapWidth_);
    editor_->resize(size_);
    editor_->show();
    settle();
}

void RichTextFloor::drop()
{
    highlighter_.reset();
    editor_.reset();
    settle();
}

void RichTextFloor::setText(const QString &text)
{
    editor_->setPlainText(text);
    settle();
}

void RichTextFloor::setHighlighter(std::unique_ptr<QSyntaxHighlighter> highlighter)
{
    highlighter_ = std::move(highlighter);
    if (!highlighter_)
        return;
    // Coloured as the text goes in, the page is laid out once rather than once a line.
    editor_->clear();
    highlighter_->setDocument(editor_->document());
    QCoreApplication::sendPostedEvents(highlighter_.get(), QEvent::MetaCall);
}
