#include "document/file_on_disk.h"

#include "document/document_table.h"
#include "document/file_commands.h"
#include "document/notepad_window.h"
#include "document/program.h"
#include "platform/editor_surface.h"
#include "platform/file_contents.h"
#include "platform/native_file_name.h"

#include <QApplication>
#include <QTextDocument>

namespace {

const QString programTitle = QStringLiteral("Tagsmith");

// A question is never asked inside another one.
class Guard
{
public:
    explicit Guard(bool &flag) : flag_(flag) { flag_ = true; }
    ~Guard() { flag_ = false; }
    Guard(const Guard &) = delete;
    Guard &operator=(const Guard &) = delete;

private:
    bool &flag_;
};

bool sameFile(const FileStamp &a, const FileStamp &b)
{
    return a.isValid() && a.canonicalPath == b.canonicalPath && a.size == b.size && a.hash == b.hash;
}

} // namespace

FileOnDisk::FileOnDisk(Program &program, frmNotePad &window) : QObject(&window), program_(program), window_(window)
{
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &FileOnDisk::fileChanged);
}

void FileOnDisk::Remember(const QString &fileName, QByteArrayView bytes)
{
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    // A name Qt cannot reach is never written back to (see IsQtFileName).
    if (!IsQtFileName(fileName)) {
        stamp_ = {};
        return;
    }
    stamp_ = StampFile(fileName, bytes);
    answered_ = {};
    goneTold_ = false;
    // A safe save puts a new file in the old one's place, which ends the old watch.
    watcher_.addPath(fileName);
}

FileStamp FileOnDisk::current() const
{
    const std::optional<QByteArray> bytes = ReadFileContents(window_.Caption());
    return bytes ? StampFile(window_.Caption(), *bytes) : FileStamp();
}

void FileOnDisk::fileChanged()
{
    // The watch ends with a file that is replaced or removed; one that is back is watched again.
    if (watcher_.files().isEmpty())
        watcher_.addPath(window_.Caption());
    // Only an unchanged window in front asks at once, and not while another question is
    // open: typing is not broken into. The others ask when next activated or saved.
    if (!window_.state().Changed && program_.ActiveDocument() == &window_ && !QApplication::activeModalWidget())
        QMetaObject::invokeMethod(this, &FileOnDisk::CheckOnActivation, Qt::QueuedConnection);
}

void FileOnDisk::tellGone()
{
    if (goneTold_)
        return;
    goneTold_ = true;
    // The text is all that is left of the file: closing must ask, and Save writes it again.
    window_.state().Changed = true;
    window_.editor().document()->setModified(true);
    program_.messages().show(QStringLiteral("The file %1 is no longer there: another program deleted or renamed it.\r\n"
                                            "Its text stays in this window, and Save writes the file again.")
                                 .arg(DisplayFileName(window_.Caption())),
                             programTitle, MsgButtons::Ok, MsgIcon::Exclamation);
}

void FileOnDisk::CheckOnActivation()
{
    if (checking_ || !stamp_.isValid() || !program_.Documents().isValidSlot(window_.slot()) || window_.state().Deleted)
        return;
    const Guard guard(checking_);
    switch (CompareWithDisk(window_.Caption(), stamp_)) {
    case DiskChange::None:
        goneTold_ = false;
        return;
    case DiskChange::Gone:
        tellGone();
        return;
    case DiskChange::Changed:
        break;
    }
    const FileStamp now = current();
    // Asked once about each change; a save asks again.
    if (sameFile(now, answered_))
        return;
    answered_ = now;
    const QString name = DisplayFileName(window_.Caption());
    if (!window_.state().Changed) {
        const int answer = program_.messages().choose(
            QStringLiteral("The file %1 was changed by another program.\r\nDo you want to reload it?").arg(name),
            programTitle, {QStringLiteral("Reload"), QStringLiteral("Keep")}, MsgIcon::Question);
        if (answer == 0) {
            reload(false);
        } else {
            // The text shown is no longer the file's: closing asks, and Save writes it.
            stamp_ = now;
            window_.state().Changed = true;
            window_.editor().document()->setModified(true);
        }
        return;
    }
    const int answer = program_.messages().choose(
        QStringLiteral("The file %1 was changed by another program since it was opened.").arg(name), programTitle,
        {QStringLiteral("Reload"), QStringLiteral("Save Anyway"), QStringLiteral("Cancel")}, MsgIcon::Exclamation);
    if (answer == 0) {
        reload(true);
    } else if (answer == 1) {
        stamp_ = now;
        SaveDocumentFile(program_, window_.Caption());
    }
}

bool FileOnDisk::MaySave(const QString &fileName)
{
    if (!stamp_.isValid() || fileName != window_.Caption() || checking_)
        return true;
    const Guard guard(checking_);
    if (CompareWithDisk(fileName, stamp_) != DiskChange::Changed)
        return true;
    const int answer = program_.messages().choose(
        QStringLiteral("The file %1 was changed by another program since it was opened.").arg(DisplayFileName(fileName)),
        programTitle, {QStringLiteral("Reload"), QStringLiteral("Save Anyway"), QStringLiteral("Cancel")},
        MsgIcon::Exclamation);
    if (answer == 0)
        reload(window_.state().Changed);
    return answer == 1;
}

void FileOnDisk::reload(bool askFirst)
{
    const QString name = DisplayFileName(window_.Caption());
    if (askFirst && program_.messages().show(QStringLiteral("Reloading %1 loses the changes made to it here.\r\n"
                                                            "Do you want to reload it?")
                                                 .arg(name),
                                             programTitle, MsgButtons::OkCancel, MsgIcon::Exclamation)
                        != MsgAnswer::Ok)
        return;
    ReloadDocument(program_, window_);
}
