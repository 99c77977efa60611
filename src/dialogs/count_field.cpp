#include "dialogs/count_field.h"

#include "dialogs/fragment_counts.h"
#include "platform/program_context.h"

#include <QLineEdit>

std::optional<qint64> ReadCountField(ProgramContext &program, QLineEdit *field, const QString &fieldName)
{
    const std::optional<qint64> count = ReadCount(field->text());
    if (!count) {
        program.messages().show(CountMessage(fieldName), QStringLiteral("Tagsmith"), MsgButtons::Ok,
                                MsgIcon::Exclamation);
        field->setFocus();
        field->selectAll();
    }
    return count;
}

void RefuseTooLarge(ProgramContext &program, const QString &what)
{
    program.messages().show(TooLargeMessage(what), QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::Exclamation);
}
