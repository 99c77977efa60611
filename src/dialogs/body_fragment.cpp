#include "dialogs/body_fragment.h"

#include "dialogs/tag_case.h"

EnclosingTags BuildBodyFragment(const BodyFields &fields, bool lowercase)
{
    const QString opening = QStringLiteral("<BODY") + OptionalAttribute(QStringLiteral("BACKGROUND"), fields.backgroundImage)
                            + ColorAttribute(QStringLiteral("BGCOLOR"), fields.backgroundColor)
                            + ColorAttribute(QStringLiteral("TEXT"), fields.textColor)
                            + ColorAttribute(QStringLiteral("LINK"), fields.linkColor)
                            + ColorAttribute(QStringLiteral("VLINK"), fields.visitedLinkColor)
                            + ColorAttribute(QStringLiteral("ALINK"), fields.clickedLinkColor) + QLatin1Char('>');
    return {ApplyTagCase(opening, lowercase), ApplyTagCase(QStringLiteral("</BODY>"), lowercase)};
}
