#include "dialogs/lists_dialog.h"

#include "dialogs/count_field.h"
#include "dialogs/form_controls.h"
#include "dialogs/lists_fragment.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

frmLists::frmLists(DialogServices services)
    : ElementDialog(services, QStringLiteral("frmLists"), QStringLiteral("Lists"))
{
    cboListType = makeComboBox(this, QStringLiteral("cboListType"),
                               {QStringLiteral("BULLETED"), QStringLiteral("NUMBERED")}, QStringLiteral("BULLETED"));
    txtNumber = makeTextBox(this, QStringLiteral("txtNumber"), QStringLiteral("1"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Type of List:"), cboListType);
    form->addRow(QStringLiteral("Number of Items:"), txtNumber);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(makeOkCancelRow([this] { cmdOK_Click(); }));
}

void frmLists::cmdOK_Click()
{
    const ListFields fields{cboListType->currentText(), txtNumber->text()};
    // An empty count means a list without items.
    if (!fields.number.isEmpty() && !ReadCountField(program(), txtNumber, QStringLiteral("Number of Items")))
        return;
    const std::optional<QString> list = BuildListFragment(fields, lowercase());
    if (!list) {
        RefuseTooLarge(program(), QStringLiteral("list"));
        return;
    }
    FollowSelection(*list);
}
