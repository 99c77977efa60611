#include "dialogs/lists_fragment.h"

#include "dialogs/fragment_counts.h"
#include "dialogs/fragment_parts.h"
#include "dialogs/tag_case.h"

std::optional<QString> BuildListFragment(const ListFields &fields, bool lowercase)
{
    const std::optional<qint64> count = fields.number.isEmpty() ? 0 : ReadCount(fields.number);
    if (!count)
        return std::nullopt;
    const std::optional<QString> items = RepeatWithinLimit(QStringLiteral("<LI></LI>") + CrLf, *count);
    if (!items)
        return std::nullopt;
    const bool bulleted = fields.listType == QLatin1String("BULLETED");
    const QString open = (bulleted ? QStringLiteral("<UL>") : QStringLiteral("<OL>")) + CrLf;
    const QString close = (bulleted ? QStringLiteral("</UL>") : QStringLiteral("</OL>")) + CrLf;
    if (open.size() + items->size() + close.size() > MaxFragmentLength)
        return std::nullopt;
    return ApplyTagCase(open + *items + close, lowercase);
}
