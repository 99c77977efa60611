#pragma once

#include "document/tag_scanner.h"

#include <QString>

class QTextDocument;

// A tag of a page and the one it pairs with.
struct PairedTag
{
    enum Kind { Start, End, Void, Other };
    TagRange range;
    Kind kind = Other;
    QString name; // as written
    int partner = -1; // index of the partner; -1 for none
};

// The tags of a page paired as a browser nests them: an end tag closes the innermost open
// element of its name (in any case), and the elements opened inside that one and still open
// end with it, unpaired. A start tag of a void element, or one written "/>", pairs with
// nothing and opens nothing; nor do comments and declarations.
struct TagPairs
{
    QList<PairedTag> tags;
    // The start tags still open after the last tag, outermost first.
    QList<int> open;
};
TagPairs PairTags(QStringView text, const QList<TagRange> &tags);

// The tags of a document's text before `position`, and where the reading stands there.
// Read from the nearest line above where the reading stood outside every tag, as the
// highlighter keeps it, or from the start while no highlighter keeps it. A comment or
// declaration that began above that line is read from where it stands, its start unknown
// (-1), so that a long one is not read again for each key typed in it.
struct ReadingUpTo
{
    QList<TagRange> tags;
    ScanState state;
    // Where the tag the reading stands in begins, if it stands in one.
    int constructStart = -1;
};
ReadingUpTo ReadUpTo(const QTextDocument &document, int position);

// The document's text from `from` to `to`, line breaks as "\n".
QString TextBetween(QTextDocument &document, int from, int to);
