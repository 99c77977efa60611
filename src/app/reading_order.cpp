#include "app/reading_order.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLayout>
#include <QWidget>

#include <algorithm>
#include <tuple>
#include <utility>

namespace {

void collectFields(QLayout *layout, QList<QWidget *> &fields);

void collectFields(QLayoutItem *item, QList<QWidget *> &fields)
{
    if (QWidget *widget = item->widget()) {
        // Option buttons of one group take Tab by turns (the checked one only), so a
        // field counts by whether it can take the focus at all.
        if (widget->focusPolicy() != Qt::NoFocus)
            fields.append(widget);
        else if (widget->layout())
            collectFields(widget->layout(), fields);
    } else if (QLayout *inner = item->layout()) {
        collectFields(inner, fields);
    }
}

void collectFields(QLayout *layout, QList<QWidget *> &fields)
{
    // A grid and a form are read row by row whatever order their cells were added in;
    // a row or a column of boxes is read in its own order.
    auto *grid = qobject_cast<QGridLayout *>(layout);
    auto *form = qobject_cast<QFormLayout *>(layout);
    QList<std::tuple<int, int, QLayoutItem *>> cells;
    for (int index = 0; index < layout->count(); ++index) {
        int row = index;
        int column = 0;
        if (grid) {
            int rowSpan = 0;
            int columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        } else if (form) {
            QFormLayout::ItemRole role = QFormLayout::LabelRole;
            form->getItemPosition(index, &row, &role);
            column = int(role);
        }
        cells.append({row, column, layout->itemAt(index)});
    }
    std::stable_sort(cells.begin(), cells.end(), [](const auto &a, const auto &b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    for (const auto &cell : std::as_const(cells))
        collectFields(std::get<2>(cell), fields);
}

} // namespace

void OrderFieldsAsLaidOut(QWidget *form)
{
    if (!form->layout())
        return;
    QList<QWidget *> fields;
    collectFields(form->layout(), fields);
    for (qsizetype index = 1; index < fields.size(); ++index)
        QWidget::setTabOrder(fields[index - 1], fields[index]);
    const auto first = std::find_if(fields.cbegin(), fields.cend(), [](const QWidget *field) {
        return (field->focusPolicy() & Qt::TabFocus) && field->isEnabled() && !field->isHidden();
    });
    if (first != fields.cend())
        (*first)->setFocus();
}
