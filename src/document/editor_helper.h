#pragma once

#include "platform/rich_text_box.h"

// Gives the editor its one helper of the kind (a QObject child made from the editor), or
// takes it away; the helper it has afterwards, if any.
template <class Helper>
Helper *SetEditorHelper(RichTextBox *editor, bool on)
{
    auto *current = editor->findChild<Helper *>(QString(), Qt::FindDirectChildrenOnly);
    if (on && !current)
        return new Helper(editor);
    if (!on) {
        delete current;
        return nullptr;
    }
    return current;
}
