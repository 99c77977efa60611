#pragma once

#include "search/file_search.h"

#include <QStringList>

class SearchDocuments;

// What Replace in Files did, file by file.
struct FilesReplacement
{
    int replacements = 0;
    QStringList written;       // files written on disk
    QStringList replacedOpen;  // open documents, replaced in their windows and left unsaved
    QStringList changed;       // changed since the search (or opened since), left alone
    QStringList failed;        // "file: reason" of each file that could not be read or written

    QString Summary() const;
};

// Replaces the matches of each listed file: in its window when it is open, as one undo
// step, else in the file itself, written safely and in its own encoding, byte-order mark
// and line endings. A file or document that changed since the search is left alone.
// `openChanges` holds the change count each open document had when it was searched.
FilesReplacement ReplaceInFiles(const QList<FileHits> &files, const TextMatcher &matcher, const QString &with,
                                SearchDocuments &documents, const QHash<QString, quint64> &openChanges);
