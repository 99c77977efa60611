#include "dialogs/image_dialog.h"

#include "dialogs/chosen_picture.h"
#include "dialogs/download_time_frame.h"
#include "dialogs/image_fragment.h"
#include "dialogs/picture_preview.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmImage::frmImage(DialogServices services) : ElementDialog(services, QStringLiteral("frmImage"), QStringLiteral("Image"))
{
    auto *grid = new QGridLayout;
    const auto addField = [&](const QString &name, const QString &labelName, const QString &caption, int row,
                              int column) {
        auto *field = new QLineEdit(this);
        field->setObjectName(name);
        grid->addWidget(makeLabel(labelName, caption), row, column);
        grid->addWidget(field, row, column + 1);
        return field;
    };
    txtSource = addField(QStringLiteral("txtSource"), QStringLiteral("Label8"), QStringLiteral("Image Source:"), 0, 0);
    txtAltText = addField(QStringLiteral("txtAltText"), QStringLiteral("Label2"), QStringLiteral("Alternate Text:"), 1, 0);
    txtHeight = addField(QStringLiteral("txtHeight"), QStringLiteral("Label1"), QStringLiteral("Height:"), 2, 0);
    txtWidth = addField(QStringLiteral("txtWidth"), QStringLiteral("Label3"), QStringLiteral("Width:"), 3, 0);
    txtHSpace = addField(QStringLiteral("txtHSpace"), QStringLiteral("Label6"), QStringLiteral("Horizontal Space:"), 4, 0);
    txtVSpace = addField(QStringLiteral("txtVSpace"), QStringLiteral("Label7"), QStringLiteral("Vertical Space:"), 5, 0);
    txtBorder = addField(QStringLiteral("txtBorder"), QStringLiteral("Label4"), QStringLiteral("Border:"), 6, 0);

    cboAlignment = new QComboBox(this);
    cboAlignment->setObjectName(QStringLiteral("cboAlignment"));
    cboAlignment->addItems({QStringLiteral("DEFAULT"), QStringLiteral("LEFT"), QStringLiteral("RIGHT"),
                            QStringLiteral("TOP"), QStringLiteral("TEXTTOP"), QStringLiteral("MIDDLE"),
                            QStringLiteral("ABSMIDDLE"), QStringLiteral("BASELINE"), QStringLiteral("BOTTOM"),
                            QStringLiteral("ABSBOTTOM")});
    cboAlignment->setCurrentText(QStringLiteral("DEFAULT"));
    lblAlignment = makeLabel(QStringLiteral("lblAlignment"));
    grid->addWidget(makeLabel(QStringLiteral("Label5"), QStringLiteral("Alignment:")), 7, 0);
    grid->addWidget(cboAlignment, 7, 1);
    grid->addWidget(lblAlignment, 8, 1);
    connect(cboAlignment, &QComboBox::activated, this, &frmImage::cboAlignment_Click);

    QPushButton *cmdImage = makeButton(QStringLiteral("cmdImage"), QStringLiteral("&Image"));
    connect(cmdImage, &QPushButton::clicked, this, &frmImage::cmdImage_Click);
    Image1 = MakePicturePreview(this);
    Frame1 = new DownloadTimeFrame(QStringLiteral("Approximate Download Time"),
                                   {QStringLiteral("cboModemSpeed"), QStringLiteral("Label11"), QStringLiteral("Label12")},
                                   this);
    auto *side = new QVBoxLayout;
    side->addWidget(cmdImage);
    side->addWidget(Image1);
    side->addWidget(Frame1);
    arrangeWithSideColumn(grid, side, [this] { cmdOK_Click(); });
}

void frmImage::cboAlignment_Click()
{
    lblAlignment->setText(cboAlignment->currentText());
}

void frmImage::cmdImage_Click()
{
    const std::optional<ChosenPicture> picture = ChoosePicture(services());
    if (!picture)
        return;
    ShowPicturePreview(Image1, picture->content.preview);
    txtAltText->setText(picture->name);
    txtSource->setText(picture->name);
    txtHeight->setText(QString::number(picture->content.size.height()));
    txtWidth->setText(QString::number(picture->content.size.width()));
    Frame1->setFileSize(picture->fileSize);
}

void frmImage::cmdOK_Click()
{
    FollowSelection(BuildImageFragment({txtSource->text(), txtAltText->text(), txtHeight->text(), txtWidth->text(),
                                        txtHSpace->text(), txtVSpace->text(), txtBorder->text(),
                                        lblAlignment->text()},
                                       lowercase()));
}
