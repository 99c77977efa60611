#pragma once

class QByteArray;
class QTextDocument;

// The document as RTF: 7-bit text in lines of fewer than 255 characters, Windows-1252
// characters as \'hh and all others as \uN with "?" as the fallback, and the seven
// character properties of every character.
QByteArray writeRtf(const QTextDocument &document);
