#include "dialogs/links_dialog.h"

#include "dialogs/links_fragment.h"
#include "dialogs/pickers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmLinks::frmLinks(DialogServices services) : ElementDialog(services, QStringLiteral("frmLinks"), QStringLiteral("Links"))
{
    cboHREF = new QComboBox(this);
    cboHREF->setObjectName(QStringLiteral("cboHREF"));
    cboHREF->addItems({QStringLiteral("http://"), QStringLiteral("ftp://"), QStringLiteral("mailto:"),
                       QStringLiteral("relative link")});
    cboHREF->setCurrentText(QStringLiteral("http://"));
    // A frame of the user's own naming can be typed in as well.
    cboTarget = new QComboBox(this);
    cboTarget->setObjectName(QStringLiteral("cboTarget"));
    cboTarget->setEditable(true);
    cboTarget->addItems({QStringLiteral("none"), QStringLiteral("main"), QStringLiteral("_blank"),
                         QStringLiteral("_self"), QStringLiteral("_parent"), QStringLiteral("_top")});
    cboTarget->setCurrentText(QStringLiteral("none"));
    txtLink = new QLineEdit(this);
    txtLink->setObjectName(QStringLiteral("txtLink"));
    txtLink->setMinimumWidth(220);
    txtLinkName = new QLineEdit(this);
    txtLinkName->setObjectName(QStringLiteral("txtLinkName"));
    cmdFindLink = makeButton(QStringLiteral("cmdFindLink"), QStringLiteral("&Find Link"));
    connect(cboHREF, &QComboBox::activated, this, &frmLinks::cboHREF_Click);
    connect(cmdFindLink, &QPushButton::clicked, this, &frmLinks::cmdFindLink_Click);

    auto *grid = new QGridLayout;
    grid->addWidget(makeLabel(QStringLiteral("Label2"), QStringLiteral("Type of Link:")), 0, 0);
    grid->addWidget(cboHREF, 0, 1);
    grid->addWidget(txtLink, 0, 2);
    grid->addWidget(cmdFindLink, 0, 3);
    grid->addWidget(makeLabel(QStringLiteral("Label1"), QStringLiteral("Link Text:")), 1, 0);
    grid->addWidget(txtLinkName, 1, 1, 1, 3);
    grid->addWidget(makeLabel(QStringLiteral("Label3"), QStringLiteral("Target:")), 2, 0);
    grid->addWidget(cboTarget, 2, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(makeOkCancelRow([this] { cmdOK_Click(); }));
}

void frmLinks::cboHREF_Click()
{
    // Targets and page files belong to web and relative links only.
    const QString type = cboHREF->currentText();
    const bool web = type == QLatin1String("http://") || type == QLatin1String("relative link");
    cboTarget->setEnabled(web);
    cmdFindLink->setEnabled(web);
}

void frmLinks::cmdFindLink_Click()
{
    PickPageFile(services());
    if (!results().PickedPageName.isEmpty())
        txtLink->setText(results().PickedPageName);
    results().ResetDialogResults();
}

void frmLinks::cmdOK_Click()
{
    EncloseSelection(BuildLinksFragment(
        {cboHREF->currentText(), txtLink->text(), cboTarget->currentText(), txtLinkName->text()}, lowercase()));
}
