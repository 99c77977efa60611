#include "platform/line_change_layout.h"

#include <QTextBlock>
#include <QTextDocument>

// Qt's layout lays out again every line from the change's start to the line holding its
// start plus the characters both removed and added, and repaints the whole view when that
// is more than one line. Text removed is gone from the page: only what was added says
// which lines now read otherwise.
void LineChangeLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    const QTextBlock line = document()->findBlock(from);
    const bool withinLine = charsAdded > 0 && from + charsAdded <= line.position() + line.length();
    QPlainTextDocumentLayout::documentChanged(from, withinLine ? 0 : charsRemoved, charsAdded);
}
