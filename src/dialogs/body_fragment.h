#pragma once

#include "dialogs/fragment_parts.h"

// The Body dialog's choices; an empty field was not chosen.
struct BodyFields
{
    QString backgroundImage;  // file name
    QString backgroundColor;  // six-digit colour codes
    QString textColor;
    QString linkColor;
    QString visitedLinkColor;
    QString clickedLinkColor;
};

// The body tags the selection goes between.
EnclosingTags BuildBodyFragment(const BodyFields &fields, bool lowercase);
