#pragma once

#include <QString>

#include <array>

// The Frames dialog's fields. The split percentages are the texts of the slider labels
// (first slider: split1 and 100 minus it in split2; second slider: split3 and split4).
struct FrameFields
{
    // 1: two columns; 2: two rows; 3: one row above two columns; 4: two rows beside a column.
    int style = 1;
    QString split1 = QStringLiteral("0");
    QString split2 = QStringLiteral("100");
    QString split3 = QStringLiteral("0");
    QString split4 = QStringLiteral("100");
    std::array<QString, 3> names;
    std::array<QString, 3> sources;
    QString border = QStringLiteral("YES");
    QString resize = QStringLiteral("YES");
    QString scrolling = QStringLiteral("AUTO");
    QString marginWidth;
    QString marginHeight;
    QString frameSpacing;
    QString borderColor;
};

// The whole frame-set document, to follow the selection; every line but the last ends in
// CR LF. With lowercase everything is lower case, names and sources included.
QString BuildFrameFragment(const FrameFields &fields, bool lowercase);
