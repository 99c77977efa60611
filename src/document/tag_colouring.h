#pragma once

class EditorSurface;
class Program;
class QColor;

// Paints every tag of the ActiveDocument, brackets included, in the tag colour: the
// stored "ColorOfTags", else the colour chosen since start, else a colour of our own that
// stands out from the text. Text between tags keeps its colour.
void ColorTags(Program &program);

// The colour tags are painted in, for the editor's document.
QColor TagColorFor(Program &program, const EditorSurface &editor);
