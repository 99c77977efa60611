#include "search/text_matcher.h"

namespace {

// As \w reads with Unicode properties on.
bool isWordCharacter(QStringView text, qsizetype at)
{
    if (at < 0 || at >= text.size())
        return false;
    char32_t c = text[at].unicode();
    if (QChar::isHighSurrogate(c) && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        c = QChar::surrogateToUcs4(text[at], text[at + 1]);
    return c == U'_' || QChar::isLetterOrNumber(c);
}

TextMatch toMatch(const QRegularExpressionMatch &found)
{
    return {found.capturedStart(), found.capturedLength(), found};
}

struct ReplacementPiece
{
    QString literal;
    int group = -1;  // a numbered group, or
    QString name;    // a named one
};

// "$" and two digits names a group of that number when the expression has one, else "$"
// and one digit does, as in Perl and JavaScript; a "$" that starts no reference is itself.
QList<ReplacementPiece> parseReplacement(const QString &with, int groupCount)
{
    QList<ReplacementPiece> pieces{{}};
    for (qsizetype i = 0; i < with.size(); ++i) {
        const QChar next = i + 1 < with.size() ? with[i + 1] : QChar();
        if (with[i] != u'$') {
            pieces.last().literal += with[i];
        } else if (next == u'$') {
            pieces.last().literal += u'$';
            ++i;
        } else if (next.isDigit() && next.unicode() < 128) {
            int group = next.digitValue();
            ++i;
            if (i + 1 < with.size() && with[i + 1].unicode() >= '0' && with[i + 1].unicode() <= '9'
                && group * 10 + with[i + 1].digitValue() <= groupCount) {
                group = group * 10 + with[i + 1].digitValue();
                ++i;
            }
            pieces.append({QString(), group, QString()});
            pieces.append(ReplacementPiece());
        } else if (const qsizetype close = with.indexOf(u'}', i + 2); next == u'{' && close > i + 2) {
            const QString name = with.sliced(i + 2, close - i - 2);
            bool number = false;
            const int group = name.toInt(&number);
            pieces.append({QString(), number ? group : -1, number ? QString() : name});
            pieces.append(ReplacementPiece());
            i = close;
        } else {
            pieces.last().literal += u'$';
        }
    }
    return pieces;
}

} // namespace

TextMatcher::TextMatcher(const QString &pattern, MatchOptions options) : options_(options)
{
    QRegularExpression::PatternOptions flags =
        QRegularExpression::MultilineOption | QRegularExpression::UseUnicodePropertiesOption;
    if (!options.matchCase)
        flags |= QRegularExpression::CaseInsensitiveOption;
    const QString source = options.regularExpression ? pattern : QRegularExpression::escape(pattern);
    // Compiled alone first, so an error's offset is one in the pattern the user typed.
    expression_ = QRegularExpression(source, flags);
    if (expression_.isValid() && options.wholeWord)
        expression_ = QRegularExpression(QStringLiteral("(?<![\\w])(?:") + source + QStringLiteral(")(?![\\w])"), flags);
    if (!expression_.isValid()) {
        error_ = QStringLiteral("Can't use the regular expression \"%1\": %2 at offset %3")
                     .arg(pattern, expression_.errorString())
                     .arg(expression_.patternErrorOffset());
        return;
    }
    expression_.optimize();
}

std::optional<TextMatch> TextMatcher::next(QStringView text, qsizetype from) const
{
    if (from > text.size())
        return std::nullopt;
    if (from > 0 && from < text.size() && text[from].isLowSurrogate() && text[from - 1].isHighSurrogate())
        ++from;
    const QRegularExpressionMatch found = expression_.match(text, from);
    if (!found.hasMatch())
        return std::nullopt;
    return toMatch(found);
}

std::optional<TextMatch> TextMatcher::previous(QStringView text, qsizetype at) const
{
    std::optional<TextMatch> last;
    for (const TextMatch &match : all(text, 0, text.size())) {
        if (match.start > at)
            break;
        last = match;
    }
    return last;
}

std::optional<TextMatch> TextMatcher::exactly(QStringView text, qsizetype start, qsizetype length) const
{
    if (start < 0 || start + length > text.size())
        return std::nullopt;
    const QRegularExpressionMatch found = expression_.match(text.first(start + length), start, QRegularExpression::NormalMatch,
                                                            QRegularExpression::AnchorAtOffsetMatchOption);
    if (!found.hasMatch() || found.capturedLength() != length
        || (options_.wholeWord && isWordCharacter(text, start + length)))
        return std::nullopt;
    return toMatch(found);
}

QList<TextMatch> TextMatcher::all(QStringView text, qsizetype from, qsizetype to) const
{
    QList<TextMatch> matches;
    if (!isValid() || from < 0 || to > text.size() || from > to)
        return matches;
    // Matched against the text up to `to`, so nothing reaches past it; a whole word must
    // still not run on beyond it.
    qsizetype end = -1;
    QRegularExpressionMatchIterator it = expression_.globalMatch(text.first(to), from);
    while (it.hasNext()) {
        const QRegularExpressionMatch found = it.next();
        if (found.capturedLength() == 0 && found.capturedStart() == end)
            continue;
        if (options_.wholeWord && found.capturedEnd() == to && isWordCharacter(text, to))
            continue;
        matches.append(toMatch(found));
        end = found.capturedEnd();
    }
    return matches;
}

QString TextMatcher::replacementError(const QString &with) const
{
    if (!options_.regularExpression)
        return QString();
    const QStringList names = expression_.namedCaptureGroups();
    for (const ReplacementPiece &piece : parseReplacement(with, expression_.captureCount())) {
        if (piece.group > expression_.captureCount())
            return QStringLiteral("The replacement refers to group %1, but the expression has %2")
                .arg(piece.group)
                .arg(expression_.captureCount());
        if (!piece.name.isEmpty() && !names.contains(piece.name))
            return QStringLiteral("The replacement refers to the group named \"%1\", which the expression does not have")
                .arg(piece.name);
    }
    return QString();
}

QString TextMatcher::replacement(const TextMatch &match, const QString &with) const
{
    if (!options_.regularExpression)
        return with;
    QString result;
    for (const ReplacementPiece &piece : parseReplacement(with, expression_.captureCount())) {
        result += piece.literal;
        if (piece.group >= 0)
            result += match.found.capturedView(piece.group);
        else if (!piece.name.isEmpty())
            result += match.found.capturedView(piece.name);
    }
    return result;
}
