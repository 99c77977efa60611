#include "search/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

frmFind::frmFind(ProgramContext &program, SearchState &search)
    : SearchDialog(program, search, QStringLiteral("frmFind"), QStringLiteral("Find"), QStringLiteral("&Find"),
                   QStringLiteral("cmdcancel"))
{
    optDirection[1]->setToolTip(QStringLiteral("Search to End of Document"));
    optDirection[0]->setToolTip(QStringLiteral("Search to Beginning of Document"));
    chkCase->setToolTip(QStringLiteral("Case Sensitivity"));
    Text1->setToolTip(QStringLiteral("Text to Find"));
    cmdCancel->setToolTip(QStringLiteral("Return to Notepad"));
    cmdFind->setToolTip(QStringLiteral("Start Search"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(Text1, 0, 1, 1, 2);
    layout->addWidget(cmdFind, 0, 3);
    layout->addWidget(chkCase, 1, 0, 1, 2, Qt::AlignBottom);
    layout->addWidget(Frame1, 1, 2);
    layout->addWidget(cmdCancel, 1, 3, Qt::AlignTop);
    layout->addWidget(chkRegularExpression, 2, 0, 1, 2);
    layout->addWidget(chkWholeWord, 2, 2);
    layout->setColumnStretch(1, 1);
    Text1->setMinimumWidth(200);
}
