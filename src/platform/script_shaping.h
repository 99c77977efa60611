#pragma once

#include <QObject>
#include <QStringView>

class RichTextBox;

// Whether every character of `text` draws right as one glyph of its own, placed after
// the one before: no letters to join, no marks to place on another letter, nothing to
// reorder. Latin, Greek and Cyrillic letters, punctuation and common symbols do.
bool DrawsWithoutShaping(QStringView text);

// Lays an editor's text out without shaping while every character it has held draws
// right that way: shaping costs about half of laying out a page, and without it each
// character of the source shows as itself (no ligature joins two, no kerning moves a
// pair). The first character that needs shaping turns it on for good.
class ScriptShaping : public QObject
{
public:
    explicit ScriptShaping(RichTextBox &editor);

    // Makes `text` the editor's whole text. It is looked at where it already is: read
    // back out of the document, a large page would be copied once more.
    void SetPlainText(const QString &text);

private:
    void changed(int from, int added);
    void look(QStringView text);

    RichTextBox &editor_;
    bool shaped_ = false;
    bool settingText_ = false;
};
