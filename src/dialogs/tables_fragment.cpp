#include "dialogs/tables_fragment.h"

#include "dialogs/fragment_counts.h"
#include "dialogs/fragment_parts.h"
#include "dialogs/tag_case.h"

QString RepairColumnCount(const QString &text)
{
    return text.isEmpty() || ReadCount(text) == 0 ? QStringLiteral("1") : text;
}

QString RepairRowCount(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("0") : text;
}

std::optional<QString> BuildTableFragment(const TableFields &fields, bool lowercase)
{
    const std::optional<qint64> columns = ReadCount(RepairColumnCount(fields.numberColumns));
    const std::optional<qint64> rows = ReadCount(RepairRowCount(fields.numberRows));
    if (!columns || !rows)
        return std::nullopt;

    const QString cellAlign = UnlessAuto(QStringLiteral("ALIGN"), fields.alignData);
    const QString cellVAlign = UnlessAuto(QStringLiteral("VALIGN"), fields.verticalAlignCell);
    const QString percent = QString::number(100 / *columns) + QLatin1Char('%');
    const QString cellWidth = fields.cellWidth == QLatin1String("AUTO") ? QString() : Attribute(QStringLiteral("WIDTH"), percent);

    const QString fontAttrs = ColorAttribute(QStringLiteral("COLOR"), fields.fontColor)
                              + OptionalAttribute(QStringLiteral("SIZE"), fields.fontSize)
                              + OptionalAttribute(QStringLiteral("FACE"), fields.fontName);
    const QString fontOpen = fontAttrs.isEmpty() ? QString() : QStringLiteral("<FONT") + fontAttrs + QLatin1Char('>');
    const QString fontClose = fontAttrs.isEmpty() ? QString() : QStringLiteral("</FONT>");

    const QString rowColour = ColorAttribute(QStringLiteral("BGCOLOR"), fields.tableColor);
    const QString rowOpen = QStringLiteral("<TR") + rowColour + QLatin1Char('>') + CrLf;
    const QString rowClose = QStringLiteral("</TR>") + CrLf;
    const QString cell = QStringLiteral("<TD") + cellAlign + cellWidth + cellVAlign + QLatin1Char('>') + fontOpen
                         + fontClose + QStringLiteral("</TD>") + CrLf;

    const std::optional<QString> cells = RepeatWithinLimit(cell, *columns);
    if (!cells)
        return std::nullopt;
    const std::optional<QString> body = RepeatWithinLimit(rowOpen + *cells + rowClose, *rows);
    if (!body)
        return std::nullopt;

    const bool centred = fields.tableAlignment == QLatin1String("CENTER");
    const QString centerOpen = centred ? QStringLiteral("<CENTER>") + CrLf : QString();
    const QString centerClose = centred ? QStringLiteral("</CENTER>") + CrLf : QString();

    const QString unit = fields.widthAs == QLatin1String("PERCENT") ? QStringLiteral("%") : QString();
    const QString tableWidth = fields.tableWidth.isEmpty() ? QString() : Attribute(QStringLiteral("WIDTH"), fields.tableWidth + unit);

    QString caption;
    if (!fields.caption.isEmpty()) {
        const QString captionAlign = Attribute(QStringLiteral("ALIGN"), fields.captionAlignment);
        caption = ApplyTagCase(QStringLiteral("<CAPTION") + captionAlign + QLatin1Char('>') + fontOpen, lowercase)
                  + fields.caption + ApplyTagCase(fontClose + QStringLiteral("</CAPTION>"), lowercase) + CrLf;
    }

    const QString tableAlign = centred ? QString() : UnlessAuto(QStringLiteral("ALIGN"), fields.tableAlignment);
    const QString open = centerOpen + QStringLiteral("<TABLE") + OptionalAttribute(QStringLiteral("BORDER"), fields.borderWidth)
                         + tableWidth + OptionalAttribute(QStringLiteral("CELLPADDING"), fields.cellPadding)
                         + OptionalAttribute(QStringLiteral("CELLSPACING"), fields.cellSpacing) + tableAlign
                         + QLatin1Char('>') + CrLf;
    const QString close = *body + QStringLiteral("</TABLE>") + CrLf + centerClose;

    if (open.size() + caption.size() + close.size() > MaxFragmentLength)
        return std::nullopt;
    return ApplyTagCase(open, lowercase) + caption + ApplyTagCase(close, lowercase);
}
