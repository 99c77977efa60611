#pragma once

#include "document/html_colours.h"

#include <QObject>
#include <QTextBlock>

class RichTextBox;

// Colours a page in the editor while the user types: tags, attributes and their values,
// comments, the doctype, character references, and the comments, strings, numbers,
// keywords and properties of script and style code. It reads the page with the tag
// scanner the passes use, line by line, keeping in each line's state where the reading
// stands at its end; an edit reads its own lines again and goes on below only while that
// state changes. Only the lines shown are coloured, as they come into view: a line's
// colours live in its layout, which Qt would otherwise keep for every line of a long page.
// The colours never reach the document's character formats, so saving and the passes see
// the text as before.
class LiveTagHighlighter : public QObject
{
    Q_OBJECT

public:
    LiveTagHighlighter(RichTextBox *editor, const HtmlColours &colours);
    ~LiveTagHighlighter() override;

    void SetColours(const HtmlColours &colours);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void contentsChange(int from, int removed, int added);
    void colourShownLines();
    void colour(QTextBlock line);
    void forgetColours();

    RichTextBox *editor_;
    HtmlColours colours_;
};

// Where the reading of the page stands at the end of the line above `block`, as the
// highlighter of its document last left it (the start of the page without one).
ScanState ScanStateBefore(const QTextBlock &block);
