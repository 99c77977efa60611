#pragma once

#include <QString>

#include <optional>

// The Tables dialog's fields as the user left them. Colour fields hold the six-digit
// colour code without "#"; an empty colour, font or size means none was chosen.
struct TableFields
{
    QString caption;
    QString captionAlignment = QStringLiteral("TOP");
    QString tableAlignment = QStringLiteral("AUTO");
    QString tableWidth = QStringLiteral("100");
    QString widthAs = QStringLiteral("PERCENT");
    QString borderWidth;
    QString tableColor;
    QString numberColumns = QStringLiteral("1");
    QString numberRows = QStringLiteral("1");
    QString alignData = QStringLiteral("AUTO");
    QString verticalAlignCell = QStringLiteral("AUTO");
    QString cellWidth = QStringLiteral("AUTO");
    QString cellPadding;
    QString cellSpacing;
    QString fontName;
    QString fontColor;
    QString fontSize;
};

// Counts above this are built only after the user confirms them.
inline constexpr qint64 TableCountWithoutQuestion = 100;

// The repairs the dialog makes to its count fields before reading them: no columns
// means one column, and an empty row count means a table without rows.
QString RepairColumnCount(const QString &text);
QString RepairRowCount(const QString &text);

// The table, every line ended by CR LF, to follow the selection. Empty when a count is
// not a whole number or the table would be too large to insert. With lowercase the tags
// and values are lower case and the caption text keeps its case.
std::optional<QString> BuildTableFragment(const TableFields &fields, bool lowercase);
