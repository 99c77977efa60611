#include "document/journal_folder.h"

#include "document/journal_file.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/private_files.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

namespace {

const QString lockName = QStringLiteral("lock");
const QString journalSuffix = QStringLiteral(".journal");

// A lock counts as left behind only when its program is gone, however old it is.
std::unique_ptr<QLockFile> runLock(const QString &folder)
{
    auto lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + lockName);
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

QString JournalLocation()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // The base directory rules: a relative path there is to be ignored.
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/tagsmith");
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/journals");
#endif
}

JournalFolder::JournalFolder(const QString &location, const Clock &clock, MessageBoxes &messages)
    : location_(location), clock_(clock), messages_(messages)
{
    writer_.setMaxThreadCount(1);
}

JournalFolder::~JournalFolder()
{
    writer_.waitForDone();
    if (!lock_)
        return;
    lock_->unlock();
    QDir().rmdir(runFolder_);
}

bool JournalFolder::ensureRunFolder()
{
    if (lock_)
        return true;
    const QString folder = location_ + QStringLiteral("/run-%1-%2")
                                           .arg(QCoreApplication::applicationPid())
                                           .arg(QDateTime::currentMSecsSinceEpoch());
    // Journals hold the user's text: their folders are the user's alone, whatever the
    // pages' own modes.
    QString unmade;
    QString reason;
    if (!MakePrivateFolder(location_, unmade, reason) || !MakePrivateFolder(folder, unmade, reason)) {
        failed(QStringLiteral("The folder %1 cannot be made: %2.").arg(QDir::toNativeSeparators(unmade), reason));
        return false;
    }
    auto lock = runLock(folder);
    if (!lock->tryLock(0)) {
        failed(QStringLiteral("The folder %1 cannot be locked.").arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    runFolder_ = folder;
    lock_ = std::move(lock);
    return true;
}

QString JournalFolder::NewJournalName()
{
    return QString::number(nextJournal_++) + journalSuffix;
}

void JournalFolder::Write(const QString &name, const JournalEntry &entry)
{
    if (!ensureRunFolder()) {
        ++failedWrites_;
        return;
    }
    // Encoding goes to the worker as well: on a long page it costs as much as reading the
    // text out of the editor.
    writer_.start([this, path = runFolder_ + QLatin1Char('/') + name, entry] {
        // Whole or not at all: a crash or a full disk while writing leaves the journal before it.
        QString reason;
        if (WritePrivateFile(path, EncodeJournal(entry), reason))
            return;
        ++failedWrites_;
        QMetaObject::invokeMethod(this, [this, reason] { failed(reason); }, Qt::QueuedConnection);
    });
}

void JournalFolder::Remove(const QString &name)
{
    if (!lock_)
        return;
    writer_.start([path = runFolder_ + QLatin1Char('/') + name] { QFile::remove(path); });
}

void JournalFolder::WaitForWrites()
{
    writer_.waitForDone();
}

void JournalFolder::failed(const QString &reason)
{
    // Typing goes on whatever happens here; one word about it is enough.
    if (failureReported_)
        return;
    failureReported_ = true;
    messages_.show(QStringLiteral("Tagsmith cannot keep journals of unsaved changes in %1, so they could not be "
                                  "restored after a crash.\r\n%2")
                       .arg(QDir::toNativeSeparators(location_), reason),
                   QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::Exclamation);
}

QList<LeftRun> JournalFolder::ClaimLeftRuns()
{
    QList<LeftRun> runs;
    bool passedOver = false;
    const QDir location(location_);
    for (const QFileInfo &entry :
         location.entryInfoList({QStringLiteral("run-*")}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        const QString folder = entry.absoluteFilePath();
        if (folder == runFolder_)
            continue;
        // Where others can write, the text offered could be anyone's, to be saved into the
        // user's own file.
        if (!IsPrivateFolder(folder)) {
            passedOver = true;
            continue;
        }
        std::shared_ptr<QLockFile> lock = runLock(folder);
        // A lock that cannot be taken belongs to a program still running.
        if (!lock->tryLock(0))
            continue;
        LeftRun run{folder, {}, lock};
        for (const QFileInfo &journal :
             QDir(folder).entryInfoList({QLatin1Char('*') + journalSuffix}, QDir::Files | QDir::System, QDir::Name)) {
            if (IsOwnFile(journal.absoluteFilePath()))
                run.journals.append(journal.absoluteFilePath());
            else
                passedOver = true;
        }
        if (run.journals.isEmpty())
            RemoveLeftRun(run);
        else
            runs.append(run);
    }
    if (passedOver)
        messages_.show(QStringLiteral("Tagsmith passed over journals in %1 that belong to another user or that "
                                      "other users could change. They are not offered.")
                           .arg(QDir::toNativeSeparators(location_)),
                       QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::Exclamation);
    return runs;
}

void JournalFolder::RemoveLeftRun(LeftRun &run, const QStringList &keep)
{
    // A run killed while writing leaves a journal's temporary file, with part of the
    // user's text in it, beside the journals.
    const QString lock = QDir(run.folder).filePath(lockName);
    for (const QFileInfo &entry : QDir(run.folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString path = entry.absoluteFilePath();
        if (path != lock && !keep.contains(path) && IsOwnFile(path))
            QFile::remove(path);
    }
    run.lock->unlock();
    QDir().rmdir(run.folder);
}
