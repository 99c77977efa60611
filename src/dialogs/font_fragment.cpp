#include "dialogs/font_fragment.h"

#include "dialogs/tag_case.h"

namespace {

EnclosingTags fontElement(const QString &attributes, bool lowercase)
{
    return {ApplyTagCase(QStringLiteral("<FONT") + attributes + QLatin1Char('>'), lowercase),
            ApplyTagCase(QStringLiteral("</FONT>"), lowercase)};
}

} // namespace

EnclosingTags BuildRelativeSizeFragment(const QString &step, bool lowercase)
{
    return fontElement(Attribute(QStringLiteral("SIZE"), step), lowercase);
}

EnclosingTags BuildFontFragment(const FontFields &fields, bool lowercase)
{
    return fontElement(ColorAttribute(QStringLiteral("COLOR"), fields.color)
                           + OptionalAttribute(QStringLiteral("SIZE"), fields.size)
                           + OptionalAttribute(QStringLiteral("FACE"), fields.face),
                       lowercase);
}
