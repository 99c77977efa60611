#pragma once

#include <QString>

#include <optional>

class ProgramContext;
class QLineEdit;

// The count in a dialog's count field. When the field holds no whole number, a message
// names the field, the field is handed back to the user with its text selected, and
// there is no count.
std::optional<qint64> ReadCountField(ProgramContext &program, QLineEdit *field, const QString &fieldName);

// Tells the user that the fragment (a "table", a "list") is too large to insert.
void RefuseTooLarge(ProgramContext &program, const QString &what);
