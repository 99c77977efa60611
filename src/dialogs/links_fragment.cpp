#include "dialogs/links_fragment.h"

#include "dialogs/tag_case.h"

EnclosingTags BuildLinksFragment(const LinksFields &fields, bool lowercase)
{
    const QString prefix = fields.linkType == QLatin1String("relative link") ? QString() : fields.linkType;
    const QString target = fields.target == QLatin1String("none") ? QString()
                                                                  : Attribute(QStringLiteral("TARGET"), fields.target);
    const QString opening =
        QStringLiteral("<A") + Attribute(QStringLiteral("HREF"), prefix + fields.address) + target + QLatin1Char('>')
        + fields.linkText;
    return {ApplyTagCase(opening, lowercase), ApplyTagCase(QStringLiteral("</A>"), lowercase)};
}
