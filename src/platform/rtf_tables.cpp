#include "platform/rtf_tables.h"

#include <algorithm>

namespace {

constexpr int MaxEntries = 65536;
constexpr qsizetype MaxFontNameLength = 128;

} // namespace

void RtfTables::startFontTable()
{
    entryFont_ = -1;
    entryName_.clear();
    entryCodepage_ = 0;
}

void RtfTables::startFontEntry(int number)
{
    commitFontEntry();
    entryFont_ = number;
}

void RtfTables::appendToEntryName(QStringView text)
{
    QStringView kept = text.left(std::max<qsizetype>(0, MaxFontNameLength - entryName_.size()));
    // A character made of a surrogate pair is kept whole or not at all.
    if (kept.size() < text.size() && !kept.isEmpty() && kept.back().isHighSurrogate())
        kept.chop(1);
    entryName_ += kept;
}

void RtfTables::commitFontEntry()
{
    // A name is one line of visible text; breaks and tabs could not be written back.
    entryName_.removeIf(
        [](QChar c) { return c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator; });
    const QString name = entryName_.trimmed();
    if (entryFont_ >= 0 && !name.isEmpty() && (fonts_.size() < MaxEntries || fonts_.contains(entryFont_)))
        fonts_.insert(entryFont_, {name, entryCodepage_});
    startFontTable();
}

QString RtfTables::fontName(int number) const
{
    return fonts_.value(number).name;
}

int RtfTables::fontCodepage(int number) const
{
    return fonts_.value(number).codepage;
}

void RtfTables::startColorTable()
{
    colors_.clear();
    red_ = green_ = blue_ = 0;
    hasComponent_ = false;
}

void RtfTables::setComponent(int &component, int value)
{
    component = std::clamp(value, 0, 255);
    hasComponent_ = true;
}

void RtfTables::commitColor()
{
    if (colors_.size() < MaxEntries)
        colors_.push_back(hasComponent_ ? QColor(red_, green_, blue_) : QColor());
    red_ = green_ = blue_ = 0;
    hasComponent_ = false;
}

QColor RtfTables::color(int index) const
{
    return index > 0 && index < int(colors_.size()) ? colors_[std::size_t(index)] : QColor();
}
