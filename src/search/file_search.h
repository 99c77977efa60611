#pragma once

#include "search/text_matcher.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// What Find in Files looks for, and where.
struct FileSearchRequest
{
    QString pattern;
    MatchOptions options;
    QString folder;
    QStringList fileTypes;  // wildcards such as "*.html"; none takes every file
    bool subfolders = true;
    // The text of each open document by its file's canonical path, searched in place of
    // the file: what the user sees is what is found.
    QHash<QString, QString> openTexts;
};

struct FileHit
{
    qsizetype start = 0;  // in the text with "\n" line breaks, as the editor counts
    qsizetype length = 0;
    int line = 0;         // from 1
    int column = 0;       // from 1, in characters
    QString lineText;     // the line the match starts on, or the part of a long one around it
    qsizetype shownStart = 0;  // where the match starts in lineText
};

struct FileHits
{
    QString path;
    bool openDocument = false;
    // The file as searched, to tell later whether it changed since (files only).
    QByteArray fingerprint;
    int count = 0;        // every match
    QList<FileHit> hits;  // the first ListedHitsPerFile of them
};

// A file's matches listed at most; the rest are counted.
inline constexpr int ListedHitsPerFile = 1000;

struct FileSearchCounts
{
    int searched = 0;
    int binary = 0;      // a NUL among the first 8 KB
    int large = 0;       // over 50 MB
    int unreadable = 0;  // files and folders
};

// Files over this size are passed over.
inline constexpr qint64 LargestSearchedFile = 50LL * 1024 * 1024;

// The bytes' identity for a later check: their length and a digest.
QByteArray FileFingerprint(const QByteArray &bytes);

// Walks the folder (each real folder once, whatever links lead to it) and searches each
// file whose name fits one of the types, decoded as Open decodes it. Each file with a
// match is handed to `found`; `progress` hears how many of how many files are done. Stops
// early once `stop` is set. Runs on any thread: it touches no widget.
FileSearchCounts SearchFiles(const FileSearchRequest &request, const std::atomic<bool> &stop,
                             const std::function<void(const FileHits &)> &found,
                             const std::function<void(int done, int total)> &progress);

// The matches of one text, counted and the first of them listed (path and fingerprint
// are left empty).
FileHits SearchText(const TextMatcher &matcher, const QString &text);
