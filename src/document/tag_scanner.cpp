#include "document/tag_scanner.h"

QList<TagRange> FindTags(QStringView text)
{
    QList<TagRange> tags;
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = text.indexOf(QLatin1Char('<'), from);
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(QLatin1Char('>'), open + 1);
        if (close < 0)
            break;
        tags.append({int(open), int(close - open + 1)});
        from = close + 1;
    }
    return tags;
}
