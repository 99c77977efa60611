#include "dialogs/meta_name_dialog.h"

#include "dialogs/form_controls.h"
#include "dialogs/meta_name_fragment.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

frmMetaName::frmMetaName(DialogServices services)
    : ElementDialog(services, QStringLiteral("frmMetaName"), QStringLiteral("Site Information"))
{
    txtAuthor = makeTextBox(this, QStringLiteral("txtAuthor"));
    txtClassification = makeTextBox(this, QStringLiteral("txtClassification"));
    txtDescription = makeTextBox(this, QStringLiteral("txtDescription"));
    txtKeyWords = makeTextBox(this, QStringLiteral("txtKeyWords"));
    txtDescription->setMinimumWidth(320);

    auto *grid = new QGridLayout;
    grid->addWidget(makeLabel(QStringLiteral("Label1"), QStringLiteral("Author:")), 0, 0);
    grid->addWidget(txtAuthor, 0, 1);
    grid->addWidget(makeLabel(QStringLiteral("Label4"), QStringLiteral("Classification:")), 1, 0);
    grid->addWidget(txtClassification, 1, 1);
    grid->addWidget(makeLabel(QStringLiteral("Label2"), QStringLiteral("Description:")), 2, 0);
    grid->addWidget(txtDescription, 2, 1);
    grid->addWidget(makeLabel(QStringLiteral("Label3"), QStringLiteral("Key Words:")), 3, 0);
    grid->addWidget(txtKeyWords, 3, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(makeOkCancelRow([this] { cmdOK_Click(); }));
}

void frmMetaName::cmdOK_Click()
{
    FollowSelection(BuildMetaFragment({txtAuthor->text(), txtClassification->text(), txtDescription->text(),
                                       txtKeyWords->text()},
                                      lowercase()));
}
