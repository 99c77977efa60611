#include "document/recovery_dialog.h"

#include "document/document_journal.h"
#include "document/document_table.h"
#include "document/file_commands.h"
#include "document/file_on_disk.h"
#include "document/notepad_window.h"
#include "document/program.h"
#include "platform/block_line_endings.h"
#include "platform/editor_surface.h"
#include "platform/file_contents.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace {

frmRecover::Journal readJournal(const QString &path)
{
    const std::optional<QByteArray> bytes = ReadFileContents(path);
    return {path, bytes ? DecodeJournal(*bytes) : std::nullopt};
}

QString rowText(const frmRecover::Journal &journal)
{
    if (!journal.entry)
        return QStringLiteral("%1 (unreadable journal)").arg(QDir::toNativeSeparators(journal.path));
    return QStringLiteral("%1 (journaled %2)")
        .arg(journal.entry->caption, QLocale().toString(journal.entry->journaled.toLocalTime(), QLocale::ShortFormat));
}

} // namespace

frmRecover::frmRecover(Program &program, JournalFolder &folder, QList<LeftRun> runs)
    : QDialog(program.FrameWindow()), program_(program), folder_(folder), runs_(std::move(runs))
{
    setObjectName(QStringLiteral("frmRecover"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tagsmith"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(QStringLiteral("Tagsmith ended without closing these documents. "
                                            "Their unsaved changes can be restored:"),
                             this);
    label->setObjectName(QStringLiteral("lblDocuments"));
    label->setWordWrap(true);
    layout->addWidget(label);
    lstDocuments = new QListWidget(this);
    lstDocuments->setObjectName(QStringLiteral("lstDocuments"));
    layout->addWidget(lstDocuments);
    for (const LeftRun &run : std::as_const(runs_))
        for (const QString &path : run.journals)
            journals_.append(readJournal(path));
    for (const Journal &journal : std::as_const(journals_))
        lstDocuments->addItem(rowText(journal));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *restore = buttons->addButton(QStringLiteral("Restore"), QDialogButtonBox::AcceptRole);
    restore->setObjectName(QStringLiteral("cmdRestore"));
    QPushButton *discard = buttons->addButton(QStringLiteral("Discard"), QDialogButtonBox::DestructiveRole);
    discard->setObjectName(QStringLiteral("cmdDiscard"));
    restore->setDefault(true);
    // Unreadable journals can only be thrown away.
    restore->setEnabled(std::any_of(journals_.cbegin(), journals_.cend(),
                                    [](const Journal &journal) { return journal.entry.has_value(); }));
    layout->addWidget(buttons);
    connect(restore, &QPushButton::clicked, this, &frmRecover::cmdRestore_Click);
    connect(discard, &QPushButton::clicked, this, &frmRecover::cmdDiscard_Click);
    resize(520, 300);
}

void frmRecover::cmdRestore_Click()
{
    const int failedBefore = folder_.FailedWrites();
    QStringList keep;
    for (const Journal &journal : std::as_const(journals_))
        if (!journal.entry || !RestoreJournaledDocument(program_, *journal.entry))
            keep.append(journal.path);
    // The restored text is in this run's journals before the old ones go. Where this run
    // cannot write journals (a full disk), the old ones stay the only copy on disk and are
    // offered again at the next start. An unreadable journal stays for the user to look
    // into.
    folder_.WaitForWrites();
    if (folder_.FailedWrites() != failedBefore)
        for (const Journal &journal : std::as_const(journals_))
            keep.append(journal.path);
    for (LeftRun &run : runs_)
        JournalFolder::RemoveLeftRun(run, keep);
    accept();
}

void frmRecover::cmdDiscard_Click()
{
    for (LeftRun &run : runs_)
        JournalFolder::RemoveLeftRun(run);
    reject();
}

frmRecover *OfferJournaledDocuments(Program &program, JournalFolder &folder)
{
    QList<LeftRun> runs = folder.ClaimLeftRuns();
    if (runs.isEmpty())
        return nullptr;
    auto *offer = new frmRecover(program, folder, std::move(runs));
    offer->open();
    return offer;
}

bool RestoreJournaledDocument(Program &program, const JournalEntry &entry)
{
    // The last session may have opened the file again already; the journal's text is the
    // later one, and one window per file is all there may be.
    if (frmNotePad *open = WindowOfFile(program, entry.caption); open && !open->state().Changed)
        open->closeWithoutPrompt();
    DocumentTable &table = program.Documents();
    const int slot = table.FindFreeDocumentSlot();
    auto *window = new frmNotePad(program, slot);
    const bool rich = !entry.richText.isEmpty();
    QString error;
    if (rich && !window->editor().SetRichText(entry.richText, &error)) {
        delete window;
        table.state(slot).Deleted = true;
        return false;
    }
    table.setWindow(slot, window);
    window->SetCaption(entry.caption);
    program.AddDocumentWindow(window);
    if (!rich) {
        window->editor().SetText(entry.text);
        RememberLineEndings(*window->editor().document(), entry.lineEndings, entry.format.lineEnding);
    }
    window->FileFormat = entry.format;
    // From here on a change another program makes to the file is noticed.
    if (const std::optional<QByteArray> onDisk = ReadFileContents(entry.caption))
        window->disk()->Remember(entry.caption, *onDisk);
    // Counts as changed, so that closing asks and Save writes it to its file.
    window->editor().document()->setModified(true);
    table.state(slot).Changed = true;
    program.EnableDocumentButtons();
    if (DocumentJournal *journal = DocumentJournal::Of(*window))
        journal->WriteNow();
    return true;
}
