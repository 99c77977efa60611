#include "dialogs/character_set_dialog.h"

#include "dialogs/character_set_fragment.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

frmCharacterSet::frmCharacterSet(DialogServices services)
    : ElementDialog(services, QStringLiteral("frmCharacterSet"), QStringLiteral("Characters"))
{
    auto *palette = new QGroupBox(QStringLiteral("Character Set"), this);
    palette->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(palette);
    constexpr int columns = 6;
    int index = 0;
    const auto place = [&](QPushButton *button) {
        button->setParent(palette);
        grid->addWidget(button, index / columns, index % columns);
        ++index;
    };
    for (const CharacterButton &character : CharacterButtons()) {
        QPushButton *button = makeButton(character.name, character.caption);
        connect(button, &QPushButton::clicked, this, [this, reference = character.reference] {
            ReplaceSelection(reference);
        });
        place(button);
    }
    for (const StyleButton &style : StyleButtons()) {
        QPushButton *button = makeButton(style.name, style.caption);
        connect(button, &QPushButton::clicked, this, [this, tag = style.tag] {
            EncloseSelection(BuildStyleFragment(tag, lowercase()));
        });
        place(button);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(palette);
}
