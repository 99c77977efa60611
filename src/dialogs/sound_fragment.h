#pragma once

#include <QString>

struct SoundFields
{
    QString file;
    QString play = QStringLiteral("LOOP");
    QString browser = QStringLiteral("NETSCAPE");
};

// A background-sound tag, without a line break: BGSOUND for "EXPLORER", EMBED for any
// other browser. With lowercase the whole tag is lower case, the file name included.
QString BuildSoundFragment(const SoundFields &fields, bool lowercase);
