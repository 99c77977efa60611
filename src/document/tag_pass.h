#pragma once

#include "document/tag_scanner.h"

#include <functional>

class Program;
class QString;
class QTextCursor;

// Changes the tags through the pass's cursor; the text is the document's as read at the
// start of the pass, and the tags' ranges, in order, are ranges of that text.
using TagAction = std::function<void(QTextCursor &cursor, const QString &text, const QList<TagRange> &tags)>;

// One walk over the tags of the ActiveDocument, shared by tag colouring and the case
// passes. The text is read once and changed through one cursor inside one edit block, so
// the pass is one undo step and the editor repaints once. While it runs TagPassActive is
// set and the pointer shows the hourglass; afterwards the caret is at the start with
// nothing selected, the editor has the focus and the document counts as unchanged.
void RunTagPass(Program &program, const TagAction &action);
