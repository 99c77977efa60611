#pragma once

#include "document/editor_switches.h"
#include "document/window_font.h"
#include "platform/common_dialog.h"
#include "platform/text_file_codec.h"

#include <QHash>
#include <QMdiSubWindow>

#include <functional>

class EditorSurface;
class FileOnDisk;
class Program;
class QAction;
class QMenu;
class RichTextBox;
struct DocumentState;

// One document window (frmNotePad): an editor filling the window and the window's own
// menu bar, which the frame shows in its place while this window is active. The caption
// is the document's identity: its file's full path, or a text beginning "Untitled".
class frmNotePad : public QMdiSubWindow
{
    Q_OBJECT

public:
    frmNotePad(Program &program, int slot);

    RichTextBox *RichTextBox1 = nullptr;
    // The window's own dialog, used by Window Font.
    CommonDialog CommonDialog1;
    EditorSurface &editor() const { return *surface_; }

    // The encoding and mark the document's text is saved with, and the line ending of the
    // lines that have none of their own (see RememberLineEndings).
    TextFileFormat FileFormat;
    // Whether the user chose the encoding (File > Reopen or Save with Encoding): a reload
    // then reads in it again instead of finding one.
    bool EncodingChosen = false;
    // The file the text came from or went to, as it was then.
    FileOnDisk *disk() const { return disk_; }

    // The slot number as decimal text.
    QString Tag() const { return tag_; }
    int slot() const { return tag_.toInt(); }
    DocumentState &state() const;
    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString &caption) { setWindowTitle(caption); }
    bool isUntitled() const { return Caption().left(8) == QLatin1String("Untitled"); }

    // The menus of this window's bar, in order, for the frame to show.
    const QList<QMenu *> &menus() const { return menus_; }
    QAction *action(const QString &name) const { return actions_.value(name); }

    // The save prompt. False when the user cancelled: the window must stay open.
    bool Form_QueryUnload();
    // Closes the window after the frame has already asked the save prompt.
    void closeWithoutPrompt();

    void RichTextBox1_SelChange();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    QMenu *addMenu(const QString &name, const QString &caption);
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption,
                     const QKeySequence &shortcut = {}, bool checkable = false);
    void addSeparator(QMenu *menu, const QString &name);
    void connectHandlers();
    void connectTextCommands();
    // The items this program adds after the classic ones (editor_basics_menus.cpp).
    void addEditorBasics();
    // Closing, matching and completing tags (html_editing_menus.cpp).
    void addHtmlEditing();
    // The encoding submenus of the File menu and Options > Reopen Files at Start
    // (file_menu_additions.cpp).
    void addFileAdditions();
    QAction *addSwitch(QMenu *menu, const EditorSwitch &choice, const QString &caption, const SwitchAction &apply);
    void bind(const QString &name, void (frmNotePad::*handler)());
    void refreshWindowList();

    void Form_Load();
    void Form_Resize();
    void Form_Unload();

    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrint_Click();
    void mnuRecentFile_Click(int index);
    void mnuInsertFile_Click();
    void mnuFileExit_Click();
    void mnuWindowCascade_Click();
    void mnuWindowTile_Click();
    void mnuWindowArrange_Click();
    void mnuHelpAbout_Click();
    void mnuToolsCheckPage_Click();
    void mnuToolsTidySelection_Click();
    void mnuOptionsWindowFont_Click();
    void LoadFontSettings();
    void mnuBrowserSelectBrowser1_Click();
    void mnuBrowserSelectBrowser2_Click();
    void mnuBrowserView1_Click();
    void mnuBrowserView2_Click();
    void mnuBrowserAutosave_Click();

    void mnuEditFind_Click();
    void mnuEditFindNext_Click();
    void mnuEditReplace_Click();
    void ShowSearchDialog(const QString &formName);

    void mnuView_Click();
    void mnuOptionsToolbar_Click();
    void mnuOptionsSpecialButtons_Click();
    void mnuOptionsStandardButtons_Click();

    // View menu: each shows its element dialog modeless (view_dialog_commands.cpp).
    void mnuViewBody_Click();
    void mnuViewCharacters_Click();
    void mnuViewFont_Click();
    void mnuViewFrames_Click();
    void mnuViewHex_Click();
    void mnuViewImage_Click();
    void mnuViewLinks_Click();
    void mnuViewLists_Click();
    void mnuViewRules_Click();
    void mnuViewSound_Click();
    void mnuViewTables_Click();

    // Insert menu items that show an element dialog (insert_dialog_commands.cpp).
    void mnuInsertList_Click();
    void mnuInsertSiteInformation_Click();
    void mnuInsertSound_Click();

    // Tag colouring and tag case (Options menu), the Insert and Edit menus, the pop-up.
    void mnuOptionsChooseTagBracketColor_Click();
    void mnuOptionsColorTagBrackets_Click();
    void mnuOptionsColorTagBracketsOpening_Click();
    void mnuOptionsUseLowercaseTags_Click();
    void mnuOptionsTagsLowercase_Click();
    void mnuOptionsTagsUppercase_Click();
    void mnuInsertBold_Click();
    void mnuInsertItalic_Click();
    void mnuInsertUnderline_Click();
    void mnuInsertParagraph_Click();
    void mnuInsertHeadingOne_Click();
    void mnuInsertHeadingTwo_Click();
    void mnuInsertHeadingThree_Click();
    void mnuInsertHeadingFour_Click();
    void mnuInsertHeadingFive_Click();
    void mnuInsertHeadingSix_Click();
    void mnuInsertComment_Click();
    void mnuInsertHeader_Click();
    void mnuInsertStandardTemplate_Click();
    void mnuInsertRule_Click();
    void mnuInsertTimeDate_Click();
    void mnuEditUndoLast_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditDelete_Click();
    void mnuEditSelectAll_Click();
    void RichTextBox1_MouseDown(Qt::MouseButton button, QPoint position);

    Program &program_;
    QString tag_;
    EditorSurface *surface_ = nullptr;
    FileOnDisk *disk_ = nullptr;
    QList<QMenu *> menus_;
    QHash<QString, QAction *> actions_;
    QMenu *windowMenu_ = nullptr;
    QList<QAction *> windowListActions_;
    bool promptAnswered_ = false;
    // The window font as last read from the settings, and as this window last applied it.
    FontSettings loadedFont_;
    FontSettings currentFont_;
};
