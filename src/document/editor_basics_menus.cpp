#include "document/notepad_window.h"

#include "document/editor_switches.h"
#include "document/go_to_line_dialog.h"
#include "document/line_number_gutter.h"
#include "document/live_tag_colouring.h"
#include "document/program.h"
#include "document/tabbed_windows.h"
#include "platform/rich_text_box.h"

#include <QAction>
#include <QMenu>

// The items go after each menu's classic ones, so the classic items keep their places,
// captions and keys for anyone who learned them.
void frmNotePad::addEditorBasics()
{
    auto *edit = findChild<QMenu *>(QStringLiteral("mnuEdit"));
    addSeparator(edit, QStringLiteral("mnuEditSep4"));
    QAction *redo = addItem(edit, QStringLiteral("mnuEditRedo"), QStringLiteral("Redo"));
    redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    connect(redo, &QAction::triggered, RichTextBox1, &RichTextBox::redo);
    redo->setEnabled(RichTextBox1->document()->isRedoAvailable());
    connect(RichTextBox1, &RichTextBox::redoAvailable, redo, &QAction::setEnabled);
    QAction *goToLine = addItem(edit, QStringLiteral("mnuEditGoToLine"), QStringLiteral("Go to Line\u2026"),
                                QKeySequence(QStringLiteral("Ctrl+G")));
    connect(goToLine, &QAction::triggered, this, [this] { ShowGoToLine(program_, RichTextBox1); });

    auto *view = findChild<QMenu *>(QStringLiteral("mnuView"));
    addSeparator(view, QStringLiteral("mnuViewSep2"));
    addSwitch(view, LineNumbersSwitch, QStringLiteral("Line Numbers"),
              [](frmNotePad &window, bool on) { GutterOf(&window)->setVisible(on); });
    // One preview for the frame: every window's item shows or lets go of the same dock.
    QAction *preview = addSwitch(view, LivePreviewSwitch, QStringLiteral("Live Preview"),
                                 [this](frmNotePad &, bool on) { program_.SetLivePreview(on); });
    preview->setShortcut(QKeySequence(Qt::Key_F12));
    if (const QString why = program_.LivePreviewUnavailable(); !why.isEmpty()) {
        preview->setEnabled(false);
        preview->setChecked(false);
        preview->setText(QStringLiteral("Live Preview (%1)").arg(why));
    }

    auto *options = findChild<QMenu *>(QStringLiteral("mnuOptions"));
    addSeparator(options, QStringLiteral("mnuOptionsSep3"));
    addSwitch(options, LiveTagColouringSwitch, QStringLiteral("Color Tags While Typing"),
              [this](frmNotePad &window, bool on) { ColorTagsWhileTyping(program_, window, on); });

    // Before the list of windows, which the menu refills each time it opens.
    addSwitch(windowMenu_, TabbedWindowsSwitch, QStringLiteral("Tabbed Windows"), [](frmNotePad &window, bool on) {
        if (window.mdiArea())
            SetTabbedView(window.mdiArea(), on);
    });
}

QAction *frmNotePad::addSwitch(QMenu *menu, const EditorSwitch &choice, const QString &caption,
                               const SwitchAction &apply)
{
    QAction *item = addItem(menu, QLatin1String(choice.item), caption, {}, true);
    item->setChecked(IsSwitchOn(program_.settings(), choice));
    apply(*this, item->isChecked());
    connect(item, &QAction::triggered, this, [this, choice, apply](bool on) { SetSwitch(program_, choice, on, apply); });
    return item;
}
