#include "document/notepad_window.h"

#include "document/document_table.h"
#include "document/file_commands.h"
#include "document/file_on_disk.h"
#include "document/line_number_gutter.h"
#include "document/new_document.h"
#include "document/program.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"
#include "search/search_menu.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QMdiArea>
#include <QMenu>

frmNotePad::frmNotePad(Program &program, int slot)
    : CommonDialog1(*program.platform().dialogs), program_(program), tag_(QString::number(slot))
{
    setObjectName(QStringLiteral("frmNotePad"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Untitled"));

    RichTextBox1 = new RichTextBox(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setWidget(WithLineNumberGutter(RichTextBox1));
    // The editor's own size is what the wrap margin follows: the window's resize comes
    // before its layout has sized the editor, and showing or hiding the line numbers
    // changes the editor's width without resizing the window.
    RichTextBox1->installEventFilter(this);
    surface_ = new EditorSurface(RichTextBox1);
    connect(surface_, &EditorSurface::SelChange, this, &frmNotePad::RichTextBox1_SelChange);
    disk_ = new FileOnDisk(program, *this);

    buildMenus();
    connectHandlers();
    addEditorBasics();
    menus_.append(BuildSearchMenu(this, program_));
    addHtmlEditing();
    addFileAdditions();
    resize(640, 420);
    Form_Load();
}

DocumentState &frmNotePad::state() const
{
    return program_.Documents().state(slot());
}

QMenu *frmNotePad::addMenu(const QString &name, const QString &caption)
{
    auto *menu = new QMenu(caption, this);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    menus_.append(menu);
    return menu;
}

QAction *frmNotePad::addItem(QMenu *menu, const QString &name, const QString &caption,
                             const QKeySequence &shortcut, bool checkable)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setCheckable(checkable);
    actions_.insert(name, action);
    return action;
}

void frmNotePad::addSeparator(QMenu *menu, const QString &name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(name);
}

void frmNotePad::buildMenus()
{
    QMenu *file = addMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    addItem(file, QStringLiteral("mnuFileNew"), QStringLiteral("&New"), QKeySequence(QStringLiteral("Ctrl+N")));
    addItem(file, QStringLiteral("mnuFileOpen"), QStringLiteral("&Open"), QKeySequence(QStringLiteral("Ctrl+O")));
    addItem(file, QStringLiteral("mnuFileClose"), QStringLiteral("&Close"), QKeySequence(QStringLiteral("Ctrl+L")));
    addItem(file, QStringLiteral("mnuFileSave"), QStringLiteral("&Save"), QKeySequence(QStringLiteral("Ctrl+S")));
    addItem(file, QStringLiteral("mnuFileSaveAs"), QStringLiteral("Save &As"));
    addSeparator(file, QStringLiteral("mnuFSep1"));
    addItem(file, QStringLiteral("mnuFilePrint"), QStringLiteral("&Print"));
    addSeparator(file, QStringLiteral("mnuFileSep2"));
    addItem(file, QStringLiteral("mnuFileExit"), QStringLiteral("E&xit"));
    addSeparator(file, QStringLiteral("mnuRecentFile0"));
    file->actions().constLast()->setVisible(false);
    for (int index = 1; index <= 5; ++index)
        addItem(file, QStringLiteral("mnuRecentFile%1").arg(index), QStringLiteral("RecentFile%1").arg(index))
            ->setVisible(false);

    QMenu *edit = addMenu(QStringLiteral("mnuEdit"), QStringLiteral("&Edit"));
    addItem(edit, QStringLiteral("mnuEditUndoLast"), QStringLiteral("Undo"));
    addSeparator(edit, QStringLiteral("mnuESep1"));
    addItem(edit, QStringLiteral("mnuEditCut"), QStringLiteral("Cut"));
    addItem(edit, QStringLiteral("mnuEditCopy"), QStringLiteral("Copy"));
    addItem(edit, QStringLiteral("mnuEditPaste"), QStringLiteral("Paste"));
    addItem(edit, QStringLiteral("mnuEditDelete"), QStringLiteral("Delete"));
    addSeparator(edit, QStringLiteral("mnuESep2"));
    addItem(edit, QStringLiteral("mnuEditSelectAll"), QStringLiteral("Select All"));
    addSeparator(edit, QStringLiteral("mnuEditSep3"));
    addItem(edit, QStringLiteral("mnuEditFind"), QStringLiteral("Find"), QKeySequence(QStringLiteral("Ctrl+F")));
    addItem(edit, QStringLiteral("mnuEditFindNext"), QStringLiteral("Find Next"), QKeySequence(Qt::Key_F3));
    addItem(edit, QStringLiteral("mnuEditReplace"), QStringLiteral("Replace"), QKeySequence(QStringLiteral("Ctrl+H")));

    QMenu *insert = addMenu(QStringLiteral("mnuInsert"), QStringLiteral("&Insert"));
    addItem(insert, QStringLiteral("mnuInsertBold"), QStringLiteral("Bold"), QKeySequence(QStringLiteral("Ctrl+B")));
    addItem(insert, QStringLiteral("mnuInsertComment"), QStringLiteral("Comment"));
    addItem(insert, QStringLiteral("mnuInsertFile"), QStringLiteral("File"));
    addItem(insert, QStringLiteral("mnuInsertHeader"), QStringLiteral("Header"));
    QMenu *heading = insert->addMenu(QStringLiteral("Heading"));
    heading->setObjectName(QStringLiteral("mnuInsertHeading"));
    heading->menuAction()->setObjectName(QStringLiteral("mnuInsertHeading"));
    const QStringList numbers = {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three"),
                                 QStringLiteral("Four"), QStringLiteral("Five"), QStringLiteral("Six")};
    for (int level = 0; level < 6; ++level)
        addItem(heading, QStringLiteral("mnuInsertHeading") + numbers[level], QStringLiteral("Head ") + numbers[level],
                QKeySequence(int(Qt::SHIFT) | int(Qt::Key_F1 + level)));
    addItem(insert, QStringLiteral("mnuInsertItalic"), QStringLiteral("Italic"), QKeySequence(QStringLiteral("Ctrl+I")));
    addItem(insert, QStringLiteral("mnuInsertList"), QStringLiteral("List"));
    addItem(insert, QStringLiteral("mnuInsertParagraph"), QStringLiteral("Paragraph"),
            QKeySequence(QStringLiteral("Ctrl+P")));
    addItem(insert, QStringLiteral("mnuInsertSiteInformation"), QStringLiteral("Site Information"));
    addItem(insert, QStringLiteral("mnuInsertSound"), QStringLiteral("Sound"));
    addItem(insert, QStringLiteral("mnuInsertRule"), QStringLiteral("Standard Rule"));
    addItem(insert, QStringLiteral("mnuInsertStandardTemplate"), QStringLiteral("Standard Template"));
    addItem(insert, QStringLiteral("mnuInsertTimeDate"), QStringLiteral("Time and Date"));
    addItem(insert, QStringLiteral("mnuInsertUnderline"), QStringLiteral("Underline"),
            QKeySequence(QStringLiteral("Ctrl+U")));

    QMenu *view = addMenu(QStringLiteral("mnuView"), QStringLiteral("&View"));
    addItem(view, QStringLiteral("mnuOptionsToolbar"), QStringLiteral("Form Toolbar"), {}, true);
    addItem(view, QStringLiteral("mnuOptionsSpecialButtons"), QStringLiteral("Special Toolbar"), {}, true);
    addItem(view, QStringLiteral("mnuOptionsStandardButtons"), QStringLiteral("Standard Toolbar"), {}, true);
    addSeparator(view, QStringLiteral("mnuViewSep1"));
    const QList<QPair<QString, QString>> forms = {
        {QStringLiteral("mnuViewBody"), QStringLiteral("Body Form")},
        {QStringLiteral("mnuViewCharacters"), QStringLiteral("Character Form")},
        {QStringLiteral("mnuViewFont"), QStringLiteral("Font Form")},
        {QStringLiteral("mnuViewFrames"), QStringLiteral("Frame Form")},
        {QStringLiteral("mnuViewHex"), QStringLiteral("Hex Form")},
        {QStringLiteral("mnuViewImage"), QStringLiteral("Image Form")},
        {QStringLiteral("mnuViewLinks"), QStringLiteral("Links Form")},
        {QStringLiteral("mnuViewLists"), QStringLiteral("List Form")},
        {QStringLiteral("mnuViewRules"), QStringLiteral("Rules Form")},
        {QStringLiteral("mnuViewSound"), QStringLiteral("Sound Form")},
        {QStringLiteral("mnuViewTables"), QStringLiteral("Table Form")},
    };
    for (const auto &[name, caption] : forms)
        addItem(view, name, caption);

    QMenu *options = addMenu(QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    addItem(options, QStringLiteral("mnuOptionsWindowFont"), QStringLiteral("Window Font"));
    addSeparator(options, QStringLiteral("mnuOptionsSep1"));
    addItem(options, QStringLiteral("mnuOptionsChooseTagBracketColor"), QStringLiteral("Tag Color"));
    addItem(options, QStringLiteral("mnuOptionsColorTagBracketsOpening"), QStringLiteral("Color Tags on Opening"), {},
            true);
    addItem(options, QStringLiteral("mnuOptionsColorTagBrackets"), QStringLiteral("Color Tags Now"));
    addSeparator(options, QStringLiteral("mnuOptionsSep2"));
    addItem(options, QStringLiteral("mnuOptionsUseLowercaseTags"), QStringLiteral("Use Lowercase Tags"), {}, true);
    addItem(options, QStringLiteral("mnuOptionsTagsLowercase"), QStringLiteral("Make Tags Lowercase"));
    addItem(options, QStringLiteral("mnuOptionsTagsUppercase"), QStringLiteral("Make Tags Uppercase"));

    windowMenu_ = addMenu(QStringLiteral("mnuWindow"), QStringLiteral("&Window"));
    addItem(windowMenu_, QStringLiteral("mnuWindowCascade"), QStringLiteral("Cascade"));
    addItem(windowMenu_, QStringLiteral("mnuWindowTile"), QStringLiteral("Tile"));
    addItem(windowMenu_, QStringLiteral("mnuWindowArrange"), QStringLiteral("Arrange Icons"));
    connect(windowMenu_, &QMenu::aboutToShow, this, &frmNotePad::refreshWindowList);

    QMenu *browser = addMenu(QStringLiteral("mnuBrowser"), QStringLiteral("&Browser"));
    addItem(browser, QStringLiteral("mnuBrowserSelectBrowser1"), QStringLiteral("Choose Default Browser"));
    addItem(browser, QStringLiteral("mnuBrowserSelectBrowser2"), QStringLiteral("Choose Alternate Browser"));
    addSeparator(browser, QStringLiteral("mnuBrowserSep1"));
    addItem(browser, QStringLiteral("mnuBrowserView1"), QStringLiteral("View in Default Browser"));
    addItem(browser, QStringLiteral("mnuBrowserView2"), QStringLiteral("View in Alternate Browser"));
    addSeparator(browser, QStringLiteral("mnuBrowserSep2"));
    addItem(browser, QStringLiteral("mnuBrowserAutosave"), QStringLiteral("Autosave Files on Viewing"), {}, true);

    QMenu *tools = addMenu(QStringLiteral("mnuTools"), QStringLiteral("&Tools"));
    addItem(tools, QStringLiteral("mnuToolsCheckPage"), QStringLiteral("Check Page"), QKeySequence(Qt::Key_F7));
    addItem(tools, QStringLiteral("mnuToolsTidySelection"), QStringLiteral("Tidy Selection"));

    QMenu *help = addMenu(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    addItem(help, QStringLiteral("mnuHelpAbout"), QStringLiteral("About"));
}

void frmNotePad::bind(const QString &name, void (frmNotePad::*handler)())
{
    QAction *item = actions_.value(name);
    Q_ASSERT(item);
    connect(item, &QAction::triggered, this, handler);
    item->setEnabled(true);
}

void frmNotePad::connectHandlers()
{
    // Every item starts disabled; only those bound here have a working command. An item
    // whose command has not been built yet therefore stays visibly unavailable.
    for (QAction *item : std::as_const(actions_))
        item->setEnabled(false);

    connectTextCommands();
    bind(QStringLiteral("mnuFileNew"), &frmNotePad::mnuFileNew_Click);
    bind(QStringLiteral("mnuFileOpen"), &frmNotePad::mnuFileOpen_Click);
    bind(QStringLiteral("mnuFileClose"), &frmNotePad::mnuFileClose_Click);
    bind(QStringLiteral("mnuFileSave"), &frmNotePad::mnuFileSave_Click);
    bind(QStringLiteral("mnuFileSaveAs"), &frmNotePad::mnuFileSaveAs_Click);
    bind(QStringLiteral("mnuFilePrint"), &frmNotePad::mnuFilePrint_Click);
    for (int index = 1; index <= 5; ++index) {
        QAction *item = action(QStringLiteral("mnuRecentFile%1").arg(index));
        connect(item, &QAction::triggered, this, [this, index] { mnuRecentFile_Click(index); });
        item->setEnabled(true);
    }
    bind(QStringLiteral("mnuInsertFile"), &frmNotePad::mnuInsertFile_Click);
    bind(QStringLiteral("mnuFileExit"), &frmNotePad::mnuFileExit_Click);
    bind(QStringLiteral("mnuWindowCascade"), &frmNotePad::mnuWindowCascade_Click);
    bind(QStringLiteral("mnuWindowTile"), &frmNotePad::mnuWindowTile_Click);
    bind(QStringLiteral("mnuWindowArrange"), &frmNotePad::mnuWindowArrange_Click);
    bind(QStringLiteral("mnuHelpAbout"), &frmNotePad::mnuHelpAbout_Click);
    bind(QStringLiteral("mnuToolsCheckPage"), &frmNotePad::mnuToolsCheckPage_Click);
    bind(QStringLiteral("mnuToolsTidySelection"), &frmNotePad::mnuToolsTidySelection_Click);
    bind(QStringLiteral("mnuOptionsWindowFont"), &frmNotePad::mnuOptionsWindowFont_Click);
    bind(QStringLiteral("mnuBrowserSelectBrowser1"), &frmNotePad::mnuBrowserSelectBrowser1_Click);
    bind(QStringLiteral("mnuBrowserSelectBrowser2"), &frmNotePad::mnuBrowserSelectBrowser2_Click);
    bind(QStringLiteral("mnuBrowserView1"), &frmNotePad::mnuBrowserView1_Click);
    bind(QStringLiteral("mnuBrowserView2"), &frmNotePad::mnuBrowserView2_Click);
    bind(QStringLiteral("mnuBrowserAutosave"), &frmNotePad::mnuBrowserAutosave_Click);
    bind(QStringLiteral("mnuEditFind"), &frmNotePad::mnuEditFind_Click);
    bind(QStringLiteral("mnuEditFindNext"), &frmNotePad::mnuEditFindNext_Click);
    bind(QStringLiteral("mnuEditReplace"), &frmNotePad::mnuEditReplace_Click);
    bind(QStringLiteral("mnuOptionsToolbar"), &frmNotePad::mnuOptionsToolbar_Click);
    bind(QStringLiteral("mnuOptionsSpecialButtons"), &frmNotePad::mnuOptionsSpecialButtons_Click);
    bind(QStringLiteral("mnuOptionsStandardButtons"), &frmNotePad::mnuOptionsStandardButtons_Click);
    connect(findChild<QMenu *>(QStringLiteral("mnuView")), &QMenu::aboutToShow, this, &frmNotePad::mnuView_Click);
    mnuView_Click();
    bind(QStringLiteral("mnuViewBody"), &frmNotePad::mnuViewBody_Click);
    bind(QStringLiteral("mnuViewCharacters"), &frmNotePad::mnuViewCharacters_Click);
    bind(QStringLiteral("mnuViewFont"), &frmNotePad::mnuViewFont_Click);
    bind(QStringLiteral("mnuViewFrames"), &frmNotePad::mnuViewFrames_Click);
    bind(QStringLiteral("mnuViewHex"), &frmNotePad::mnuViewHex_Click);
    bind(QStringLiteral("mnuViewImage"), &frmNotePad::mnuViewImage_Click);
    bind(QStringLiteral("mnuViewLinks"), &frmNotePad::mnuViewLinks_Click);
    bind(QStringLiteral("mnuViewLists"), &frmNotePad::mnuViewLists_Click);
    bind(QStringLiteral("mnuViewRules"), &frmNotePad::mnuViewRules_Click);
    bind(QStringLiteral("mnuViewSound"), &frmNotePad::mnuViewSound_Click);
    bind(QStringLiteral("mnuViewTables"), &frmNotePad::mnuViewTables_Click);
    bind(QStringLiteral("mnuInsertList"), &frmNotePad::mnuInsertList_Click);
    bind(QStringLiteral("mnuInsertSiteInformation"), &frmNotePad::mnuInsertSiteInformation_Click);
    bind(QStringLiteral("mnuInsertSound"), &frmNotePad::mnuInsertSound_Click);
}

void frmNotePad::Form_Load()
{
    SettingsStore &settings = program_.settings();
    action(QStringLiteral("mnuBrowserAutosave"))
        ->setChecked(settings.read(QStringLiteral("Autosave"), QStringLiteral("Autosave")) == QLatin1String("True"));

    // Every new window resets the program-wide tag case from the stored choice.
    const bool lowercase = settings.read(QStringLiteral("TagCase"), QStringLiteral("TagCase")) == QLatin1String("True");
    action(QStringLiteral("mnuOptionsUseLowercaseTags"))->setChecked(lowercase);
    program_.LowercaseTags = lowercase;

    Form_Resize();

    LoadFontSettings();
    ApplyStoredFont(*RichTextBox1, loadedFont_);

    action(QStringLiteral("mnuOptionsColorTagBracketsOpening"))
        ->setChecked(settings.read(QStringLiteral("ColorTags"), QStringLiteral("ColorTags")) == QLatin1String("True"));
}

void frmNotePad::Form_Resize()
{
    // Lines wrap at 95 % of the editor's width, so text never runs under the scroll bar.
    // The width is measured from the editor's own left edge, which the line numbers push
    // to the right.
    const int width = int(0.95f * float(RichTextBox1->width()));
    RichTextBox1->SetWrapWidth(width);
}

bool frmNotePad::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == RichTextBox1 && event->type() == QEvent::Resize)
        Form_Resize();
    return QMdiSubWindow::eventFilter(watched, event);
}

void frmNotePad::RichTextBox1_SelChange()
{
    // Every edit and caret move counts as a change, except the moves of a colouring or
    // case pass: a pass by itself leaves the document unchanged.
    if (program_.Documents().isValidSlot(slot()))
        state().Changed = !program_.TagPassActive;
}

bool frmNotePad::Form_QueryUnload()
{
    if (!state().Changed)
        return true;
    const QString text = QStringLiteral("The text in [") + Caption() + QStringLiteral("] has changed.\r\n")
                         + QStringLiteral("Do you want to save the changes?");
    switch (program_.messages().show(text, Caption(), MsgButtons::YesNoCancel, MsgIcon::Exclamation)) {
    case MsgAnswer::No:
        return true;
    case MsgAnswer::Yes:
        break;
    default:
        return false;
    }
    const QString fileName = isUntitled() ? ChooseSaveName(program_, QStringLiteral("untitled.htm")) : Caption();
    // A cancelled name dialog or a failed save keeps the window and its text: closing
    // now would throw away what the user just asked to keep.
    if (fileName.isEmpty())
        return false;
    if (mdiArea())
        mdiArea()->setActiveSubWindow(this);
    return SaveDocumentFile(program_, fileName);
}

void frmNotePad::closeWithoutPrompt()
{
    promptAnswered_ = true;
    close();
}

void frmNotePad::closeEvent(QCloseEvent *event)
{
    if (!promptAnswered_ && !Form_QueryUnload()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted())
        Form_Unload();
}

void frmNotePad::Form_Unload()
{
    state().Deleted = true;
    program_.DocumentWindowClosed(this);
}

void frmNotePad::mnuFileNew_Click()
{
    program_.EnableDocumentButtons();
    NewDocument(program_);
}

void frmNotePad::mnuFileClose_Click()
{
    close();
}

void frmNotePad::mnuFileExit_Click()
{
    program_.CloseFrame();
}

void frmNotePad::refreshWindowList()
{
    qDeleteAll(windowListActions_);
    windowListActions_.clear();
    QMdiArea *area = mdiArea();
    if (!area)
        return;
    windowListActions_.append(windowMenu_->addSeparator());
    int number = 1;
    for (QMdiSubWindow *window : area->subWindowList()) {
        // A caption is shown as it is: an "&" in a file name is no access key.
        QString caption = window->windowTitle();
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *entry = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(number++).arg(caption));
        entry->setObjectName(QStringLiteral("mnuWindowList"));
        entry->setCheckable(true);
        entry->setChecked(window == area->currentSubWindow());
        connect(entry, &QAction::triggered, area, [area, target = QPointer<QMdiSubWindow>(window)] {
            if (target)
                area->setActiveSubWindow(target);
        });
        windowListActions_.append(entry);
    }
}
