#pragma once

#include <QList>
#include <QString>

class EditorSurface;

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
