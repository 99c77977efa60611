#pragma once

#include "dialogs/element_dialog.h"

// The Characters dialog (frmCharacterSet): a palette whose every button acts at once,
// replacing the selection with a character reference or wrapping it in a style pair,
// and closes.
class frmCharacterSet : public ElementDialog
{
    Q_OBJECT

public:
    explicit frmCharacterSet(DialogServices services);
};
