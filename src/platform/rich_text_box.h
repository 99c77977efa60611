#pragma once

#include <QPlainTextEdit>

// The document window's text box. Qt's line-based layout lays out only the lines in view,
// so a key costs the same on a page of any size; the text keeps every character format
// (fonts, sizes, weights, colours) the program and its RTF files use.
class RichTextBox : public QPlainTextEdit
{
public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // Lines wrap at this many pixels (the document's margins among them) rather than at
    // the box's own width, or at the width when that is less; 0 wraps at the width.
    void SetWrapWidth(int width);
    int WrapWidth() const { return wrapWidth_; }

    // Takes a whole new text in place of the old one.
    void SetPlainText(const QString &text);

    // Where the lines in view stand, for what is drawn beside them.
    using QPlainTextEdit::blockBoundingGeometry;
    using QPlainTextEdit::contentOffset;
    using QPlainTextEdit::firstVisibleBlock;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    void applyWrapWidth();

    int wrapWidth_ = 0;
};
