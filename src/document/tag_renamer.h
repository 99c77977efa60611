#pragma once

#include "document/editor_switches.h"

#include <QObject>
#include <QString>

class RichTextBox;

inline constexpr EditorSwitch RenameTagsSwitch{"RenameMatchingTags", "mnuOptionsRenameMatchingTags", true};

// Keeps an element's end tag named as its start tag while the user edits the start tag's
// name with the keyboard: each key typed or erased in the name renames the end tag with it,
// in the same undo step. Only keys do this: an Undo, a paste, a completion taken or a
// replace renames nothing, so that undoing never edits the page anew.
class TagRenamer : public QObject
{
    Q_OBJECT

public:
    explicit TagRenamer(RichTextBox *editor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A start tag's name and its end tag's, as they stand before a key.
    struct Pair
    {
        int nameStart = -1;
        QString name;
        int endNameStart = -1;
        QString endName;
        bool isValid() const { return nameStart >= 0; }
    };
    Pair pairAtCaret() const;
    void follow(const Pair &before, int charactersBefore);

    RichTextBox *editor_;
    bool keying_ = false;
    // The pair the last key left, while the page has not changed since: typing on in the
    // name then needs no new reading of the page, and a name erased whole stays tied.
    Pair last_;
    int lastRevision_ = -1;
};

// Starts or stops renaming end tags with their start tags in the editor.
void RenameMatchingTags(RichTextBox *editor, bool on);
