#include "document/file_commands.h"

#include "document/document_table.h"
#include "document/notepad_window.h"
#include "document/program.h"
#include "platform/editor_surface.h"

#include <QApplication>
#include <QSaveFile>

QString OpenFilter()
{
    return QStringLiteral("HTML Files (*.htm; *.html)|*.htm; *.*htm; *.html; *.*html|Text Files (*.txt)|*.txt|"
                          "Rich Text Files (*.rtf)|*.rtf|All Files (*.*)|*.*");
}

QString ChooseSaveName(Program &program, const QString &proposed)
{
    CommonDialog &dialog = program.CommonDialog1();
    dialog.FileName = proposed;
    dialog.Filter = OpenFilter();
    dialog.Flags = cdl::OFNOverwritePrompt | cdl::OFNHideReadOnly | cdl::OFNPathMustExist | cdl::OFNCreatePrompt;
    if (!dialog.ShowSave())
        return QString();
    return dialog.FileName;
}

bool SaveDocumentFile(Program &program, const QString &fileName)
{
    frmNotePad *document = program.ActiveDocument();
    if (!document)
        return false;
    // The new text goes to a temporary file that replaces the old one only when complete,
    // so a failed save never damages what was on disk.
    QSaveFile file(fileName);
    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!file.open(QIODevice::WriteOnly) || file.write(document->editor().Text().toUtf8()) < 0 || !file.commit())
        error = file.errorString();
    QApplication::restoreOverrideCursor();
    if (!error.isEmpty()) {
        program.messages().show(error, QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    document->SetCaption(fileName);
    document->state().Changed = false;
    return true;
}
