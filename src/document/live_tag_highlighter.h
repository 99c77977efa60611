#pragma once

#include "document/html_colours.h"

#include <QSyntaxHighlighter>

#include <functional>

// Colours a page in the editor while the user types: tags, attributes and their values,
// comments, the doctype, character references, and the comments, strings, numbers,
// keywords and properties of script and style code. It reads the page with the tag
// scanner the passes use, line by line, keeping in each line's state where the reading
// stands at its end; an edit recolours its own lines and goes on below only while that
// state changes. The colours live in the editor's layout only, never in the document's
// character formats, so saving and the passes see the text as before.
class LiveTagHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    LiveTagHighlighter(QTextDocument *document, const HtmlColours &colours);

    void SetColours(const HtmlColours &colours);

protected:
    void highlightBlock(const QString &text) override;

private:
    void recolourAll(const std::function<void()> &recolour);

    HtmlColours colours_;
    bool recolouringAll_ = false;
};

// Where the reading of the page stands at the end of the line above `block`, as the
// highlighter of its document last left it (the start of the page without one).
ScanState ScanStateBefore(const QTextBlock &block);
