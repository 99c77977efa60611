#pragma once

#include <QString>

struct ImageFields
{
    QString source;
    QString altText;
    QString height;
    QString width;
    QString hSpace;
    QString vSpace;
    QString border;
    QString alignment;  // empty until the user picks one
};

// The image tag that follows the selection. Source, alternate text and alignment fall
// back to placeholders; height and width are written even when empty.
QString BuildImageFragment(const ImageFields &fields, bool lowercase);
