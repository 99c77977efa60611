#include "preview/source_marks.h"

#include "document/tag_scanner.h"

#include <QSet>

namespace {

bool isNameEnd(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')
           || c == QLatin1Char('\f') || c == QLatin1Char('/') || c == QLatin1Char('>');
}

bool isVoidElement(const QString &name)
{
    static const QSet<QString> names = {
        QStringLiteral("area"),  QStringLiteral("base"),   QStringLiteral("br"),     QStringLiteral("col"),
        QStringLiteral("embed"), QStringLiteral("hr"),     QStringLiteral("img"),    QStringLiteral("input"),
        QStringLiteral("link"),  QStringLiteral("meta"),   QStringLiteral("param"),  QStringLiteral("source"),
        QStringLiteral("track"), QStringLiteral("wbr"),    QStringLiteral("keygen"), QStringLiteral("basefont"),
        QStringLiteral("frame"), QStringLiteral("isindex")};
    return names.contains(name);
}

struct OpenElement
{
    QString name;
    qsizetype span;
};

} // namespace

MarkedPage MarkStartTags(QStringView source)
{
    MarkedPage page;
    const QList<TagRange> tags = FindTags(source);
    page.html.reserve(source.size() + tags.size() * 24);
    QList<OpenElement> open;
    qsizetype copied = 0;
    for (const TagRange &tag : tags) {
        const QStringView text = source.mid(tag.start, tag.length);
        const bool endTag = text[1] == QLatin1Char('/');
        if (!endTag && !text[1].isLetter())
            continue;
        const qsizetype nameFrom = endTag ? 2 : 1;
        qsizetype nameTo = nameFrom;
        while (nameTo < text.size() && !isNameEnd(text[nameTo]))
            ++nameTo;
        const QString name = text.mid(nameFrom, nameTo - nameFrom).toString().toLower();
        const int tagEnd = tag.start + tag.length;

        if (endTag) {
            // An end tag closes its element and everything left open inside it; one that
            // matches nothing open is ignored, as a browser ignores it.
            for (qsizetype at = open.size() - 1; at >= 0; --at) {
                if (open[at].name != name)
                    continue;
                for (qsizetype inner = open.size() - 1; inner > at; --inner)
                    page.elements[open[inner].span].end = tag.start;
                page.elements[open[at].span].end = tagEnd;
                open.resize(at);
                break;
            }
            continue;
        }

        page.html.append(source.mid(copied, tag.start + nameTo - copied));
        page.html.append(QStringLiteral(" %1=\"%2\"").arg(SourceMarkAttribute).arg(tag.start));
        copied = tag.start + nameTo;

        const bool empty = isVoidElement(name) || text.endsWith(QLatin1String("/>"));
        page.elements.append({tag.start, empty ? tagEnd : int(source.size())});
        if (!empty)
            open.append({name, page.elements.size() - 1});
    }
    page.html.append(source.mid(copied));
    return page;
}

QList<int> ElementsHolding(const QList<ElementSpan> &elements, int caret)
{
    QList<int> holding;
    for (const ElementSpan &element : elements) {
        if (element.start > caret)
            break;
        if (caret < element.end)
            holding.prepend(element.start);
    }
    return holding;
}
