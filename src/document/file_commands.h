#pragma once

#include <QString>

class Program;

// The open filter of Open and Save As.
QString OpenFilter();

// Shows the shared Save dialog proposing a name; the chosen name, or empty on cancel.
QString ChooseSaveName(Program &program, const QString &proposed);

// Writes the ActiveDocument to a file. On success the window is captioned with the name
// and counts as unchanged; on failure the user sees why, and nothing else changes.
bool SaveDocumentFile(Program &program, const QString &fileName);
