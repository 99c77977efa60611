#pragma once

#include <QList>
#include <QStringView>

struct TagRange
{
    int start = 0;
    int length = 0;
};

// The tags of a text, in order: each "<" together with the first ">" after it, brackets
// included, the next "<" being looked for after that ">". Pairing each "<" with its own
// ">" keeps a stray ">" in running text (x > y) from pulling the words after it into a
// tag. A "<" with no ">" after it is not a tag, and nothing after it is one either.
QList<TagRange> FindTags(QStringView text);
