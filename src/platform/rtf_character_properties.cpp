#include "platform/rtf_character_properties.h"

#include <QFont>
#include <QTextCharFormat>

#include <algorithm>
#include <cmath>

namespace {

// A font given in pixels has no point size; 96 dots per inch is what Qt assumes too.
double pointSizeOf(const QFont &font)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    if (font.pixelSize() > 0)
        return font.pixelSize() * 72.0 / 96.0;
    return 12.0;
}

} // namespace

CharacterProperties characterPropertiesOf(const QTextCharFormat &format, const QFont &documentFont)
{
    const QFont font = format.font().resolve(documentFont);
    CharacterProperties properties;
    properties.fontName = font.family();
    properties.halfPoints = std::max(1, int(std::lround(pointSizeOf(font) * 2)));
    properties.bold = font.bold();
    properties.italic = font.italic();
    properties.underline = font.underline();
    properties.strikethrough = font.strikeOut();
    // Files hold opaque RGB colours, so that is what the colour is compared as.
    if (format.foreground().style() != Qt::NoBrush)
        properties.color = QColor(format.foreground().color().rgb());
    return properties;
}

QTextCharFormat charFormatFor(const CharacterProperties &properties)
{
    QTextCharFormat format;
    if (!properties.fontName.isEmpty())
        format.setFontFamilies({properties.fontName});
    format.setFontPointSize(properties.halfPoints / 2.0);
    format.setFontWeight(properties.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(properties.italic);
    format.setFontUnderline(properties.underline);
    format.setFontStrikeOut(properties.strikethrough);
    if (properties.color.isValid())
        format.setForeground(properties.color);
    return format;
}
