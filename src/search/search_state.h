#pragma once

#include <QPointer>
#include <QString>

class EditorSurface;

// The program's one search state, shared by Find, Find Next, Replace and Replace All in
// whatever document is active. The frame owns it from start to end.
struct SearchState
{
    QString FindText;
    int MatchCase = 0;        // non-zero: case must match
    int SearchDirection = 0;  // 1: down, towards the end; 0: up
    int LastMatchStart = 0;   // the editor's selection start when the last search ended
    bool FindTextChanged = false;  // the find text was edited, or a dialog opened, since then
    QString ReplaceText;
    // Beyond the classic choices: the find text as a regular expression, only whole words,
    // and Replace All only within the selection it started with.
    bool RegularExpression = false;
    bool WholeWord = false;
    bool InSelection = false;

    QString ReplaceAllFind;
    QString ReplaceAllWith;

    // The whole text of an editor taken before the last Replace or Replace All, and that
    // editor: the copy goes back into no other document, and is dropped with its own.
    QString UndoText;
    bool UndoAvailable = false;
    QPointer<EditorSurface> UndoEditor;

    // The text the last search ran over, upper-cased when case did not matter. Find Next
    // over an unchanged text reuses it, so each search costs only the way to the next
    // occurrence rather than a fresh copy of the whole text.
    struct SearchedText
    {
        QPointer<EditorSurface> editor;
        quint64 changeCount = 0;
        bool upperCased = false;
        QString text;
    };
    SearchedText Searched;
};
