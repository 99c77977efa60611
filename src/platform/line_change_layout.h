#pragma once

#include <QPlainTextDocumentLayout>

// Qt's line-based layout, told of a change the way it was made. When a line is coloured
// after a key, Qt merges the line's new colours into the key's own change, and the merged
// change reads as text removed and added over the whole line and past its end: the layout
// would then lay out and repaint every line in view after every key. A change that adds
// text within one line is passed on as what it is: a change of that line. A line below
// whose start went with it is laid out when it is next drawn, as Qt lays out any line it
// has not laid out yet.
class LineChangeLayout : public QPlainTextDocumentLayout
{
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;
};
