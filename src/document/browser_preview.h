#pragma once

class Program;
class QString;

// Shows the ActiveDocument's file in the browser stored under `section` ("Browser1" for
// the default browser, "Browser2" for the alternate one). With `autosave` the document is
// saved first, a name asked for when it has none; without it a changed document is
// refused. The file is written with the editor's text before the browser starts.
void ViewInBrowser(Program &program, const QString &section, bool autosave);

// Starts the browser program with one argument (a path or an address), no shell between;
// a failure is told to the user with the command line.
void StartBrowser(Program &program, const QString &browser, const QString &argument);
