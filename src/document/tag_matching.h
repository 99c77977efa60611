#pragma once

#include <QObject>
#include <QTimer>

class RichTextBox;

// Marks the tag whose name holds the caret together with its partner, both on one
// background, or alone on a warning background when it has none. The marks are painted
// over the text (extra selections), never put into it. On a long page the marks follow
// once the caret rests, so that typing never waits for the page to be read.
class TagMatchMarks : public QObject
{
    Q_OBJECT

public:
    explicit TagMatchMarks(RichTextBox *editor);

private:
    void mark();

    RichTextBox *editor_;
    QTimer rest_;
};

// Starts or stops marking matching tags in the editor.
void MarkMatchingTags(RichTextBox *editor, bool on);

// Edit > Go to Matching Tag: from a tag under the caret to its partner's name; nothing
// happens when the caret is in no tag that has one.
void GoToMatchingTag(RichTextBox *editor);

// Edit > Select Element: selects the innermost element around the selection that is larger
// than it, start and end tag included; nothing happens when there is none.
void SelectElement(RichTextBox *editor);
