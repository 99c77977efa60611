#include "platform/reader_characters.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

// Below U+0300 nothing joins a character to the one before it but CR LF: such text, which
// most lines of a page are, counts one character per unit without asking for boundaries.
bool oneUnitEach(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x300 && c != u'\r'; });
}

} // namespace

int ReaderColumn(QStringView line, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, line.size());
    // Whether a character starts at the offset depends on the unit there too.
    const QStringView looked = line.left(offset + 1);
    if (oneUnitEach(looked))
        return int(offset) + 1;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, looked.data(), looked.size());
    int column = 1;
    for (qsizetype boundary = finder.toNextBoundary(); boundary > 0 && boundary <= offset;
         boundary = finder.toNextBoundary())
        ++column;
    return column;
}

int ReaderCharacters(QStringView text)
{
    return ReaderColumn(text, text.size()) - 1;
}

qsizetype OffsetOfReaderColumn(QStringView line, int column)
{
    if (column <= 1)
        return 0;
    if (oneUnitEach(line))
        return std::min<qsizetype>(column - 1, line.size());
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, line.data(), line.size());
    qsizetype offset = 0;
    for (int passed = 1; passed < column; ++passed) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0)
            break;
        offset = next;
    }
    return offset;
}
