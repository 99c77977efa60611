#include "dialogs/rules_dialog.h"

#include "dialogs/chosen_picture.h"
#include "dialogs/form_controls.h"
#include "dialogs/pickers.h"
#include "dialogs/picture_preview.h"
#include "dialogs/rules_fragment.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmRules::frmRules(DialogServices services)
    : ElementDialog(services, QStringLiteral("frmRules"), QStringLiteral("Rules"))
{
    txtWidth = makeTextBox(this, QStringLiteral("txtWidth"), QStringLiteral("75"));
    cboWidth = makeComboBox(this, QStringLiteral("cboWidth"), {QStringLiteral("PERCENT"), QStringLiteral("ABSOLUTE")},
                            QStringLiteral("PERCENT"));
    cboShadow = makeComboBox(this, QStringLiteral("cboShadow"), {QStringLiteral("YES"), QStringLiteral("NO")},
                             QStringLiteral("YES"));
    QPushButton *cmdUseGraphic = makeButton(QStringLiteral("cmdUseGraphic"), QStringLiteral("&Graphic"));
    Image1 = MakePicturePreview(this);
    txtHeight = makeTextBox(this, QStringLiteral("txtHeight"));

    auto *widthGroup = new QGroupBox(QStringLiteral("Width"), this);
    auto *width = new QFormLayout(widthGroup);
    auto *widthRow = new QHBoxLayout;
    widthRow->addWidget(txtWidth);
    widthRow->addWidget(cboWidth);
    width->addRow(widthRow);
    width->addRow(QStringLiteral("Use Shadow:"), cboShadow);

    auto *graphicGroup = new QGroupBox(QStringLiteral("Graphic Rule"), this);
    auto *graphic = new QFormLayout(graphicGroup);
    auto *graphicRow = new QHBoxLayout;
    graphicRow->addWidget(cmdUseGraphic, 0, Qt::AlignTop);
    graphicRow->addWidget(Image1);
    graphic->addRow(graphicRow);
    graphic->addRow(QStringLiteral("Height:"), txtHeight);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(widthGroup);
    layout->addWidget(graphicGroup);
    layout->addLayout(makeOkCancelRow([this] { cmdOK_Click(); }));

    connect(cmdUseGraphic, &QPushButton::clicked, this, &frmRules::cmdUseGraphic_Click);
}

void frmRules::cmdUseGraphic_Click()
{
    PickImageFile(services());
    const QString path = results().PickedImagePath;
    const QString name = results().PickedImageName;
    results().ResetDialogResults();
    if (path.isEmpty()) {
        // A cancelled pick goes back to the plain rule.
        graphicPath_.clear();
        graphicName_.clear();
        Image1->clear();
        return;
    }
    // A file that is no picture keeps the previous choice and its preview.
    const std::optional<PictureContent> picture = ReadPicture(program(), path);
    if (!picture)
        return;
    graphicPath_ = path;
    graphicName_ = name;
    ShowPicturePreview(Image1, picture->preview);
}

void frmRules::cmdOK_Click()
{
    FollowSelection(BuildRuleFragment({graphicPath_, graphicName_, txtWidth->text(), cboWidth->currentText(),
                                       cboShadow->currentText(), txtHeight->text()},
                                      lowercase()));
}
