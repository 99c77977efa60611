#include "dialogs/image_fragment.h"

#include "dialogs/fragment_parts.h"
#include "dialogs/tag_case.h"

namespace {

QString orDefault(const QString &value, const QString &fallback)
{
    return value.isEmpty() ? fallback : value;
}

} // namespace

QString BuildImageFragment(const ImageFields &fields, bool lowercase)
{
    const QString tag = QStringLiteral("<IMAGE")
                        + Attribute(QStringLiteral("SRC"), orDefault(fields.source, QStringLiteral("Insert image here")))
                        + Attribute(QStringLiteral("ALT"), orDefault(fields.altText, QStringLiteral("Image")))
                        + Attribute(QStringLiteral("HEIGHT"), fields.height)
                        + Attribute(QStringLiteral("WIDTH"), fields.width)
                        + OptionalAttribute(QStringLiteral("HSPACE"), fields.hSpace)
                        + OptionalAttribute(QStringLiteral("VSPACE"), fields.vSpace)
                        + OptionalAttribute(QStringLiteral("BORDER"), fields.border)
                        + Attribute(QStringLiteral("ALIGN"), orDefault(fields.alignment, QStringLiteral("DEFAULT")))
                        + QLatin1Char('>');
    return ApplyTagCase(tag, lowercase);
}
