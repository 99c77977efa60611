#pragma once

#include <QByteArray>

// The word the generated page repeats about once per tag, for find and replace.
inline constexpr char generatedPageWord[] = "data";

// A deterministic HTML page of at least the given size: nested tables and lists,
// paragraphs with attributes, comments and a stray ">" in running text. Two megabytes
// hold about 55,000 tags and as many occurrences of the frequent word.
QByteArray GeneratePage(qsizetype bytes);
