#pragma once

#include <QString>
#include <QStringView>

#include <optional>

class QTextDocument;

// The editor lays out a line whole, in time and memory that grow with its length: a line
// of 10 MB takes seconds and one of 50 MB never comes to an end. Pages with a line longer
// than this are refused before they reach a window, so no window is held up.
constexpr qsizetype LongestLineShown = 1'000'000;

// Why a page cannot be shown: the first line longer than LongestLineShown, or nothing
// when every line fits. The text is a decoded file's, each of whose lines ends at "\n".
std::optional<QString> LineTooLong(QStringView text);
std::optional<QString> LineTooLong(const QTextDocument &document);
