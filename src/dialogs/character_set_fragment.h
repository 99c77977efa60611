#pragma once

#include "dialogs/fragment_parts.h"

#include <QList>

// A palette button that replaces the selection with a numeric character reference.
struct CharacterButton
{
    QString name;
    QString caption;
    QString reference;
};

// A palette button that wraps the selection in a text-style tag pair.
struct StyleButton
{
    QString name;
    QString caption;
    QString tag;  // element name in capitals
};

// In palette order.
const QList<CharacterButton> &CharacterButtons();
const QList<StyleButton> &StyleButtons();

// The style pair for a tag name, lowered as a whole in lower-case mode.
EnclosingTags BuildStyleFragment(const QString &tag, bool lowercase);
