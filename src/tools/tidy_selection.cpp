#include "tools/tidy_selection.h"

#include "tools/tidy_document.h"

std::optional<QString> TidyFragment(const QString &html)
{
    TidyDocument tidy;
    tidyOptSetValue(tidy.doc(), TidyBodyOnly, "auto");
    tidyOptSetBool(tidy.doc(), TidyMark, no);
    if (tidy.ParseAndRepair(html) < 0 || tidyErrorCount(tidy.doc()) > 0)
        return std::nullopt;
    TidyBuffer output;
    tidyBufInit(&output);
    const bool saved = tidySaveBuffer(tidy.doc(), &output) >= 0;
    QString tidied = QString::fromUtf8(reinterpret_cast<const char *>(output.bp), qsizetype(output.size));
    tidyBufFree(&output);
    if (!saved)
        return std::nullopt;
    // Tidy ends with line breaks of its own; the selection keeps the ending it had.
    while (tidied.endsWith(QLatin1Char('\n')))
        tidied.chop(1);
    if (html.endsWith(QLatin1Char('\n')))
        tidied += QLatin1Char('\n');
    return tidied;
}
