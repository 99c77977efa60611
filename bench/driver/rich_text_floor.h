#pragma once

#include <QTextEdit>

#include <memory>

class QSyntaxHighlighter;
class RichTextBox;

// A bare QTextEdit shown like the program's editor, with its font, its size and its
// wrapping width: what Qt's rich-text layout costs for the same visible work, beside the
// line-based floor that the program's editor is built on.
class RichTextFloor
{
public:
    // Takes the model's font, size and wrapping width now: the model's window may close
    // before this editor is made again.
    explicit RichTextFloor(const RichTextBox *model);
    ~RichTextFloor();

    QTextEdit *editor() const { return editor_.get(); }

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
    std::unique_ptr<QTextEdit> editor_;
    std::unique_ptr<QSyntaxHighlighter> highlighter_;
};
