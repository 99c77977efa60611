#pragma once

#include "platform/common_dialog.h"
#include "platform/text_file_codec.h"

#include <QString>

class Program;
class frmNotePad;

// The filters of the shared file dialog: Open and Save As, and Insert File.
QString OpenFilter();
QString InsertFilter();

// Shows the shared dialog as Open and Insert File use it: the given filter, ".htm" as
// default extension, an existing file required, no name proposed. The chosen name is in
// the dialog's FileName; false when the user cancelled.
bool ChooseFileToRead(CommonDialog &dialog, const QString &filter);

// A file is rich text when its name ends in exactly "rtf", lower case.
bool IsRichTextName(const QString &fileName);

// Tells the user that a file could not be read; the reason follows on its own line when
// there is one beyond the file not opening.
void ReportCannotOpen(Program &program, const QString &fileName, const QString &reason = QString());

// Asks for a file with the Open dialog, opens it in a new document window and records it
// in the recent-files list.
void ChooseAndOpenDocument(Program &program);

// Opens a file in a new document window that becomes the ActiveDocument, and returns
// the window. A file open already (by any name that leads to it) brings its window to
// the front instead. A file that cannot be read is reported and gets no window; an empty
// name does nothing. All three give null: no window was opened.
frmNotePad *OpenDocumentFile(Program &program, const QString &fileName);

// The open window of a file, by the file its name leads to; null when none holds it.
frmNotePad *WindowOfFile(Program &program, const QString &fileName);

// Puts a plain-text file's text, line endings and format into the window.
void PutDocumentText(frmNotePad &window, const DecodedTextFile &plain);
// What the user is told about a text just read: characters the editor cannot hold, bytes
// its encoding does not allow, a charset the page names otherwise.
void TellAboutOpenedText(Program &program, const QString &fileName, const DecodedTextFile &plain);

// Reads the window's file into it again, in the encoding it was read in (the user's choice
// stays); the document counts as unchanged after. A file that cannot be read is told of.
void ReloadDocument(Program &program, frmNotePad &window);

// After OpenDocumentFile: colours the tags of the window it opened, when the user chose
// "Color Tags on Opening". Nothing was opened when the window is null. The document still
// counts as unchanged afterwards.
void ColorTagsOnOpening(Program &program, const frmNotePad *opened);

// Shows the shared Save dialog proposing a name; the chosen name, or empty on cancel.
QString ChooseSaveName(Program &program, const QString &proposed);

// Writes the ActiveDocument to a file, plain or rich text, in one safe way (see
// WriteFileContents). On success the window is captioned with the name and counts as
// unchanged; on failure the user sees the file and why, and nothing else changes. Never
// onto a file another window holds, nor over another program's change unasked (see
// FileOnDisk), nor, unasked, in another encoding than the document's.
bool SaveDocumentFile(Program &program, const QString &fileName);

// File > Save: to the document's own file, asking for a name when it has none yet. True
// when it was written.
bool SaveActiveDocument(Program &program);
// File > Save As: always asks, and lists the chosen name among the recent files.
void SaveActiveDocumentAs(Program &program);
