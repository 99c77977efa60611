#pragma once

#include "dialogs/fragment_parts.h"

struct FontFields
{
    QString color;  // six-digit colour code
    QString size;   // "1" to "7"
    QString face;
};

// A relative size change by step ("-3" to "+3").
EnclosingTags BuildRelativeSizeFragment(const QString &step, bool lowercase);
// The font element of the chosen attributes; with none chosen a bare font tag.
EnclosingTags BuildFontFragment(const FontFields &fields, bool lowercase);
