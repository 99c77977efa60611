#include "search/marked_match_delegate.h"

#include <QApplication>
#include <QPainter>

void MarkedMatchDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QVariant start = index.data(MarkStartRole);
    if (!start.isValid())
        return QStyledItemDelegate::paint(painter, option, index);
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    QStyle *style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const qsizetype from = qBound<qsizetype>(0, start.toLongLong(), text.size());
    const qsizetype length = qBound<qsizetype>(0, index.data(MarkLengthRole).toLongLong(), text.size() - from);
    QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget).adjusted(2, 0, -2, 0);
    QFont bold = item.font;
    bold.setBold(true);
    painter->save();
    painter->setClipRect(area);
    const bool selected = item.state & QStyle::State_Selected;
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const auto draw = [&](const QString &piece, const QFont &font, bool marked) {
        painter->setFont(font);
        const int width = QFontMetrics(font).horizontalAdvance(piece);
        const QRect box(area.left(), area.top(), width, area.height());
        if (marked && !selected)
            painter->fillRect(box, item.palette.color(QPalette::Highlight).lighter(170));
        painter->drawText(box, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, piece);
        area.setLeft(area.left() + width);
    };
    draw(text.first(from), item.font, false);
    draw(text.sliced(from, length), bold, true);
    draw(text.sliced(from + length), item.font, false);
    painter->restore();
}
