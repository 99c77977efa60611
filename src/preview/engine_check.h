#pragma once

#include <QString>

// Why the web engine cannot start in this process, or the empty text when it can. Asked
// before the engine is touched: the engine ends the whole program when it cannot start
// (no helper program, no resources, or run as root with its sandbox on), and every
// unsaved document would go with it.
QString PreviewEngineUnavailableReason();

// Before the QApplication is made: the engine draws through contexts it shares with Qt's.
void PrepareWebEngine();
