#pragma once

#include <QString>

// The Rules dialog's fields. A graphic is chosen while graphicPath is not empty; the tag
// then names the graphic by its bare file name.
struct RuleFields
{
    QString graphicPath;
    QString graphicName;
    QString width = QStringLiteral("75");
    QString widthAs = QStringLiteral("PERCENT");
    QString shadow = QStringLiteral("YES");
    QString height;
};

// A horizontal rule, or an image tag standing in for one, ended by CR LF.
QString BuildRuleFragment(const RuleFields &fields, bool lowercase);
