#include "app/frame_window.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"

#include <QPointer>

void frmMDI::OpenGivenFiles(const QStringList &fileNames)
{
    for (const QString &fileName : fileNames)
        OpenRecentFile(fileName);
}

void frmMDI::OpenCommandLineFiles(const QStringList &fileNames)
{
    const QPointer<frmNotePad> startWindow = ActiveDocument();
    OpenGivenFiles(fileNames);
    // Every file that opens becomes the active document, so a start window still active
    // means that none did.
    if (startWindow && startWindow != ActiveDocument() && startWindow->isUntitled() &&
        startWindow->editor().Text().isEmpty())
        startWindow->closeWithoutPrompt();
}
