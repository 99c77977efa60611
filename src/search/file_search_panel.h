#pragma once

#include "search/file_search.h"

#include <QDockWidget>

#include <atomic>

class MessageBoxes;
class QLabel;
class QPushButton;
class QThread;
class QTreeWidget;
class QTreeWidgetItem;
class SearchDocuments;

// The dock under the documents that runs Find in Files and Replace in Files and lists what
// they find: a row for each file with its count, under it a row for each match (line,
// column, and the line with the match marked). Activating a match's row (a double click,
// or Return) shows its document with the match selected. The search runs on a thread of
// its own, so the editors stay usable; Stop ends it, and so does closing the frame.
class FileSearchPanel : public QDockWidget
{
    Q_OBJECT

public:
    FileSearchPanel(SearchDocuments &documents, MessageBoxes &messages, QWidget *parent);
    ~FileSearchPanel() override;

    // Starts a search in place of any running one. With a replacement, the rows of files
    // come with check boxes, and Go replaces in the files ticked.
    void Start(FileSearchRequest request, const std::optional<QString> &replacement = std::nullopt);
    // Ends a running search and waits for its thread.
    void Stop();
    bool isRunning() const { return run_ != nullptr; }

    QTreeWidget *results() const { return tvwFindResults; }
    const QList<FileHits> &files() const { return files_; }

private:
    void addFile(const FileHits &file);
    void finish(const FileSearchCounts &counts);
    void showProgress(int done, int total);
    void jumpTo(QTreeWidgetItem *item);
    void cmdGo_Click();

    SearchDocuments &documents_;
    MessageBoxes &messages_;
    QLabel *lblFindStatus = nullptr;
    QPushButton *cmdStop = nullptr;
    QPushButton *cmdGo = nullptr;
    QTreeWidget *tvwFindResults = nullptr;

    QThread *run_ = nullptr;
    std::atomic<bool> stop_ = false;
    int generation_ = 0;  // calls queued by an earlier run are passed over
    FileSearchRequest request_;
    std::optional<QString> replacement_;
    QHash<QString, quint64> openChanges_;
    QList<FileHits> files_;
    int matches_ = 0;
    int listed_ = 0;
};
