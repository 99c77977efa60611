#pragma once

#include <QStyledItemDelegate>

// Draws a row's text with the stretch the item names in MarkStartRole and MarkLengthRole
// in bold on the highlight colour, so the match stands out within its line.
class MarkedMatchDelegate : public QStyledItemDelegate
{
public:
    static constexpr int MarkStartRole = Qt::UserRole + 1;
    static constexpr int MarkLengthRole = Qt::UserRole + 2;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
