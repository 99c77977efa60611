#include "platform/common_dialog.h"

bool CommonDialog::ShowOpen()
{
    return backend_.showOpen(*this);
}

bool CommonDialog::ShowSave()
{
    return backend_.showSave(*this);
}

bool CommonDialog::ShowColor()
{
    return backend_.showColor(*this);
}

bool CommonDialog::ShowFont()
{
    return backend_.showFont(*this);
}

bool CommonDialog::ShowPrinter(QPrinter &printer)
{
    return backend_.showPrinter(*this, printer);
}
