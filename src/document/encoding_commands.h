#pragma once

#include "platform/text_file_codec.h"

class Program;
class QString;
class frmNotePad;

// File > Reopen with Encoding: reads the window's file again in the chosen encoding, which
// it is saved in from then on. A changed document asks first.
void ReopenWithEncoding(Program &program, frmNotePad &window, const TextFileFormat &encoding);

// File > Save with Encoding: saves the window's text in the chosen encoding from now on. A
// character the encoding cannot hold is told with its place, and nothing is written.
void SaveWithEncoding(Program &program, frmNotePad &window, const TextFileFormat &encoding);

// A page whose <meta> names another charset than the one it is read in is mentioned in the
// status bar; the page is left as it is.
void NoteCharsetMismatch(Program &program, const QString &text, const TextFileFormat &format);
