#pragma once

#include "dialogs/fragment_parts.h"

struct LinksFields
{
    QString linkType;  // "http://", "ftp://", "mailto:" or "relative link"
    QString address;
    QString target;    // "none" for no target
    QString linkText;
};

// The anchor the selection goes into, after the link text. Nothing is escaped: the
// fields go in as the user typed them.
EnclosingTags BuildLinksFragment(const LinksFields &fields, bool lowercase);
