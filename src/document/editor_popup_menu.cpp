#include "document/notepad_window.h"
#include "platform/rich_text_box.h"

#include <QMenu>

void frmNotePad::RichTextBox1_MouseDown(Qt::MouseButton button, QPoint position)
{
    if (button != Qt::RightButton)
        return;
    if (auto *edit = findChild<QMenu *>(QStringLiteral("mnuEdit")))
        edit->popup(RichTextBox1->viewport()->mapToGlobal(position));
}
