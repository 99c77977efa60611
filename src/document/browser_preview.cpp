#include "document/browser_preview.h"

#include "dialogs/pickers.h"
#include "document/document_table.h"
#include "document/file_commands.h"
#include "document/notepad_window.h"
#include "document/program.h"
#include "platform/editor_surface.h"

#include <QAction>
#include <QDir>

namespace {

const QString kBrowserKey = QStringLiteral("BrowserName");

void notice(Program &program, const QString &text)
{
    program.messages().show(text, QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::None);
}

// The chosen program's path, or empty when the choice was cancelled.
QString pickBrowser(Program &program)
{
    DialogServices services = program.dialogServices();
    PickProgramFile(services);
    return services.results.PickedProgramPath;
}

} // namespace

void ViewInBrowser(Program &program, const QString &section, bool autosave)
{
    frmNotePad *document = program.ActiveDocument();
    if (!document)
        return;

    bool written = false;
    if (autosave) {
        const QString fileName = document->isUntitled() ? ChooseSaveName(program, QString()) : document->Caption();
        if (!fileName.isEmpty()) {
            // The save has told the user why it failed; a browser would only show the old file.
            if (!SaveDocumentFile(program, fileName))
                return;
            written = true;
        }
    } else if (document->state().Changed) {
        notice(program, QStringLiteral("You must save changes before viewing them"));
        document->editor().SetFocus();
        return;
    }

    const QString path = document->Caption();
    if (document->isUntitled()) {
        notice(program, QStringLiteral("You must save file before viewing"));
        return;
    }
    // The file gets the editor's text as a save writes it: rich text stays rich text, a
    // plain file keeps its encoding and line breaks.
    if (!written && !SaveDocumentFile(program, path))
        return;

    const QString browser = program.settings().read(section, kBrowserKey);
    if (browser.isEmpty()) {
        notice(program, QStringLiteral("Please select a browser"));
        return;
    }
    StartBrowser(program, browser, path);
}

void StartBrowser(Program &program, const QString &browser, const QString &argument)
{
    // The argument stays one, whatever blanks or shell characters it holds.
    if (program.platform().starter->start(browser, {argument}))
        return;
    const QString commandLine = QDir::toNativeSeparators(browser) + QLatin1Char(' ') + QDir::toNativeSeparators(argument);
    program.messages().show(QStringLiteral("Can't start the browser:\r\n") + commandLine, QStringLiteral("Tagsmith"),
                            MsgButtons::Ok, MsgIcon::Exclamation);
}

void frmNotePad::mnuBrowserSelectBrowser1_Click()
{
    const QString browser = pickBrowser(program_);
    if (browser.isEmpty())
        return;
    program_.settings().write(QStringLiteral("Browser1"), kBrowserKey, browser);
    program_.settings().write(QStringLiteral("BrowserDefault"), kBrowserKey, browser);
}

void frmNotePad::mnuBrowserSelectBrowser2_Click()
{
    const QString browser = pickBrowser(program_);
    if (!browser.isEmpty())
        program_.settings().write(QStringLiteral("Browser2"), kBrowserKey, browser);
}

void frmNotePad::mnuBrowserView1_Click()
{
    ViewInBrowser(program_, QStringLiteral("Browser1"), action(QStringLiteral("mnuBrowserAutosave"))->isChecked());
}

void frmNotePad::mnuBrowserView2_Click()
{
    ViewInBrowser(program_, QStringLiteral("Browser2"), action(QStringLiteral("mnuBrowserAutosave"))->isChecked());
}

void frmNotePad::mnuBrowserAutosave_Click()
{
    // The click has already flipped this window's mark; the stored value follows it.
    program_.settings().write(QStringLiteral("Autosave"), QStringLiteral("Autosave"),
                              action(QStringLiteral("mnuBrowserAutosave"))->isChecked() ? QStringLiteral("True")
                                                                                        : QStringLiteral("False"));
}
