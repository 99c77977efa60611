#pragma once

#include <QString>

#include <optional>

struct ListFields
{
    QString listType = QStringLiteral("BULLETED");
    QString number = QStringLiteral("1");  // empty counts as no items
};

// An empty bulleted ("BULLETED") or numbered (any other type) list of empty items, every
// line ended by CR LF, to follow the selection. Empty when the count is not a whole
// number or the list would be too large to insert.
std::optional<QString> BuildListFragment(const ListFields &fields, bool lowercase);
