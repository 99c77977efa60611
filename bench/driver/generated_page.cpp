#include "generated_page.h"

namespace {

QByteArray sentence(int n)
{
    static const char *const sentences[] = {
        "The data in this row came from the survey, and the data was checked twice with data. ",
        "Each figure of the data set is rounded; the raw data is kept on file as data. ",
        "Nobody changed the data by hand, so the data here matches the source data. ",
    };
    return sentences[n % 3];
}

// One section of the page; n varies the numbers and the prose, so sections differ.
QByteArray section(int n)
{
    const QByteArray k = QByteArray::number(n);
    QByteArray s;
    s += "<!-- section " + k + ": notes on the data gathered -->\n";
    s += "<h2 id=\"s" + k + "\">Section " + k + "</h2>\n";
    s += "<p align=\"justify\" class=\"body\">";
    for (int i = 0; i < 8; ++i)
        s += sentence(n + i);
    s += "</p>\n";
    s += "<table border=\"1\" cellpadding=\"" + QByteArray::number(n % 5) + "\">\n";
    s += "<tr><td class=\"name\">" + sentence(n + 1) + "</td><td><table><tr><td align=\"right\">" + k + "</td><td>"
         + sentence(n + 2) + "</td></tr></table></td></tr>\n";
    s += "<tr><td colspan=\"2\"><ul><li>" + sentence(n + 3) + "</li><li>" + sentence(n + 4)
         + "</li></ul></td></tr>\n</table>\n";
    s += "<p style=\"margin: 0\">When a > b the data stays text, <a href=\"#s" + k + "\">back</a> to the <b>data</b> above.</p>\n";
    return s;
}

} // namespace

QByteArray GeneratePage(qsizetype bytes)
{
    QByteArray page = "<html>\n<head><title>Generated data page</title></head>\n<body bgcolor=\"#FFFFFF\">\n";
    for (int n = 1; page.size() < bytes; ++n)
        page += section(n);
    page += "</body>\n</html>\n";
    return page;
}
