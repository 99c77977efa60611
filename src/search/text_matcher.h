#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>

#include <optional>

// How a find text is read beyond its match case: as a regular expression (Perl syntax,
// Unicode-aware), and whether an occurrence must stand as a whole word.
struct MatchOptions
{
    bool regularExpression = false;
    bool matchCase = false;
    bool wholeWord = false;
};

struct TextMatch
{
    qsizetype start = 0;
    qsizetype length = 0;
    QRegularExpressionMatch found;  // the groups, for the replacement
};

// Finds a text or an expression in a text whose every line break is "\n": ^ and $ stand at
// each line's start and end, and a pattern may match across lines. Positions are those of
// the text itself, whatever case forms its characters have (the text is never case-mapped).
// A word character is a letter, digit, mark or "_" of any script.
class TextMatcher
{
public:
    TextMatcher(const QString &pattern, MatchOptions options);

    // A pattern that does not compile finds nothing; the message names the error and its
    // offset in the pattern, for the user.
    bool isValid() const { return expression_.isValid(); }
    QString errorMessage() const { return error_; }

    // The first match that starts at `from` or later.
    std::optional<TextMatch> next(QStringView text, qsizetype from) const;
    // The match that starts last at `at` or before, among those a scan from the start finds.
    std::optional<TextMatch> previous(QStringView text, qsizetype at) const;
    // A match that covers exactly [start, start + length), or nothing.
    std::optional<TextMatch> exactly(QStringView text, qsizetype start, qsizetype length) const;
    // Every match within [from, to), in order and never overlapping; a match of no length
    // right where the one before it ended is passed over, so no place is matched twice.
    QList<TextMatch> all(QStringView text, qsizetype from, qsizetype to) const;

    // With expressions, the replacement may hold $1..$99 and ${name} (a group's text, empty
    // when the group took no part) and $$ (one "$"); elsewhere it is taken as it is. A
    // reference to a group the expression lacks gets a message for the user; none if fine.
    QString replacementError(const QString &with) const;
    QString replacement(const TextMatch &match, const QString &with) const;

private:
    QRegularExpression expression_;
    MatchOptions options_;
    QString error_;
};
