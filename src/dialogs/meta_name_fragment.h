#pragma once

#include <QString>

struct MetaFields
{
    QString author;
    QString classification;
    QString description;
    QString keyWords;
};

// The placement comment and one meta tag per filled field, every line ended by CR LF.
// Values are copied as typed; lowercase changes only the fixed words.
QString BuildMetaFragment(const MetaFields &fields, bool lowercase);
