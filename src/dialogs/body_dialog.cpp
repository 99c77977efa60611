#include "dialogs/body_dialog.h"

#include "dialogs/body_fragment.h"
#include "dialogs/chosen_picture.h"
#include "dialogs/download_time_frame.h"
#include "dialogs/picture_preview.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmBody::frmBody(DialogServices services) : ElementDialog(services, QStringLiteral("frmBody"), QStringLiteral("Body"))
{
    auto *grid = new QGridLayout;
    const auto addRow = [&](const QString &buttonName, const QString &buttonCaption, void (frmBody::*handler)(),
                            QLabel *caption, QLabel *value) {
        const int row = grid->rowCount();
        QPushButton *button = makeButton(buttonName, buttonCaption);
        connect(button, &QPushButton::clicked, this, handler);
        grid->addWidget(button, row, 0);
        if (caption)
            grid->addWidget(caption, row, 1);
        grid->addWidget(value, row, 2);
    };
    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("Text Color"));
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("Link Color"));
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("Visited Link"));
    Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("Clicked Link"));
    lblBackgroundHex = makeValueLabel(QStringLiteral("lblBackgroundHex"));
    lblTextHex = makeValueLabel(QStringLiteral("lblTextHex"));
    lblLinkHex = makeValueLabel(QStringLiteral("lblLinkHex"));
    lblVisitedLinkHex = makeValueLabel(QStringLiteral("lblVisitedLinkHex"));
    lblClickedLinkHex = makeValueLabel(QStringLiteral("lblClickedLinkHex"));
    lblImage = makeValueLabel(QStringLiteral("lblImage"));
    lblImage->setMinimumWidth(160);
    addRow(QStringLiteral("cmdBackcolor"), QStringLiteral("&Back Color"), &frmBody::cmdBackcolor_Click, nullptr,
           lblBackgroundHex);
    addRow(QStringLiteral("cmdTextColor"), QStringLiteral("&Text Color"), &frmBody::cmdTextColor_Click, Label1,
           lblTextHex);
    addRow(QStringLiteral("cmdLinkColor"), QStringLiteral("&Link Color"), &frmBody::cmdLinkColor_Click, Label2,
           lblLinkHex);
    addRow(QStringLiteral("cmdVLink"), QStringLiteral("&Visited Link"), &frmBody::cmdVLink_Click, Label3,
           lblVisitedLinkHex);
    addRow(QStringLiteral("cmdCLink"), QStringLiteral("Clic&ked Link"), &frmBody::cmdCLink_Click, Label4,
           lblClickedLinkHex);
    addRow(QStringLiteral("cmdBackgroundImage"), QStringLiteral("B&ackground"), &frmBody::cmdBackgroundImage_Click,
           makeLabel(QStringLiteral("Label5"), QStringLiteral("Source:")), lblImage);

    Image1 = MakePicturePreview(this);
    Frame1 = new DownloadTimeFrame(QStringLiteral("Approximate Download Time"),
                                   {QStringLiteral("cboModemSpeed"), QStringLiteral("Label8"), QStringLiteral("Label9")},
                                   this);
    auto *side = new QVBoxLayout;
    side->addWidget(Image1);
    side->addWidget(Frame1);
    arrangeWithSideColumn(grid, side, [this] { cmdOK_Click(); });
}

void frmBody::cmdBackcolor_Click()
{
    if (const std::optional<QColor> color = PickColorForLabel(lblBackgroundHex))
        for (QLabel *label : {lblBackgroundHex, lblClickedLinkHex, lblLinkHex, lblTextHex, lblVisitedLinkHex})
            paintBackground(label, *color);
}

void frmBody::pickForeground(QLabel *codeLabel, const QList<QWidget *> &painted)
{
    if (const std::optional<QColor> color = PickColorForLabel(codeLabel))
        for (QWidget *widget : painted)
            paintText(widget, *color);
}

void frmBody::cmdTextColor_Click()
{
    pickForeground(lblTextHex, {lblTextHex, Label1, lblImage, lblBackgroundHex});
}

void frmBody::cmdLinkColor_Click()
{
    pickForeground(lblLinkHex, {lblLinkHex, Label2});
}

void frmBody::cmdVLink_Click()
{
    pickForeground(lblVisitedLinkHex, {lblVisitedLinkHex, Label3});
}

void frmBody::cmdCLink_Click()
{
    pickForeground(lblClickedLinkHex, {lblClickedLinkHex, Label4});
}

void frmBody::cmdBackgroundImage_Click()
{
    const std::optional<ChosenPicture> picture = ChoosePicture(services());
    if (!picture)
        return;
    ShowPicturePreview(Image1, picture->content.preview);
    lblImage->setText(picture->name);
    Frame1->setFileSize(picture->fileSize);
}

void frmBody::cmdOK_Click()
{
    EncloseSelection(BuildBodyFragment({lblImage->text(), lblBackgroundHex->text(), lblTextHex->text(),
                                                  lblLinkHex->text(), lblVisitedLinkHex->text(),
                                                  lblClickedLinkHex->text()},
                                                 lowercase()));
}
