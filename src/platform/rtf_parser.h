#pragma once

#include "platform/rtf_character_properties.h"

#include <QByteArrayView>
#include <QString>

#include <vector>

// A stretch of text with one set of character properties. Paragraphs are separated by
// U+2029, line breaks inside a paragraph are U+2028.
struct RtfRun
{
    CharacterProperties properties;
    QString text;
};

struct RtfContent
{
    std::vector<RtfRun> runs;
    bool complete = false; // the outermost group was closed
};

// Reads RTF (bytes that begin with "{\rtf"). It never fails and never loops: whatever is
// malformed is passed over, and the text around it is kept. Nesting, names and numbers
// are capped, so hostile input costs time and memory in proportion to its length.
RtfContent parseRtf(QByteArrayView data);
