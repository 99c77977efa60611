#include "app/frame_window.h"

#include "app/session_files.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"

#include <QCoreApplication>
#include <QPointer>

void frmMDI::OpenGivenFiles(const QStringList &fileNames)
{
    for (const QString &fileName : fileNames)
        OpenRecentFile(fileName);
}

void frmMDI::OpenCommandLineFiles(const QStringList &fileNames)
{
    const QPointer<frmNotePad> startWindow = ActiveDocument();
    // The frame has only just been shown: its bars take their final room as the events
    // that showing posted are handled, and the workspace shrinks with them. Windows placed
    // before that would stand partly outside it.
    QCoreApplication::sendPostedEvents();
    // The last session's files first, so that the ones asked for now end up in front.
    ReopenSessionFiles(*this, mdiArea());
    OpenGivenFiles(fileNames);
    CloseUntouchedStartWindow(startWindow);
}

void frmMDI::CloseUntouchedStartWindow(frmNotePad *startWindow)
{
    // Every document that opens becomes the active one, so a start window still active
    // means that none did.
    if (startWindow && startWindow != ActiveDocument() && startWindow->isUntitled() &&
        startWindow->editor().Text().isEmpty())
        startWindow->closeWithoutPrompt();
}
