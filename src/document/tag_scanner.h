#pragma once

#include <QList>
#include <QStringView>

struct TagRange
{
    int start = 0;
    int length = 0;
};

// The tags of a text, in order and brackets included, read the way a browser reads them,
// so that the passes leave alone whatever a browser would show or run as it is:
// - a tag begins only at "<" followed by an ASCII letter, "/", "!" or "?"; any other "<"
//   (a < b) is text;
// - a start or end tag ends at the first ">" outside a quoted attribute value;
// - a comment "<!--" ends at the first "-->" after it, whatever it holds;
// - other "<!" declarations and "<?" instructions end at the first ">";
// - after the start tag of a script or a style element, everything up to its end tag is
//   text.
// A tag or comment that never ends is not a tag; everything after it belongs to it, so
// nothing after it is one either.
QList<TagRange> FindTags(QStringView text);
