#pragma once

#include "app/dialog_registry.h"
#include "document/document_table.h"
#include "document/program.h"
#include "platform/common_dialog.h"
#include "platform/platform.h"
#include "search/search_state.h"

#include <QMainWindow>

#include <memory>

class CommandToolbars;
class FileSearchPanel;
class FrameSearchDocuments;
class FileDropFilter;
class JournalFolder;
class LivePreviewDock;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class PageProblemsPanel;

// The main frame (frmMDI): the container of every document window, the owner of the
// program-wide state, the shared common dialog and the settings, and the one place the
// program's modeless dialogs are opened from and closed by.
class frmMDI : public QMainWindow, public Program
{
    Q_OBJECT

public:
    explicit frmMDI(Platform platform);
    ~frmMDI() override;

    // Start-up: restores geometry and options, shows the frame with its first window.
    void MDIForm_Load();

    QMdiArea *mdiArea() const { return mdiArea_; }
    QAction *action(const QString &name) const;

    // Files handed over from outside the program (the command line, a drop): each opens as
    // a recent-file click opens one.
    void OpenGivenFiles(const QStringList &fileNames);
    // The command line's files, after start-up: they take the place of the empty window
    // that start-up made, which stays only when none of them opens.
    void OpenCommandLineFiles(const QStringList &fileNames);
    DialogRegistry &dialogs() { return dialogs_; }
    // Where the journals of documents with unsaved changes are kept.
    JournalFolder &journals() { return *journals_; }

    // ProgramContext
    EditorSurface *ActiveEditor() override;
    QWidget *FrameWindow() override { return this; }
    Platform &platform() override { return platform_; }
    CommonDialog &CommonDialog1() override { return commonDialog_; }

    // Program
    frmNotePad *ActiveDocument() override;
    DocumentTable &Documents() override { return documents_; }
    void AddDocumentWindow(frmNotePad *window) override;
    void DocumentWindowClosed(frmNotePad *window) override;
    void CloseFrame() override;
    void UnloadDialogs() override;
    DialogServices dialogServices() override { return {*this, dialogResults_}; }
    QDialog *ShowDialog(const QString &formName) override { return dialogs_.show(formName); }
    void EnableDocumentButtons() override;
    void DisableDocumentButtons() override;
    void ShowAllToolbars() override;
    bool ToolbarShown(ToolbarId toolbar) override;
    void ToggleToolbar(ToolbarId toolbar, QAction &windowItem) override;
    SearchState &Search() override { return search_; }
    void RefreshRecentFileMenus() override;
    void RecordRecentFile(const QString &fileName) override;
    bool IsRecentFile(const QString &fileName) const;
    PageProblemsPanel &PageProblems() override { return *pageProblems_; }
    // Find in Files: its results panel, and the documents it searches and leads to.
    FileSearchPanel &FileSearch() { return *fileSearch_; }
    FrameSearchDocuments &SearchedDocuments() { return *searchedDocuments_; }
    void SetLivePreview(bool on) override;
    QString LivePreviewUnavailable() const override;

protected:
    void closeEvent(QCloseEvent *event) override;
    // None: the toolbars are shown and hidden by the Options and View menu items only.
    QMenu *createPopupMenu() override { return nullptr; }

private:
    void buildMenus();
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption);
    void RefreshMenuBar();
    void MDIForm_Unload();
    void restoreGeometryValue(const QString &key);
    // The empty start window makes way for the documents opened at start-up.
    void CloseUntouchedStartWindow(frmNotePad *startWindow);
    // Asks about a change another program made to the active document's file.
    void CheckActiveFileOnDisk();

    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileExit_Click();
    void mnuOptions_Click();
    void mnuOptionsToolbar_Click();
    void mnuOptionsSpecialButtons_Click();
    void mnuOptionsStandardButtons_Click();
    void mnuRecentFile_Click(int index);
    // What a recent-file click does with its file: opens it in a new window without
    // listing it again, refreshes the lists and colours the tags when the user chose so.
    void OpenRecentFile(const QString &fileName);
    void mnuOptionsAutosave_Click();

    Platform platform_;
    CommonDialog commonDialog_;
    DocumentTable documents_;
    DialogResults dialogResults_;
    DialogRegistry dialogs_;
    CommandToolbars *toolbars_ = nullptr;
    SearchState search_;
    QMdiArea *mdiArea_ = nullptr;
    FileDropFilter *fileDrops_ = nullptr;
    QList<QMenu *> frameMenus_;
    PageProblemsPanel *pageProblems_ = nullptr;
    LivePreviewDock *livePreview_ = nullptr;
    std::unique_ptr<JournalFolder> journals_;
    std::unique_ptr<FrameSearchDocuments> searchedDocuments_;
    FileSearchPanel *fileSearch_ = nullptr;
};
