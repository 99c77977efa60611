#pragma once

class QMdiArea;

// Brings every document window that is neither maximized nor minimized back into the part
// of the area that is shown, narrowing or lowering one that no longer fits: after a panel
// beside the documents has taken room from them, no window is left half under it.
void KeepWindowsInView(QMdiArea &area);
