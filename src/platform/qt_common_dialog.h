#pragma once

#include "platform/common_dialog.h"

// Shows the shared dialog with Qt's own file, colour, font and print dialogs, over
// whichever window of the program is active.
class QtCommonDialogBackend final : public CommonDialogBackend
{
public:
    bool showOpen(CommonDialog &dialog) override;
    bool showSave(CommonDialog &dialog) override;
    bool showColor(CommonDialog &dialog) override;
    bool showFont(CommonDialog &dialog) override;
    bool showPrinter(CommonDialog &dialog, QPrinter &printer) override;
};

// "HTML file (*.htm)|*.htm|All (*.*)|*.*" becomes Qt's "HTML file (*.htm) (*.htm);;All (*.*) (*)":
// the file dialog shows each name as written and matches the patterns in brackets.
QString toQtFilter(const QString &filter);
