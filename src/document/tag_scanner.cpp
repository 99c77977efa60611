#include "document/tag_scanner.h"

namespace {

constexpr qsizetype NoEnd = -1;

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

bool isHtmlSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\r' || u == '\f';
}

// One past the ">" after `from`, or NoEnd.
qsizetype pastNextBracket(QStringView text, qsizetype from)
{
    const qsizetype close = text.indexOf(QLatin1Char('>'), from);
    return close < 0 ? NoEnd : close + 1;
}

// One past the ">" that ends the start or end tag whose name begins at `from`, or NoEnd.
// A quote opens a value only where a value may begin, right after "=" and any blanks; a
// quote anywhere else (an unquoted value such as it's) is an ordinary character.
qsizetype pastTagEnd(QStringView text, qsizetype from)
{
    enum class State { TagName, BeforeName, Name, AfterName, BeforeValue, UnquotedValue };
    State state = State::TagName;
    for (qsizetype at = from; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c == QLatin1Char('>'))
            return at + 1;
        const bool space = isHtmlSpace(c);
        switch (state) {
        case State::TagName:
            if (space || c == QLatin1Char('/'))
                state = State::BeforeName;
            break;
        case State::BeforeName:
            if (!space && c != QLatin1Char('/'))
                state = State::Name;
            break;
        case State::Name:
            if (space)
                state = State::AfterName;
            else if (c == QLatin1Char('/'))
                state = State::BeforeName;
            else if (c == QLatin1Char('='))
                state = State::BeforeValue;
            break;
        case State::AfterName:
            if (c == QLatin1Char('/'))
                state = State::BeforeName;
            else if (c == QLatin1Char('='))
                state = State::BeforeValue;
            else if (!space)
                state = State::Name;
            break;
        case State::BeforeValue:
            if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                at = text.indexOf(c, at + 1);
                if (at < 0)
                    return NoEnd;
                state = State::BeforeName;
            } else if (!space) {
                state = State::UnquotedValue;
            }
            break;
        case State::UnquotedValue:
            if (space)
                state = State::BeforeName;
            break;
        }
    }
    return NoEnd;
}

// The element name of the start tag whose name begins at `from`.
QStringView tagName(QStringView text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && !isHtmlSpace(text[end]) && text[end] != QLatin1Char('/')
           && text[end] != QLatin1Char('>'))
        ++end;
    return text.sliced(from, end - from);
}

// Where the end tag of a script or style element begins, looking from `from`: "</" and the
// name in any case, then a blank, "/" or ">". NoEnd when the element is never closed.
qsizetype endTagOf(QStringView text, QStringView name, qsizetype from)
{
    for (qsizetype at = text.indexOf(QLatin1String("</"), from); at >= 0;
         at = text.indexOf(QLatin1String("</"), at + 2)) {
        const qsizetype after = at + 2 + name.size();
        if (after < text.size() && text.sliced(at + 2, name.size()).compare(name, Qt::CaseInsensitive) == 0
            && (isHtmlSpace(text[after]) || text[after] == QLatin1Char('/') || text[after] == QLatin1Char('>')))
            return at;
    }
    return NoEnd;
}

// One past the end of the tag, comment or declaration that begins with the "<" at `open`;
// NoEnd when it never ends. The "<" is known to be followed by a character that starts one.
qsizetype pastConstructEnd(QStringView text, qsizetype open)
{
    const QChar kind = text[open + 1];
    if (kind == QLatin1Char('!')) {
        if (text.sliced(open + 2).startsWith(QLatin1String("--"))) {
            // Searching from the opening dashes also closes "<!-->" and "<!--->" at once.
            const qsizetype close = text.indexOf(QLatin1String("-->"), open + 2);
            return close < 0 ? NoEnd : close + 3;
        }
        return pastNextBracket(text, open + 2);
    }
    if (kind == QLatin1Char('?'))
        return pastNextBracket(text, open + 2);
    if (kind == QLatin1Char('/'))
        return open + 2 < text.size() && isAsciiLetter(text[open + 2]) ? pastTagEnd(text, open + 2)
                                                                       : pastNextBracket(text, open + 2);
    return pastTagEnd(text, open + 1);
}

bool startsConstruct(QStringView text, qsizetype open)
{
    if (open + 1 >= text.size())
        return false;
    const QChar next = text[open + 1];
    return isAsciiLetter(next) || next == QLatin1Char('/') || next == QLatin1Char('!') || next == QLatin1Char('?');
}

} // namespace

QList<TagRange> FindTags(QStringView text)
{
    QList<TagRange> tags;
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = text.indexOf(QLatin1Char('<'), from);
        if (open < 0)
            break;
        if (!startsConstruct(text, open)) {
            from = open + 1;
            continue;
        }
        const qsizetype end = pastConstructEnd(text, open);
        if (end == NoEnd)
            break;
        tags.append({int(open), int(end - open)});
        from = end;
        if (isAsciiLetter(text[open + 1])) {
            const QStringView name = tagName(text, open + 1);
            if (name.compare(QLatin1String("script"), Qt::CaseInsensitive) == 0
                || name.compare(QLatin1String("style"), Qt::CaseInsensitive) == 0) {
                from = endTagOf(text, name, end);
                if (from == NoEnd)
                    break;
            }
        }
    }
    return tags;
}
