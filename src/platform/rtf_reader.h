#pragma once

class QByteArray;
class QString;
class QTextDocument;

// Replaces the document's content with the text and character formatting of an RTF
// file. Damaged RTF gives all the text that can be recovered from it; bytes that are not
// RTF at all (a plain text file given an .rtf name) are taken as plain text. Returns
// false, with the reason in error and the document untouched, only when non-empty input
// yields no text whatever. Loading is not an undoable edit and leaves the document
// unmodified.
bool readRtf(const QByteArray &data, QTextDocument &document, QString *error);
