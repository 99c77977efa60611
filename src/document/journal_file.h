#pragma once

#include "platform/text_file_codec.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// What a journal keeps of a document with unsaved changes: enough to reopen it as it was,
// under its own caption, to be saved in its own encoding and with its own line endings.
struct JournalEntry
{
    QString caption;
    QString text;  // "\n" line breaks; empty for a rich-text document
    LineEndings lineEndings;  // the ending of each line break of the text
    TextFileFormat format;
    QByteArray richText;  // a rich-text document's RTF, which keeps its formatting
    QDateTime journaled;

    bool operator==(const JournalEntry &) const = default;
};

// A journal file: a few header lines, an empty line, then the text as UTF-8 (or the RTF).
// The header gives the body's length, so a journal cut short is recognised as such.
QByteArray EncodeJournal(const JournalEntry &entry);
// Nothing when the bytes are not a whole journal.
std::optional<JournalEntry> DecodeJournal(const QByteArray &bytes);
