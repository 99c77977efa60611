#include "plain_text_floor.h"

#include "editor_actions.h"
#include "platform/rich_text_box.h"

#include <QCoreApplication>
#include <QSyntaxHighlighter>

PlainTextFloor::PlainTextFloor(const RichTextBox *model)
    : font_(model->font()), size_(model->size()), wrapWidth_(model->WrapWidth())
{
    rebuild();
}

PlainTextFloor::~PlainTextFloor() = default;

void PlainTextFloor::rebuild()
{
    highlighter_.reset();
    editor_ = std::make_unique<QPlainTextEdit>();
    editor_->setFont(font_);
    editor_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // A plain editor wraps at its own width: the scroll bar always shown keeps that width
    // the program's wrapping width whatever the page's length.
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->resize(size_);
    editor_->show();
    settle();
    if (wrapWidth_ > 0)
        editor_->resize(editor_->width() + wrapWidth_ - editor_->viewport()->width(), editor_->height());
    settle();
}

void PlainTextFloor::drop()
{
    highlighter_.reset();
    editor_.reset();
    settle();
}

void PlainTextFloor::setText(const QString &text)
{
    editor_->setPlainText(text);
    settle();
}

void PlainTextFloor::setHighlighter(std::unique_ptr<QSyntaxHighlighter> highlighter)
{
    highlighter_ = std::move(highlighter);
    if (!highlighter_)
        return;
    // Coloured as the text goes in, the page is laid out once rather than once a line.
    editor_->clear();
    highlighter_->setDocument(editor_->document());
    QCoreApplication::sendPostedEvents(highlighter_.get(), QEvent::MetaCall);
}
