#pragma once

#include "../support/qt_printing.h"
#include "platform/rtf_character_properties.h"
#include "platform/rtf_reader.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>

#include <vector>

// A piece of RTF and the text the reader makes of it.
struct TextCase
{
    const char *what;
    QByteArray rtf;
    QString text;
};

// A character's properties: the face, the size in half points, the colour (invalid for the
// automatic one) and the switches set, of "b", "i", "u" and "s".
inline CharacterProperties props(const QString &font, int halfPoints, const QColor &color = QColor(),
                                 const QString &switches = QString())
{
    return {font,
            halfPoints,
            switches.contains(QLatin1Char('b')),
            switches.contains(QLatin1Char('i')),
            switches.contains(QLatin1Char('u')),
            switches.contains(QLatin1Char('s')),
            color};
}

// The document's text with every paragraph and line break as "\n", as the editor shows it.
inline QString plainTextOf(const QTextDocument &document)
{
    QString text = document.toRawText();
    for (QChar &c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    return text;
}

// The seven properties of every character, in text order (paragraph ends excluded).
inline std::vector<CharacterProperties> propertiesOf(const QTextDocument &document)
{
    std::vector<CharacterProperties> all;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const CharacterProperties properties =
                characterPropertiesOf(fragment.fragment().charFormat(), document.defaultFont());
            all.insert(all.end(), fragment.fragment().length(), properties);
        }
    return all;
}

inline bool writeFileBytes(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}
