#include "document/line_length_limit.h"

#include <QLocale>
#include <QTextBlock>
#include <QTextDocument>

namespace {

QString tooLong(int line, qsizetype length)
{
    const QLocale locale;
    return QStringLiteral("Line %1 holds %2 characters; Tagsmith opens pages whose lines hold at most %3.")
        .arg(line)
        .arg(locale.toString(length), locale.toString(LongestLineShown));
}

// The number of the line that starts at `at`.
int lineAt(QStringView text, qsizetype at)
{
    int line = 1;
    for (const QChar c : text.first(at))
        if (c == u'\n' || c == QChar::ParagraphSeparator)
            ++line;
    return line;
}

} // namespace

std::optional<QString> LineTooLong(QStringView text)
{
    // Most lines are short: the line feeds are found with Qt's vectorised search, and only
    // a stretch between two of them long enough to matter is looked through for paragraph
    // separators.
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        for (qsizetype from = start; end - from > LongestLineShown;) {
            const qsizetype separator = text.sliced(from, end - from).indexOf(QChar::ParagraphSeparator);
            const qsizetype length = separator < 0 ? end - from : separator;
            if (length > LongestLineShown)
                return tooLong(lineAt(text, from), length);
            from += separator + 1;
        }
        start = end + 1;
    }
    return std::nullopt;
}

std::optional<QString> LineTooLong(const QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        // A block's length counts the break after it.
        if (block.length() - 1 > LongestLineShown)
            return tooLong(block.blockNumber() + 1, block.length() - 1);
    return std::nullopt;
}
