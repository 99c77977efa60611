#pragma once

#include <QList>
#include <QString>

class EditorSurface;
class QTextCursor;

// One stretch of a text [start, start + length) and what takes its place.
struct Replacement
{
    qsizetype start = 0;
    qsizetype length = 0;
    QString text;
};

// Makes the replacements, given in order and not overlapping, in the editor's text as one
// step of its undo; each replaced stretch keeps the format of the character it starts at.
// The caret goes after the last replacement.
void ReplaceInEditor(EditorSurface &editor, const QList<Replacement> &replacements);

// Makes the replacements, given in order and not overlapping, as ranges of the cursor's
// document as it stands, none across a line break. Each edit costs Qt about the same
// however much text it replaces, and a line of a page often holds many: those of one
// paragraph that lie in one run of one character format go in as one edit, the text
// between them kept. So every character keeps its format and every paragraph (and the line
// ending it remembers) stays, as with one edit a replacement.
void ReplaceInParagraphRuns(QTextCursor &cursor, const QList<Replacement> &replacements);
