#include "platform/line_feeds.h"

#include <algorithm>
#include <cstdint>

qsizetype TurnBreaksIntoLineFeeds(QString &text)
{
    // A page of short lines has a break every hundred characters or so, too often for a
    // search from one to the next to pay: every character is looked at in a loop without
    // branches, which the compiler turns into vector instructions. The breaks are counted
    // in lanes as narrow as the characters, a stretch at a time, so that the count does
    // not widen every lane.
    constexpr qsizetype stretch = 0x7FF8;
    char16_t *characters = reinterpret_cast<char16_t *>(text.data());
    const qsizetype size = text.size();
    qsizetype breaks = 0;
    for (qsizetype start = 0; start < size; start += stretch) {
        const qsizetype end = std::min(size, start + stretch);
        std::uint16_t found = 0;
        for (qsizetype i = start; i < end; ++i) {
            const char16_t c = characters[i];
            // U+2028 and U+2029 differ in the lowest bit only, as do U+FDD0 and U+FDD1.
            const bool isBreak = char16_t(c | 1) == 0x2029 || char16_t(c | 1) == 0xFDD1;
            found += isBreak;
            characters[i] = isBreak ? u'\n' : c;
        }
        breaks += found;
    }
    return breaks;
}
