#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class JournalFolder;
class frmNotePad;

// Keeps a journal of one document window while it has unsaved changes: written a moment
// after typing pauses, and at least every so often while typing goes on. A save takes it
// away, and so does the window closing (the frame then deletes it) or going with the
// frame, since by then the user has answered for the text.
class DocumentJournal : public QObject
{
    Q_OBJECT

public:
    DocumentJournal(frmNotePad &window, JournalFolder &folder);
    ~DocumentJournal() override;

    // The journal of a document window, if it has one.
    static DocumentJournal *Of(frmNotePad &window);

    // Writes the journal now when the document has unsaved changes.
    void WriteNow();

private:
    // Removes the journal: the text is saved, or the user has answered for it.
    void Discard();
    void textEdited();
    void modificationChanged(bool modified);

    frmNotePad &window_;
    // The frame's folder can go first when the frame does, with closed windows not yet
    // deleted.
    QPointer<JournalFolder> folder_;
    const QString name_;
    QTimer pause_;
    QTimer longest_;
};
