#include "dialogs/meta_name_fragment.h"

#include "dialogs/fragment_parts.h"
#include "dialogs/tag_case.h"

QString BuildMetaFragment(const MetaFields &fields, bool lowercase)
{
    const auto line = [lowercase](const QString &name, const QString &value) {
        if (value.isEmpty())
            return QString();
        return ApplyTagCase(QStringLiteral("<META") + Attribute(QStringLiteral("NAME"), name)
                           + QStringLiteral(" CONTENT=\""),
                       lowercase)
               + value + QStringLiteral("\">") + CrLf;
    };
    return QStringLiteral("<!-- This material must go after /TITLE and before /HEAD -->") + CrLf
           + line(QStringLiteral("AUTHOR"), fields.author)
           + line(QStringLiteral("CLASSIFICATION"), fields.classification)
           + line(QStringLiteral("DESCRIPTION"), fields.description) + line(QStringLiteral("KEYWORDS"), fields.keyWords);
}
