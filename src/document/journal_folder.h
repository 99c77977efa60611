#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <memory>

class Clock;
struct JournalEntry;
class MessageBoxes;
class QLockFile;

// The folder of the user's machine where Tagsmith keeps its journals:
// $XDG_STATE_HOME/tagsmith, or ~/.local/state/tagsmith when that is not set.
QString JournalLocation();

// A folder of journals left by a run of the program that ended without closing, held
// under its lock while this program decides what becomes of them.
struct LeftRun
{
    QString folder;
    QStringList journals;  // full paths of its journal files
    std::shared_ptr<QLockFile> lock;
};

// This running program's journals: one folder per run under the journal location (both
// open to the user alone, each journal readable by the user alone), with a
// lock that tells other programs the run is alive. Writing and removing happen in order on
// a worker thread, so a slow disk never holds up typing. The run's folder is made with its
// first journal, and goes when the program ends with no journal left in it.
class JournalFolder : public QObject
{
    Q_OBJECT

public:
    // A journal that cannot be written is reported once per run through the messages.
    JournalFolder(const QString &location, const Clock &clock, MessageBoxes &messages);
    ~JournalFolder() override;

    const Clock &clock() const { return clock_; }
    // A name for a new document's journal in this run's folder.
    QString NewJournalName();
    void Write(const QString &name, const JournalEntry &entry);
    void Remove(const QString &name);
    // Returns once every write and removal asked for so far is done.
    void WaitForWrites();
    // How many journals could not be written so far.
    int FailedWrites() const { return failedWrites_; }

    // The folders of runs that ended without closing, each now locked by this program.
    // Only the user's own journals in folders only the user can write to are taken; the
    // others are left alone, and said so once. A run with no journal left is removed.
    QList<LeftRun> ClaimLeftRuns();
    // Removes the left run's files, except the journals to keep, then its lock and its
    // folder when nothing else is left in it.
    static void RemoveLeftRun(LeftRun &run, const QStringList &keep = {});

    // How long typing must pause before a journal is written, and the longest a journal
    // may lag behind while typing goes on.
    int pauseMs = 2000;
    int longestMs = 30000;

private:
    bool ensureRunFolder();
    void failed(const QString &reason);

    QString location_;
    const Clock &clock_;
    MessageBoxes &messages_;
    QString runFolder_;
    std::unique_ptr<QLockFile> lock_;
    int nextJournal_ = 1;
    bool failureReported_ = false;
    std::atomic<int> failedWrites_ = 0;
    QThreadPool writer_;
};
