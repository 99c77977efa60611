#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Where an element stands in the source: from the "<" of its start tag to one past the
// ">" of its end tag, or to where something else closed it (an outer end tag, the end of
// the text). An element without contents (a void element, "<x/>") ends with its tag.
struct ElementSpan
{
    int start = 0;
    int end = 0;
};

// The page as the preview loads it, and its elements as the source holds them.
//
// How the preview ties the source to the page: every start tag is loaded with one more
// attribute, data-tagsmith-at, holding the source offset of its "<". The browser keeps the
// attribute on whatever element it builds from that tag, wherever its parser puts it, so a
// page element names its own start tag (page to caret), and a source offset finds its
// element with one attribute selector (caret to page). Elements the browser makes up (an
// implied tbody) or a script builds carry no mark; the nearest marked ancestor stands for
// them.
struct MarkedPage
{
    QString html;
    // Sorted by start; spans nest, as the tags were read with one stack of open elements.
    QList<ElementSpan> elements;
};

inline constexpr QLatin1String SourceMarkAttribute{"data-tagsmith-at"};

MarkedPage MarkStartTags(QStringView source);

// The start offsets of the elements whose source holds the caret, innermost first.
QList<int> ElementsHolding(const QList<ElementSpan> &elements, int caret);
