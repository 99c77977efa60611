#include "document/notepad_window.h"

#include "document/tag_closer.h"
#include "document/tag_completion.h"
#include "document/tag_matching.h"
#include "document/tag_renamer.h"
#include "platform/rich_text_box.h"

#include <QAction>
#include <QMenu>

// After the classic items and the editor basics of each menu.
void frmNotePad::addHtmlEditing()
{
    auto *edit = findChild<QMenu *>(QStringLiteral("mnuEdit"));
    QAction *matching = addItem(edit, QStringLiteral("mnuEditGoToMatchingTag"), QStringLiteral("Go to Matching Tag"),
                                QKeySequence(QStringLiteral("Ctrl+M")));
    connect(matching, &QAction::triggered, this, [this] { GoToMatchingTag(RichTextBox1); });
    QAction *element = addItem(edit, QStringLiteral("mnuEditSelectElement"), QStringLiteral("Select Element"),
                               QKeySequence(QStringLiteral("Ctrl+Shift+M")));
    connect(element, &QAction::triggered, this, [this] { SelectElement(RichTextBox1); });

    auto *options = findChild<QMenu *>(QStringLiteral("mnuOptions"));
    addSwitch(options, AutoCloseTagsSwitch, QStringLiteral("Close Tags Automatically"),
              [](frmNotePad &window, bool on) { CloseTagsAutomatically(window.RichTextBox1, on); });
    addSwitch(options, CompletionsSwitch, QStringLiteral("Offer Completions"),
              [](frmNotePad &window, bool on) { OfferCompletions(window.RichTextBox1, on); });
    addSwitch(options, RenameTagsSwitch, QStringLiteral("Rename Matching Tags"),
              [](frmNotePad &window, bool on) { RenameMatchingTags(window.RichTextBox1, on); });
}
