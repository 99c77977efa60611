#include "dialogs/font_dialog.h"

#include "dialogs/font_fragment.h"
#include "dialogs/pickers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmFont::frmFont(DialogServices services) : ElementDialog(services, QStringLiteral("frmFont"), QStringLiteral("Font"))
{
    auto *relative = new QGroupBox(QStringLiteral("Relative Font Sizing"), this);
    relative->setObjectName(QStringLiteral("Frame1"));
    auto *steps = new QHBoxLayout(relative);
    for (const auto &[name, step] : {
             QPair{QStringLiteral("cmdFontMinusThree"), QStringLiteral("-3")},
             QPair{QStringLiteral("cmdFontMinusTwo"), QStringLiteral("-2")},
             QPair{QStringLiteral("cmdFontMinusOne"), QStringLiteral("-1")},
             QPair{QStringLiteral("cmdFontPlusOne"), QStringLiteral("+1")},
             QPair{QStringLiteral("cmdFontPlusTwo"), QStringLiteral("+2")},
             QPair{QStringLiteral("cmdFontPlusThree"), QStringLiteral("+3")},
         }) {
        QPushButton *button = makeButton(name, step);
        button->setMinimumWidth(40);
        connect(button, &QPushButton::clicked, this, [this, step] { cmdFontRelative_Click(step); });
        steps->addWidget(button);
    }

    cboFontSize = new QComboBox(this);
    cboFontSize->setObjectName(QStringLiteral("cboFontSize"));
    cboFontSize->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                           QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7")});
    cboFontSize->setCurrentIndex(-1);
    cboFontSize->setMinimumWidth(70);
    QPushButton *cmdFont = makeButton(QStringLiteral("cmdFont"), QStringLiteral("&Font"));
    QPushButton *cmdFontColor = makeButton(QStringLiteral("cmdFontColor"), QStringLiteral("F&ont Color"));
    lblFontFace = makeValueLabel(QStringLiteral("lblFontFace"));
    lblFontFace->setMinimumWidth(180);
    lblFontColor = makeValueLabel(QStringLiteral("lblFontColor"));
    connect(cmdFont, &QPushButton::clicked, this, &frmFont::cmdFont_Click);
    connect(cmdFontColor, &QPushButton::clicked, this, &frmFont::cmdFontColor_Click);

    auto *grid = new QGridLayout;
    grid->addWidget(makeLabel(QStringLiteral("Label1"), QStringLiteral("Font Size:")), 0, 0);
    grid->addWidget(cboFontSize, 0, 1, Qt::AlignLeft);
    grid->addWidget(cmdFont, 1, 0);
    grid->addWidget(lblFontFace, 1, 1);
    grid->addWidget(cmdFontColor, 2, 0);
    grid->addWidget(lblFontColor, 2, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(relative);
    layout->addLayout(grid);
    layout->addLayout(makeOkCancelRow([this] { cmdOK_Click(); }));
}

void frmFont::cmdFontRelative_Click(const QString &step)
{
    EncloseSelection(BuildRelativeSizeFragment(step, lowercase()));
}

void frmFont::cmdFont_Click()
{
    PickFontName(services());
    if (!results().PickedFontName.isEmpty()) {
        lblFontFace->setText(results().PickedFontName);
        QFont face = lblFontFace->font();
        face.setFamily(results().PickedFontName);
        lblFontFace->setFont(face);
    }
    results().ResetDialogResults();
}

void frmFont::cmdFontColor_Click()
{
    if (const std::optional<QColor> color = PickColorForLabel(lblFontColor)) {
        paintText(lblFontColor, *color);
        paintText(lblFontFace, *color);
    }
}

void frmFont::cmdOK_Click()
{
    EncloseSelection(
        BuildFontFragment({lblFontColor->text(), cboFontSize->currentText(), lblFontFace->text()}, lowercase()));
}
