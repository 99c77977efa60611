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
    int line = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != u'\n' && text[i] != QChar::ParagraphSeparator)
            continue;
        if (i - start > LongestLineShown)
            return tooLong(line, i - start);
        ++line;
        start = i + 1;
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
