#include "document/html_colours.h"

#include <QPalette>

HtmlColours::HtmlColours(const QPalette &palette, const QColor &tagColor)
    : dark_(palette.color(QPalette::Base).lightness() < 128)
{
    tag_ = painted(tagColor);
    attributeName_ = painted(QColor(160, 80, 0));
    attributeValue_ = painted(QColor(0, 128, 0));
    comment_ = painted(QColor(128, 128, 128));
    doctype_ = painted(QColor(0, 128, 128));
    reference_ = painted(QColor(160, 0, 160));
    number_ = painted(QColor(176, 0, 64));
    keyword_ = painted(QColor(0, 0, 160));
    matched_ = dark_ ? QColor(90, 80, 30) : QColor(255, 230, 150);
    unmatched_ = dark_ ? QColor(120, 40, 40) : QColor(255, 185, 185);
}

QColor HtmlColours::readable(const QColor &color) const
{
    if (!dark_ || color.lightness() >= 150)
        return color;
    const QColor hsl = color.toHsl();
    return QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), 170);
}

QTextCharFormat HtmlColours::painted(const QColor &color) const
{
    QTextCharFormat format;
    format.setForeground(readable(color));
    return format;
}

const QTextCharFormat &HtmlColours::of(TagPart part) const
{
    switch (part) {
    case TagPart::AttributeName:
        return attributeName_;
    case TagPart::AttributeValue:
        return attributeValue_;
    case TagPart::Comment:
        return comment_;
    case TagPart::Doctype:
        return doctype_;
    default:
        return tag_;
    }
}

const QTextCharFormat &HtmlColours::of(CodePart part) const
{
    switch (part) {
    case CodePart::Comment:
        return comment_;
    case CodePart::String:
        return attributeValue_;
    case CodePart::Number:
        return number_;
    case CodePart::Property:
        return attributeName_;
    default:
        return keyword_;
    }
}
