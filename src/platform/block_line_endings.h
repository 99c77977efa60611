#pragma once

#include "platform/text_file_codec.h"

#include <QStringView>

class QTextBlock;
class QTextDocument;

// Each paragraph of a document remembers the line ending that followed it in its file
// (kept in the block's user state). Typing inside a line keeps it, and two lines joined
// keep the ending of the second; a line that Enter, a paste or an undo makes has none of
// its own.
void RememberLineEndings(QTextDocument &document, const LineEndings &endings);

// The user state is shared with the syntax highlighter that colours tags while typing:
// the ending lives in the upper bits, the highlighter's one flag for the line in the
// lowest, so that neither overwrites the other. A block never touched has the state -1.
bool BlockFlag(int userState);
int WithBlockFlag(int userState, bool flag);

// The ending remembered for the paragraph, `fresh` where it has none.
TextFileFormat::LineEnding RememberedLineEnding(const QTextBlock &paragraph, TextFileFormat::LineEnding fresh);

// One ending for each line break of `text`, the document's text as EditorSurface::Text
// gives it: each paragraph's remembered one, and `fresh` for the lines that have none (a
// line separator typed inside a paragraph among them).
LineEndings RememberedLineEndings(const QTextDocument &document, QStringView text, TextFileFormat::LineEnding fresh);
