#include "app/frame_window.h"

#include "app/application_icon.h"
#include "app/dialog_factories.h"
#include "app/file_drop.h"
#include "app/frame_search_documents.h"
#include "app/session_files.h"
#include "app/status_bar.h"
#include "app/toolbars.h"
#include "app/windows_in_view.h"
#include "document/document_journal.h"
#include "document/editor_switches.h"
#include "document/file_commands.h"
#include "document/file_on_disk.h"
#include "document/journal_folder.h"
#include "document/new_document.h"
#include "document/notepad_window.h"
#include "document/recovery_dialog.h"
#include "document/tabbed_windows.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"
#include "preview/live_preview_dock.h"
#include "search/file_search_panel.h"
#include "search/search_menu.h"
#include "tools/page_problems_panel.h"
#include "version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolBar>

#include <cmath>
#include <limits>

namespace {

// No screen is this wide or tall, and a frame that size would need gigabytes of memory.
constexpr double MaxFrameSide = 16384;
// The frame can be made as low as this: room for its menu bar and status bar. Left to its
// layout, the least height would grow with the toolbars a document shows, and a frame made
// low with no document open would come back higher.
constexpr int LeastFrameHeight = 100;

} // namespace

frmMDI::frmMDI(Platform platform)
    : platform_(std::move(platform)), commonDialog_(*platform_.dialogs),
      journals_(std::make_unique<JournalFolder>(JournalLocation(), *platform_.clock, *platform_.messages))
{
    commonDialog_.RememberFolderIn(settings());
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(QStringLiteral("TAGSMITH"));
    setWindowIcon(applicationIcon());
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("MDIClient"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    pageProblems_ = new PageProblemsPanel(this);
    addDockWidget(Qt::BottomDockWidgetArea, pageProblems_);
    pageProblems_->hide();
    searchedDocuments_ = std::make_unique<FrameSearchDocuments>(*this);
    fileSearch_ = new FileSearchPanel(*searchedDocuments_, messages(), this);
    addDockWidget(Qt::BottomDockWidgetArea, fileSearch_);
    fileSearch_->hide();
    livePreview_ = new LivePreviewDock(*this, mdiArea_, this);
    addDockWidget(Qt::RightDockWidgetArea, livePreview_);
    livePreview_->hide();
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &frmMDI::RefreshMenuBar);
    // Another program may have changed a file while its window was in the background, or
    // while the user was away in that program.
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &frmMDI::CheckActiveFileOnDisk, Qt::QueuedConnection);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            CheckActiveFileOnDisk();
    });
    setStatusBar(new DocumentStatusBar(*this, mdiArea_));
    SetTabbedView(mdiArea_, IsSwitchOn(settings(), TabbedWindowsSwitch));
    buildMenus();
    registerDialogs(*this);
    // The buttons of dialogs look up the registry, so it is filled first.
    toolbars_ = new CommandToolbars(*this);
    mnuOptions_Click();
    fileDrops_ = new FileDropFilter([this](const QStringList &files) { OpenGivenFiles(files); }, this);
    fileDrops_->watch(this);
    setMinimumHeight(LeastFrameHeight);
    // The design-time size and place, kept until a stored geometry replaces them.
    resize(1024, 740);
    move(60, 40);
}

frmMDI::~frmMDI()
{
    // A search still running ends before the documents it reads go.
    fileSearch_->Stop();
    // Document windows reach back into the frame while they go; let them go first.
    disconnect(mdiArea_, nullptr, this, nullptr);
    for (QMdiSubWindow *window : mdiArea_->subWindowList())
        delete window;
}

void frmMDI::SetLivePreview(bool on)
{
    const bool appearing = on && !livePreview_->isVisible();
    livePreview_->setOn(on);
    // Each time it appears, the preview takes two fifths of the frame.
    if (appearing && livePreview_->isVisible()) {
        resizeDocks({livePreview_}, {width() * 2 / 5}, Qt::Horizontal);
        layout()->activate();
        KeepWindowsInView(*mdiArea_);
    }
}

QString frmMDI::LivePreviewUnavailable() const
{
    return livePreview_->unavailableReason();
}

QAction *frmMDI::addItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    return item;
}

void frmMDI::buildMenus()
{
    auto *file = new QMenu(QStringLiteral("&File"), this);
    file->setObjectName(QStringLiteral("mnuFile"));
    // The line after Exit stands even with no recent files, and the recent list brings its
    // own line below it; Qt would hide the one and merge the two.
    file->setSeparatorsCollapsible(false);
    connect(addItem(file, QStringLiteral("mnuFileNew"), QStringLiteral("&New")), &QAction::triggered, this,
            &frmMDI::mnuFileNew_Click);
    connect(addItem(file, QStringLiteral("mnuFileOpen"), QStringLiteral("&Open")), &QAction::triggered, this,
            &frmMDI::mnuFileOpen_Click);
    connect(addItem(file, QStringLiteral("mnuFileExit"), QStringLiteral("E&xit")), &QAction::triggered, this,
            &frmMDI::mnuFileExit_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuSeparator"));
    QAction *recentSeparator = file->addSeparator();
    recentSeparator->setObjectName(QStringLiteral("mnuRecentFile0"));
    recentSeparator->setVisible(false);
    for (int index = 1; index <= 5; ++index) {
        QAction *item =
            addItem(file, QStringLiteral("mnuRecentFile%1").arg(index), QStringLiteral("RecentFile%1").arg(index));
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, index] { mnuRecentFile_Click(index); });
    }

    auto *options = new QMenu(QStringLiteral("&Options"), this);
    options->setObjectName(QStringLiteral("mnuOptions"));
    connect(options, &QMenu::aboutToShow, this, &frmMDI::mnuOptions_Click);
    for (const auto &[name, caption, handler] : {
             std::tuple{QStringLiteral("mnuOptionsToolbar"), QStringLiteral("Show Pad Buttons"),
                        &frmMDI::mnuOptionsToolbar_Click},
             std::tuple{QStringLiteral("mnuOptionsSpecialButtons"), QStringLiteral("Show Special Buttons"),
                        &frmMDI::mnuOptionsSpecialButtons_Click},
             std::tuple{QStringLiteral("mnuOptionsStandardButtons"), QStringLiteral("Show Standard Buttons"),
                        &frmMDI::mnuOptionsStandardButtons_Click},
         }) {
        QAction *item = addItem(options, name, caption);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, handler);
    }
    options->addSeparator()->setObjectName(QStringLiteral("mnuOptionsSep1"));
    QAction *autosave = addItem(options, QStringLiteral("mnuOptionsAutosave"), QStringLiteral("Autosave Files on Viewing"));
    autosave->setCheckable(true);
    // The handler decides the new state itself, from the mark as it was before the click.
    connect(autosave, &QAction::triggered, this, &frmMDI::mnuOptionsAutosave_Click);
    // The same switch as the document windows' item, so it can be set before any file is open.
    QAction *reopen = addItem(options, QLatin1String(ReopenFilesSwitch.item), QStringLiteral("Reopen Files at Start"));
    reopen->setCheckable(true);
    // The stored choice decides, not the mark: a document window may have changed it since
    // this menu was last shown.
    connect(reopen, &QAction::triggered, this, [this, reopen] {
        const bool on = !IsSwitchOn(settings(), ReopenFilesSwitch);
        reopen->setChecked(on);
        SetSwitch(*this, ReopenFilesSwitch, on, [](frmNotePad &, bool) {});
    });

    frameMenus_ = {file, options, BuildSearchMenu(this, *this)};
}

QAction *frmMDI::action(const QString &name) const
{
    for (QMenu *menu : frameMenus_)
        for (QAction *item : menu->actions())
            if (item->objectName() == name)
                return item;
    return nullptr;
}

void frmMDI::restoreGeometryValue(const QString &key)
{
    // Only the program writes these, always as pixels a window can have; anything else is
    // passed over. A position is kept as it is even off every screen the machine has now:
    // the screen it was on may come back.
    const bool side = key == QLatin1String("FormHeight") || key == QLatin1String("FormWidth");
    const std::optional<double> number = storedNumber(settings().read(key, key));
    if (!number || std::abs(*number) > (side ? MaxFrameSide : std::numeric_limits<int>::max()))
        return;
    const int pixels = qRound(*number);
    if (key == QLatin1String("FormHeight"))
        resize(width(), pixels);
    else if (key == QLatin1String("FormWidth"))
        resize(pixels, height());
    else if (key == QLatin1String("FormTop"))
        move(x(), pixels);
    else
        move(pixels, y());
}

void frmMDI::MDIForm_Load()
{
    for (const QString &key : {QStringLiteral("FormHeight"), QStringLiteral("FormWidth"), QStringLiteral("FormTop"),
                               QStringLiteral("FormLeft")})
        restoreGeometryValue(key);

    action(QStringLiteral("mnuOptionsAutosave"))
        ->setChecked(settings().read(QStringLiteral("Autosave"), QStringLiteral("Autosave")) == QLatin1String("True"));

    setWindowTitle(QStringLiteral("TAGSMITH, v. %1.%2%3")
                       .arg(tagsmith::version::Major)
                       .arg(tagsmith::version::Minor)
                       .arg(tagsmith::version::Revision));
    show();
    QDir::setCurrent(QCoreApplication::applicationDirPath());

    const int slot = documents_.FindFreeDocumentSlot();
    auto *first = new frmNotePad(*this, slot);
    documents_.setWindow(slot, first);
    AddDocumentWindow(first);
    documents_.state(slot).Changed = false;

    RefreshRecentFileMenus();
    search_.SearchDirection = 1;
    if (frmRecover *offer = OfferJournaledDocuments(*this, *journals_)) {
        // Restored documents would stand exactly over each other.
        connect(offer, &QDialog::accepted, this, [this, startWindow = QPointer<frmNotePad>(first)] {
            CloseUntouchedStartWindow(startWindow);
            if (frmNotePad *document = ActiveDocument())
                document->action(QStringLiteral("mnuWindowCascade"))->trigger();
        });
    }
}

EditorSurface *frmMDI::ActiveEditor()
{
    frmNotePad *document = ActiveDocument();
    return document ? &document->editor() : nullptr;
}

frmNotePad *frmMDI::ActiveDocument()
{
    auto *document = qobject_cast<frmNotePad *>(mdiArea_->currentSubWindow());
    if (!document || !documents_.isValidSlot(document->slot()) || document->state().Deleted)
        return nullptr;
    return document;
}

void frmMDI::AddDocumentWindow(frmNotePad *window)
{
    mdiArea_->addSubWindow(window);
    // A sub-window's title bar draws only an icon set on the window itself.
    window->setWindowIcon(windowIcon());
    fileDrops_->watch(window->RichTextBox1->viewport());
    new DocumentJournal(*window, *journals_);
    window->show();
    mdiArea_->setActiveSubWindow(window);
    window->RichTextBox1->setFocus();
    RefreshMenuBar();
}

void frmMDI::CheckActiveFileOnDisk()
{
    if (frmNotePad *document = ActiveDocument())
        document->disk()->CheckOnActivation();
}

void frmMDI::DocumentWindowClosed(frmNotePad *window)
{
    // The user has answered for the text: its journal goes, and nothing journals it again.
    delete DocumentJournal::Of(*window);
    if (!documents_.AnyDocumentOpen()) {
        DisableDocumentButtons();
        UnloadDialogs();
        RefreshRecentFileMenus();
    }
    RefreshMenuBar();
}

void frmMDI::EnableDocumentButtons()
{
    toolbars_->EnableDocumentButtons();
}

void frmMDI::DisableDocumentButtons()
{
    toolbars_->DisableDocumentButtons();
}

void frmMDI::ShowAllToolbars()
{
    toolbars_->ShowAll();
}

bool frmMDI::ToolbarShown(ToolbarId toolbar)
{
    return toolbars_->toolbar(toolbar)->isVisibleTo(this);
}

void frmMDI::ToggleToolbar(ToolbarId toolbar, QAction &windowItem)
{
    const bool shown = windowItem.isChecked();
    for (const ToolbarSwitch &item : ToolbarSwitches)
        if (item.toolbar == toolbar)
            action(QLatin1String(item.item))->setChecked(shown);
    toolbars_->toolbar(toolbar)->setVisible(shown);
}

void frmMDI::RefreshMenuBar()
{
    // The bar shows the active document's menus, or the frame's own while none is open.
    // A modeless dialog taking the focus leaves the current document's menus in place.
    frmNotePad *document = ActiveDocument();
    if (!document && documents_.AnyDocumentOpen())
        return;
    menuBar()->clear();
    const QList<QMenu *> &menus = document ? document->menus() : frameMenus_;
    for (QMenu *menu : menus)
        menuBar()->addMenu(menu);
}

void frmMDI::UnloadDialogs()
{
    dialogs_.UnloadDialogs();
}

void frmMDI::CloseFrame()
{
    close();
}

void frmMDI::closeEvent(QCloseEvent *event)
{
    QList<frmNotePad *> open;
    for (int slot = 1; slot <= documents_.count(); ++slot)
        if (!documents_.state(slot).Deleted && documents_.window(slot))
            open.append(documents_.window(slot));
    for (frmNotePad *document : std::as_const(open)) {
        if (!document->Form_QueryUnload()) {
            event->ignore();
            return;
        }
    }
    // Every document is answered for: this is a clean exit.
    RememberSessionFiles(*this, mdiArea_);
    for (frmNotePad *document : std::as_const(open))
        document->closeWithoutPrompt();
    MDIForm_Unload();
    event->accept();
}

void frmMDI::MDIForm_Unload()
{
    settings().write(QStringLiteral("FormHeight"), QStringLiteral("FormHeight"), QString::number(height()));
    settings().write(QStringLiteral("FormWidth"), QStringLiteral("FormWidth"), QString::number(width()));
    settings().write(QStringLiteral("FormTop"), QStringLiteral("FormTop"), QString::number(y()));
    settings().write(QStringLiteral("FormLeft"), QStringLiteral("FormLeft"), QString::number(x()));
    UnloadDialogs();
    fileSearch_->Stop();
}

void frmMDI::mnuFileNew_Click()
{
    EnableDocumentButtons();
    NewDocument(*this);
}

void frmMDI::mnuFileOpen_Click()
{
    ChooseAndOpenDocument(*this);
}

void frmMDI::mnuFileExit_Click()
{
    close();
}

void frmMDI::mnuOptions_Click()
{
    RefreshToolbarMarks(*this, [this](const QString &name) { return action(name); });
    action(QLatin1String(ReopenFilesSwitch.item))->setChecked(IsSwitchOn(settings(), ReopenFilesSwitch));
}

void frmMDI::mnuOptionsToolbar_Click()
{
    ToggleFormButtons(*action(QStringLiteral("mnuOptionsToolbar")));
}

void frmMDI::mnuOptionsSpecialButtons_Click()
{
    ToggleSpecialButtons(*action(QStringLiteral("mnuOptionsSpecialButtons")));
}

void frmMDI::mnuOptionsStandardButtons_Click()
{
    ToggleStandardButtons(*action(QStringLiteral("mnuOptionsStandardButtons")));
}

void frmMDI::mnuOptionsAutosave_Click()
{
    QAction *autosave = action(QStringLiteral("mnuOptionsAutosave"));
    // The click has already flipped the mark; the stored value follows the new mark.
    settings().write(QStringLiteral("Autosave"), QStringLiteral("Autosave"),
                     autosave->isChecked() ? QStringLiteral("True") : QStringLiteral("False"));
}
