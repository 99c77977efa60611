#include "search/file_search_panel.h"

#include "platform/editor_surface.h"
#include "platform/message_boxes.h"
#include "platform/wait_cursor.h"
#include "search/files_replacement.h"
#include "search/marked_match_delegate.h"
#include "search/search_documents.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Rows of matches are opened at once only while there are few of them, and listed only
// up to a number a list can show without taking long and much memory.
constexpr int MatchesShownOpen = 500;
constexpr int MatchesListed = 20'000;

QString counted(qsizetype count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace

FileSearchPanel::FileSearchPanel(SearchDocuments &documents, MessageBoxes &messages, QWidget *parent)
    : QDockWidget(QStringLiteral("Find in Files"), parent), documents_(documents), messages_(messages)
{
    setObjectName(QStringLiteral("dockFindInFiles"));
    auto *contents = new QWidget(this);
    auto *layout = new QVBoxLayout(contents);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *bar = new QHBoxLayout;
    lblFindStatus = new QLabel(contents);
    lblFindStatus->setObjectName(QStringLiteral("lblFindStatus"));
    lblFindStatus->setMargin(4);
    cmdGo = new QPushButton(QStringLiteral("&Go"), contents);
    cmdGo->setObjectName(QStringLiteral("cmdGo"));
    cmdGo->setToolTip(QStringLiteral("Replace in the files ticked"));
    cmdStop = new QPushButton(QStringLiteral("&Stop"), contents);
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    bar->addWidget(lblFindStatus, 1);
    bar->addWidget(cmdGo);
    bar->addWidget(cmdStop);
    layout->addLayout(bar);

    tvwFindResults = new QTreeWidget(contents);
    tvwFindResults->setObjectName(QStringLiteral("tvwFindResults"));
    tvwFindResults->setHeaderLabels({QStringLiteral("File / Line:Column"), QStringLiteral("Text")});
    tvwFindResults->setUniformRowHeights(true);
    tvwFindResults->setItemDelegateForColumn(1, new MarkedMatchDelegate(tvwFindResults));
    tvwFindResults->header()->setStretchLastSection(true);
    layout->addWidget(tvwFindResults);
    setWidget(contents);

    connect(cmdStop, &QPushButton::clicked, this, &FileSearchPanel::Stop);
    connect(cmdGo, &QPushButton::clicked, this, &FileSearchPanel::cmdGo_Click);
    connect(tvwFindResults, &QTreeWidget::itemActivated, this, &FileSearchPanel::jumpTo);
    cmdGo->hide();
    cmdStop->setEnabled(false);
}

FileSearchPanel::~FileSearchPanel()
{
    Stop();
}

void FileSearchPanel::Start(FileSearchRequest request, const std::optional<QString> &replacement)
{
    Stop();
    const int generation = ++generation_;
    request.openTexts.clear();
    openChanges_.clear();
    for (const SearchDocuments::Open &open : documents_.OpenDocuments()) {
        const QString real = QFileInfo(open.fileName).canonicalFilePath();
        if (real.isEmpty())
            continue;
        request.openTexts.insert(real, open.editor->Text());
        openChanges_.insert(real, open.editor->ChangeCount());
    }
    request_ = request;
    replacement_ = replacement;
    files_.clear();
    matches_ = 0;
    listed_ = 0;
    tvwFindResults->clear();
    cmdGo->setVisible(replacement.has_value());
    cmdGo->setEnabled(false);
    cmdStop->setEnabled(true);
    lblFindStatus->setText(QStringLiteral("Searching\u2026"));
    stop_ = false;

    // What the thread finds comes back as calls queued to this panel; those of a run that
    // was replaced by a newer one are passed over.
    const auto inPanel = [this, generation](auto call) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, call] {
                if (generation == generation_)
                    call();
            },
            Qt::QueuedConnection);
    };
    run_ = QThread::create([this, request, inPanel] {
        const FileSearchCounts counts = SearchFiles(
            request, stop_, [&](const FileHits &file) { inPanel([this, file] { addFile(file); }); },
            [&](int done, int total) { inPanel([this, done, total] { showProgress(done, total); }); });
        inPanel([this, counts] { finish(counts); });
    });
    run_->start();
    show();
    raise();
}

void FileSearchPanel::Stop()
{
    if (!run_)
        return;
    stop_ = true;
    run_->wait();
    delete run_;
    run_ = nullptr;
    cmdStop->setEnabled(false);
}

void FileSearchPanel::showProgress(int done, int total)
{
    if (run_)
        lblFindStatus->setText(QStringLiteral("Searching\u2026 %1 of %2 files").arg(done).arg(total));
}

void FileSearchPanel::addFile(const FileHits &file)
{
    files_.append(file);
    matches_ += file.count;
    auto *row = new QTreeWidgetItem(tvwFindResults, {file.path, counted(file.count, "match", "matches")});
    if (replacement_) {
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(0, Qt::Checked);
    }
    for (const FileHit &hit : file.hits) {
        if (listed_++ >= MatchesListed)
            break;
        auto *match = new QTreeWidgetItem(row, {QStringLiteral("%1:%2").arg(hit.line).arg(hit.column), hit.lineText});
        match->setData(1, MarkedMatchDelegate::MarkStartRole, hit.shownStart);
        match->setData(1, MarkedMatchDelegate::MarkLengthRole, hit.length);
    }
    row->setExpanded(matches_ <= MatchesShownOpen);
}

void FileSearchPanel::finish(const FileSearchCounts &counts)
{
    const bool stopped = stop_;
    if (run_) {
        run_->wait();
        delete run_;
        run_ = nullptr;
    }
    cmdStop->setEnabled(false);
    QString status = counted(matches_, "match", "matches") + QStringLiteral(" in ")
                     + counted(files_.size(), "file", "files") + QStringLiteral(" (")
                     + counted(counts.searched, "file", "files") + QStringLiteral(" searched");
    if (counts.binary > 0)
        status += QStringLiteral(", %1 binary skipped").arg(counts.binary);
    if (counts.large > 0)
        status += QStringLiteral(", %1 over 50 MB skipped").arg(counts.large);
    if (counts.unreadable > 0)
        status += QStringLiteral(", %1 unreadable").arg(counts.unreadable);
    status += QLatin1Char(')');
    if (listed_ > MatchesListed)
        status += QStringLiteral("; the first %1 are listed").arg(MatchesListed);
    lblFindStatus->setText(stopped ? QStringLiteral("Stopped: ") + status : status);
    cmdGo->setEnabled(replacement_ && !files_.isEmpty());
    if (tvwFindResults->topLevelItemCount() > 0)
        tvwFindResults->resizeColumnToContents(0);
}

void FileSearchPanel::jumpTo(QTreeWidgetItem *item)
{
    QTreeWidgetItem *row = item ? item->parent() : nullptr;
    if (!row)
        return;
    const FileHits &file = files_[tvwFindResults->indexOfTopLevelItem(row)];
    const FileHit &hit = file.hits[row->indexOfChild(item)];
    EditorSurface *editor = documents_.ShowDocument(file.path);
    if (!editor)
        return;
    // The text may have changed since it was searched.
    const auto size = int(editor->Text().size());
    const int start = qMin(int(hit.start), size);
    editor->SetSelection(start, qMin(int(hit.length), size - start));
    editor->SetFocus();
}

void FileSearchPanel::cmdGo_Click()
{
    if (!replacement_ || isRunning())
        return;
    QList<FileHits> ticked;
    for (int index = 0; index < tvwFindResults->topLevelItemCount(); ++index)
        if (tvwFindResults->topLevelItem(index)->checkState(0) == Qt::Checked)
            ticked.append(files_[index]);
    FilesReplacement done;
    {
        WaitCursor hourglass;
        done = ReplaceInFiles(ticked, TextMatcher(request_.pattern, request_.options), *replacement_, documents_,
                              openChanges_);
    }
    // The matches listed are gone now, or stand where they no longer are.
    cmdGo->setEnabled(false);
    lblFindStatus->setText(done.Summary().section(QStringLiteral("\r\n"), 0, 0));
    messages_.show(done.Summary(), QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::None);
}
