#pragma once

#include <QColor>
#include <QHash>
#include <QString>
#include <QStringView>

#include <vector>

// The font and colour tables of an RTF document, filled entry by entry as the reader
// meets them. Both are capped in size, so a hostile table costs bounded memory.
class RtfTables
{
public:
    void startFontTable();
    // \fN inside the font table; an entry still open is committed first.
    void startFontEntry(int number);
    void setEntryCodepage(int codepage) { entryCodepage_ = codepage; }
    int entryCodepage() const { return entryCodepage_; }
    void appendToEntryName(QStringView text);
    // At ";" or at the end of the entry's group.
    void commitFontEntry();

    QString fontName(int number) const;   // empty when the table has no such font
    int fontCodepage(int number) const;   // 0 when the font names none

    void startColorTable();
    void setRed(int value) { setComponent(red_, value); }
    void setGreen(int value) { setComponent(green_, value); }
    void setBlue(int value) { setComponent(blue_, value); }
    // At ";": every one counts, an entry without components is the automatic colour.
    void commitColor();

    // Invalid for the automatic colour: entry 0, an empty entry, or one past the table.
    QColor color(int index) const;

private:
    struct FontEntry
    {
        QString name;
        int codepage = 0;
    };

    void setComponent(int &component, int value);

    QHash<int, FontEntry> fonts_;
    int entryFont_ = -1;
    QString entryName_;
    int entryCodepage_ = 0;

    std::vector<QColor> colors_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool hasComponent_ = false;
};
