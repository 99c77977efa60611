#pragma once

#include "platform/file_stamp.h"

#include <QFileSystemWatcher>
#include <QObject>

class Program;
class frmNotePad;

// Watches the file of one document window for changes made by other programs: a file
// system watcher where the system has one, and always a look when the window is activated
// and before every save. Whatever it finds, the user decides: nothing is reloaded, and
// nothing written over another program's change, without an answer.
class FileOnDisk : public QObject
{
public:
    FileOnDisk(Program &program, frmNotePad &window);

    // After the window's text was read from the file or written to it.
    void Remember(const QString &fileName, QByteArrayView bytes);
    const FileStamp &stamp() const { return stamp_; }

    // Tells of a change once: a reload offered, or the file's going.
    void CheckOnActivation();
    // Before the window's text is written to its own file: false when the user chose not to
    // write over another program's change (or chose to reload instead).
    bool MaySave(const QString &fileName);

private:
    void fileChanged();
    // Reads the file again into the window; a changed document asks first.
    void reload(bool askFirst);
    void tellGone();
    // The file as it is now, to stop asking about it on activation once answered.
    FileStamp current() const;

    Program &program_;
    frmNotePad &window_;
    QFileSystemWatcher watcher_;
    FileStamp stamp_;
    FileStamp answered_;
    bool goneTold_ = false;
    bool checking_ = false;
};
