#include "dialogs/sound_fragment.h"

#include "dialogs/fragment_parts.h"
#include "dialogs/tag_case.h"

QString BuildSoundFragment(const SoundFields &fields, bool lowercase)
{
    const bool loops = fields.play == QLatin1String("LOOP");
    QString tag;
    if (fields.browser == QLatin1String("EXPLORER")) {
        tag = QStringLiteral("<BGSOUND") + Attribute(QStringLiteral("SRC"), fields.file)
              + Attribute(QStringLiteral("LOOP"), loops ? QStringLiteral("INFINITE") : QStringLiteral("1"));
    } else {
        tag = QStringLiteral("<EMBED") + Attribute(QStringLiteral("SRC"), fields.file)
              + Attribute(QStringLiteral("AUTOSTART"), QStringLiteral("TRUE"))
              + Attribute(QStringLiteral("LOOP"), loops ? QStringLiteral("TRUE") : QStringLiteral("FALSE"))
              + Attribute(QStringLiteral("HIDDEN"), QStringLiteral("TRUE"));
    }
    return ApplyTagCase(tag + QLatin1Char('>'), lowercase);
}
