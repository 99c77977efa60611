#pragma once

#include <QPlainTextEdit>

#include <memory>

class QSyntaxHighlighter;
class RichTextBox;

// A bare QPlainTextEdit shown like the program's editor, with its font, its size and its
// wrapping width: what Qt's line-based layout costs for the same visible work, beside the
// rich-text floor that the program's editor is built on.
class PlainTextFloor
{
public:
    // Takes the model's font, size and wrapping width now: the model's window may close
    // before this editor is made again.
    explicit PlainTextFloor(const RichTextBox *model);
    ~PlainTextFloor();

    QPlainTextEdit *editor() const { return editor_.get(); }

    // A fresh shown editor, as a page opens into a new window; dropped, it gives its memory
    // back before the next one is made.
    void rebuild();
    void drop();

    void setText(const QString &text);
    // Colours the page as the program colours it while typing, from the next text set on;
    // none to stop. Emptied either way.
    void setHighlighter(std::unique_ptr<QSyntaxHighlighter> highlighter);

private:
    QFont font_;
    QSize size_;
    int wrapWidth_;
    std::unique_ptr<QPlainTextEdit> editor_;
    std::unique_ptr<QSyntaxHighlighter> highlighter_;
};
