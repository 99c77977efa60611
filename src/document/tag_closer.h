#pragma once

#include "document/editor_switches.h"

#include <QObject>

class RichTextBox;

inline constexpr EditorSwitch AutoCloseTagsSwitch{"AutoCloseTags", "mnuOptionsAutoCloseTags", true};

// Closes tags as the user types into the editor: the ">" of a start tag puts its end tag
// after the caret, and "</" is completed with the name of the innermost element still
// open before it (taking the place of that end tag where it follows the caret already).
// Neither happens inside a comment, an attribute value or script or style
// code, nor for an element without an end tag. Each insertion is an undo step of its
// own, after the typed character's.
class TagCloser : public QObject
{
    Q_OBJECT

public:
    explicit TagCloser(RichTextBox *editor);

private:
    void closeStartTag();
    void completeEndTag();
    // Replaces the `replaced` characters after the caret.
    void insertAtCaret(const QString &text, bool caretAfter, int replaced);

    RichTextBox *editor_;
};

// Starts or stops closing tags in the editor.
void CloseTagsAutomatically(RichTextBox *editor, bool on);
