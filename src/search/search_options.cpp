#include "search/search_options.h"

#include "platform/settings_store.h"
#include "search/search_state.h"

#include <QCheckBox>

bool IsSearchOptionOn(const SettingsStore &settings, const char *section, bool byDefault)
{
    const QString name = QLatin1String(section);
    const QString stored = settings.read(name, name);
    return stored.isEmpty() ? byDefault : stored == QLatin1String("True");
}

void RememberCheckBox(QCheckBox *box, SettingsStore &settings, const char *section, bool *choice, bool byDefault)
{
    *choice = IsSearchOptionOn(settings, section, byDefault);
    box->setChecked(*choice);
    QObject::connect(box, &QCheckBox::toggled, box, [&settings, section, choice](bool on) {
        *choice = on;
        const QString name = QLatin1String(section);
        settings.write(name, name, on ? QStringLiteral("True") : QStringLiteral("False"));
    });
}

MatchOptions MatchOptionsOf(const SearchState &search)
{
    return {search.RegularExpression, search.MatchCase != 0, search.WholeWord};
}

bool UsesMatcher(const SearchState &search)
{
    return search.RegularExpression || search.WholeWord;
}
