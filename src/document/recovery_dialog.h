#pragma once

#include "document/journal_file.h"
#include "document/journal_folder.h"

#include <QDialog>

#include <optional>

class Program;
class QListWidget;

// Offers the documents that runs ending without closing left unsaved, one row each with
// its caption and when it was journaled; a journal that cannot be read is offered as
// unreadable. Restore opens each readable one as a changed document under its own
// caption; Discard throws them all away. Closing the dialog decides nothing: they are
// offered again at the next start.
class frmRecover : public QDialog
{
    Q_OBJECT

public:
    struct Journal
    {
        QString path;
        std::optional<JournalEntry> entry;  // nothing when unreadable
    };

    frmRecover(Program &program, JournalFolder &folder, QList<LeftRun> runs);

    QListWidget *lstDocuments = nullptr;

private:
    void cmdRestore_Click();
    void cmdDiscard_Click();

    Program &program_;
    JournalFolder &folder_;
    QList<LeftRun> runs_;
    QList<Journal> journals_;
};

// At start-up: shows frmRecover when runs that ended without closing left journals, and
// returns it; it is accepted once the documents are restored.
frmRecover *OfferJournaledDocuments(Program &program, JournalFolder &folder);

// Opens a journaled document in a new window that counts as changed, and journals it at
// once in this run (the frame gives every document window its journal). False, with no
// window, when its rich text cannot be read.
bool RestoreJournaledDocument(Program &program, const JournalEntry &entry);
