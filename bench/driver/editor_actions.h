#pragma once

class QAbstractScrollArea;
class QWidget;

// What a user does to an editor, done alike to the program's editor and to each floor's.

// Lets the windows take their pending layout and paint events, as they would once
// control returns to the user.
void settle();

// Keys typed one after another, each a press and a release followed by what the window
// does before the next key; every eighth key opens a tag and three keys later one closes.
void typeKeys(QWidget *editor, int keys);

// Paints the editor as it first shows and sends it Ctrl+End, which brings the end of the
// page into view: answering it needs the whole page laid out.
void paintAndGoToEnd(QAbstractScrollArea *editor);

// Pages down through the page, each page painted.
void pageThrough(QAbstractScrollArea *editor, int pages);
