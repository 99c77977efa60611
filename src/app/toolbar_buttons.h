#pragma once

#include <QList>
#include <QString>

// One position of a command toolbar; a separator is a position without a key.
struct ToolbarButton
{
    QString key;        // what the click handler goes by; also the button's object name
    QString tooltip;
    QString themeIcon;  // the desktop theme's name for a fitting image, where it has one
    QString image;      // the image the program ships, used where the theme has none
    QString form;       // the modeless dialog the button opens, if it opens one
};

// The buttons of Toolbar1 (file and clipboard), Toolbar2 (element dialogs and the browser
// view) and Toolbar3 (tag pairs), position 1 first.
const QList<ToolbarButton> &StandardButtons();
const QList<ToolbarButton> &FormButtons();
const QList<ToolbarButton> &SpecialButtons();
