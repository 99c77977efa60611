#pragma once

class Program;
class QMdiArea;

// With Options > Reopen Files at Start on, the files open at a clean exit are kept in the
// settings (section "SessionFiles"), in the order of the window list, with each window's
// caret and scroll position and which one was active.
void RememberSessionFiles(Program &program, QMdiArea *area);

// Opens the files kept at the last clean exit, when the user chose so; those no longer
// there are passed over and listed in one message. True when any opened.
bool ReopenSessionFiles(Program &program, QMdiArea *area);
