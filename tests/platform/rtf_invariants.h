#pragma once

#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"
#include "rtf_test_support.h"

#include <QTextDocument>

#include <string>

// What must hold for any input whatever: reading ends, fails only with a message, puts no
// broken UTF-16 or document structure characters into the text, and what the writer makes
// of the result reads back as the same text with the same properties. Returns what broke,
// or an empty text.
inline std::string brokenRtfInvariant(const QByteArray &data)
{
    QTextDocument document;
    QString error;
    if (!readRtf(data, document, &error))
        return error.isEmpty() ? "reading failed without a message" : std::string();
    const QString text = document.toRawText();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (u == 0xFDD0 || u == 0xFDD1 || u == 0xFFFC)
            return "a structure character in the text";
        if (QChar::isHighSurrogate(u) && (i + 1 == text.size() || !text.at(i + 1).isLowSurrogate()))
            return "a high surrogate without its pair";
        if (QChar::isLowSurrogate(u) && (i == 0 || !text.at(i - 1).isHighSurrogate()))
            return "a low surrogate without its pair";
    }
    QTextDocument again;
    if (!readRtf(writeRtf(document), again, &error))
        return "the written document could not be read";
    if (plainTextOf(again) != plainTextOf(document))
        return "writing and reading changed the text";
    if (propertiesOf(again) != propertiesOf(document))
        return "writing and reading changed the character properties";
    return {};
}
