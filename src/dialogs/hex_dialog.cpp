#include "dialogs/hex_dialog.h"

#include "dialogs/hex_fragment.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmRGB::frmRGB(DialogServices services) : ElementDialog(services, QStringLiteral("frmRGB"), QStringLiteral("Hex Value"))
{
    QPushButton *cmdSelectColor = makeButton(QStringLiteral("cmdSelectColor"), QStringLiteral("&Select Color"));
    lblHexValue = makeValueLabel(QStringLiteral("lblHexValue"));
    lblHexValue->setMinimumSize(120, 40);
    connect(cmdSelectColor, &QPushButton::clicked, this, &frmRGB::cmdSelectColor_Click);

    auto *choice = new QHBoxLayout;
    choice->addWidget(cmdSelectColor);
    choice->addWidget(lblHexValue, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(makeOkCancelRow([this] { cmdOK_Click(); }));
}

void frmRGB::cmdSelectColor_Click()
{
    if (const std::optional<QColor> color = PickColorForLabel(lblHexValue)) {
        paintBackground(lblHexValue, *color);
        // The code must stay readable on any colour.
        paintText(lblHexValue, color->lightness() < 128 ? Qt::white : Qt::black);
    }
}

void frmRGB::cmdOK_Click()
{
    FollowSelection(BuildHexFragment(lblHexValue->text()));
}
