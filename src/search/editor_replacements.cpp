#include "search/editor_replacements.h"

#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QTextCursor>

void ReplaceInEditor(EditorSurface &editor, const QList<Replacement> &replacements)
{
    if (replacements.isEmpty())
        return;
    QTextCursor cursor(editor.document());
    cursor.beginEditBlock();
    qsizetype end = replacements.last().start + replacements.last().length;
    // From the last to the first, so that the positions still ahead hold as found.
    for (auto it = replacements.crbegin(); it != replacements.crend(); ++it) {
        const QString text = EditorSurface::toEditorLineBreaks(it->text);
        cursor.setPosition(int(it->start));
        cursor.setPosition(int(it->start + it->length), QTextCursor::KeepAnchor);
        cursor.insertText(text);
        end += text.size() - it->length;
    }
    cursor.endEditBlock();
    cursor.setPosition(int(end));
    editor.widget()->setTextCursor(cursor);
}
