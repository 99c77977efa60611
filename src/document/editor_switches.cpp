#include "document/editor_switches.h"

#include "document/document_table.h"
#include "document/notepad_window.h"
#include "document/program.h"
#include "platform/settings_store.h"

#include <QAction>

bool IsSwitchOn(const SettingsStore &settings, const EditorSwitch &choice)
{
    const QString section = QLatin1String(choice.section);
    const QString stored = settings.read(section, section);
    return stored.isEmpty() ? choice.byDefault : stored == QLatin1String("True");
}

void SetSwitch(Program &program, const EditorSwitch &choice, bool on, const SwitchAction &apply)
{
    const QString section = QLatin1String(choice.section);
    program.settings().write(section, section, on ? QStringLiteral("True") : QStringLiteral("False"));
    DocumentTable &table = program.Documents();
    for (int slot = 1; slot <= table.count(); ++slot) {
        frmNotePad *window = table.window(slot);
        if (table.state(slot).Deleted || !window)
            continue;
        window->action(QLatin1String(choice.item))->setChecked(on);
        apply(*window, on);
    }
}
