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

} // namespace

std::optional<QString> LineTooLong(QStringView text)
{
    // Most lines are short: the line feeds are found with Qt's vectorised search.
    int number = 1;
    for (const QStringView line : text.tokenize(u'\n')) {
        if (line.size() > LongestLineShown)
            return tooLong(number, line.size());
        ++number;
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
