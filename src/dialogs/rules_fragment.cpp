#include "dialogs/rules_fragment.h"

#include "dialogs/fragment_parts.h"
#include "dialogs/tag_case.h"

QString BuildRuleFragment(const RuleFields &fields, bool lowercase)
{
    const QString start = fields.graphicPath.isEmpty()
                              ? QStringLiteral("<HR")
                              : QStringLiteral("<IMG") + Attribute(QStringLiteral("SRC"), fields.graphicName);
    const QString unit = fields.widthAs == QLatin1String("PERCENT") ? QStringLiteral("%") : QString();
    const QString width = fields.width.isEmpty() ? QString() : Attribute(QStringLiteral("WIDTH"), fields.width + unit);
    const QString shade = fields.shadow == QLatin1String("YES") ? QString() : QStringLiteral(" NOSHADE");
    return ApplyTagCase(start + OptionalAttribute(QStringLiteral("HEIGHT"), fields.height) + width + shade
                       + QLatin1Char('>') + CrLf,
                   lowercase);
}
