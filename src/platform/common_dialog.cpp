#include "platform/common_dialog.h"

#include "platform/settings_store.h"

#include <QFileInfo>

namespace {

const QString kFolderSection = QStringLiteral("LastFolder");

} // namespace

bool CommonDialog::ShowOpen()
{
    return fileChosen(backend_.showOpen(*this));
}

bool CommonDialog::ShowSave()
{
    return fileChosen(backend_.showSave(*this));
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

void CommonDialog::RememberFolderIn(SettingsStore &settings)
{
    folderStore_ = &settings;
    InitDir = settings.read(kFolderSection, kFolderSection);
}

bool CommonDialog::fileChosen(bool chosen)
{
    if (chosen && !FileName.isEmpty()) {
        InitDir = QFileInfo(FileName).absolutePath();
        if (folderStore_)
            folderStore_->write(kFolderSection, kFolderSection, InitDir);
    }
    return chosen;
}
