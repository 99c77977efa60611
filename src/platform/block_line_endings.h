#pragma once

#include "platform/text_file_codec.h"

#include <QStringView>

class QTextDocument;

// Each paragraph of a document just filled remembers the line ending that followed it in
// its file (kept in the block's user state) where that is not `fresh`, the ending of the
// document's new lines. Typing inside a line keeps it, and two lines joined keep the
// ending of the second; a line that Enter, a paste or an undo makes has none of its own.
void RememberLineEndings(QTextDocument &document, const LineEndings &endings, TextFileFormat::LineEnding fresh);

// Whether any line of the document may remember an ending of its own. None of a new
// document's lines does, nor any of a file's whose lines all end alike.
bool HasOwnLineEndings(const QTextDocument &document);

// The user state is shared with the syntax highlighter that colours the page while typing:
// the ending lives in the upper bits, where the highlighter's reading stands at the line's
// end in the lowest twelve, so that neither overwrites the other. A block never touched
// has the state -1, which reads as a highlighter state of 0.
int HighlighterState(int userState);
int WithHighlighterState(int userState, int highlighter);

// One ending for each line break of `text`, the document's text as EditorSurface::Text
// gives it: each paragraph's remembered one, and `fresh` for the lines that have none (a
// line separator typed inside a paragraph among them).
LineEndings RememberedLineEndings(const QTextDocument &document, QStringView text, TextFileFormat::LineEnding fresh);
