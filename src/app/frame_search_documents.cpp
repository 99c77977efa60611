#include "app/frame_search_documents.h"

#include "document/document_table.h"
#include "document/file_commands.h"
#include "document/notepad_window.h"
#include "document/program.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>

QList<SearchDocuments::Open> FrameSearchDocuments::OpenDocuments()
{
    QList<Open> open;
    DocumentTable &table = program_.Documents();
    for (int slot = 1; slot <= table.count(); ++slot) {
        frmNotePad *window = table.window(slot);
        if (!table.state(slot).Deleted && window && !window->isUntitled())
            open.append({window->Caption(), &window->editor()});
    }
    return open;
}

EditorSurface *FrameSearchDocuments::ShowDocument(const QString &fileName)
{
    const QString real = QFileInfo(fileName).canonicalFilePath();
    DocumentTable &table = program_.Documents();
    for (int slot = 1; slot <= table.count(); ++slot) {
        frmNotePad *window = table.window(slot);
        if (!table.state(slot).Deleted && window && !window->isUntitled()
            && QFileInfo(window->Caption()).canonicalFilePath() == real) {
            window->mdiArea()->setActiveSubWindow(window);
            return &window->editor();
        }
    }
    frmNotePad *opened = OpenDocumentFile(program_, fileName);
    ColorTagsOnOpening(program_, opened);
    return opened ? &opened->editor() : nullptr;
}

QString FrameSearchDocuments::ActiveFolder()
{
    const frmNotePad *active = program_.ActiveDocument();
    if (active && !active->isUntitled())
        return QFileInfo(active->Caption()).absolutePath();
    return QDir::homePath();
}
