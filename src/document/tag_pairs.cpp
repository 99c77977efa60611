#include "document/tag_pairs.h"

#include "document/html_vocabulary.h"
#include "document/live_tag_highlighter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

bool isAsciiLetter(QChar c)
{
    return c.unicode() < 128 && QChar(c).isLetter();
}

PairedTag classified(QStringView text, TagRange range)
{
    PairedTag tag;
    tag.range = range;
    const QStringView written = text.sliced(range.start, range.length);
    if (written.size() < 3)
        return tag;
    const bool end = written[1] == QLatin1Char('/');
    if (!isAsciiLetter(written[end ? 2 : 1]))
        return tag;
    tag.name = StartTagName(written, end ? 2 : 1).toString();
    if (end)
        tag.kind = PairedTag::End;
    else if (written.endsWith(QLatin1String("/>")) || HtmlVocabulary::instance().isVoid(tag.name))
        tag.kind = PairedTag::Void;
    else
        tag.kind = PairedTag::Start;
    return tag;
}

} // namespace

TagPairs PairTags(QStringView text, const QList<TagRange> &tags)
{
    TagPairs pairs;
    pairs.tags.reserve(tags.size());
    for (const TagRange &range : tags) {
        PairedTag tag = classified(text, range);
        const int index = int(pairs.tags.size());
        if (tag.kind == PairedTag::Start) {
            pairs.open.append(index);
        } else if (tag.kind == PairedTag::End) {
            for (qsizetype k = pairs.open.size() - 1; k >= 0; --k) {
                PairedTag &start = pairs.tags[pairs.open[k]];
                if (start.name.compare(tag.name, Qt::CaseInsensitive) == 0) {
                    start.partner = index;
                    tag.partner = pairs.open[k];
                    pairs.open.resize(k);
                    break;
                }
            }
        }
        pairs.tags.append(tag);
    }
    return pairs;
}

ReadingUpTo ReadUpTo(const QTextDocument &document, int position)
{
    const QTextBlock last = document.findBlock(position);
    QTextBlock block = document.begin();
    if (document.findChild<LiveTagHighlighter *>(QStringLiteral("LiveTagHighlighter"), Qt::FindDirectChildrenOnly)) {
        block = last;
        while (block.previous().isValid() && ScanStateBefore(block).insideTag())
            block = block.previous();
    }
    ReadingUpTo reading{{}, ScanStateBefore(block)};
    TagCollector collector;
    for (;; block = block.next()) {
        const QString text = block.text();
        collector.offset = block.position();
        if (block == last) {
            ScanTags(QStringView(text).first(position - block.position()), reading.state, false, collector);
            break;
        }
        ScanTags(text, reading.state, true, collector);
    }
    reading.tags = collector.tags;
    reading.constructStart = int(collector.lastStart());
    return reading;
}

QString TextBetween(QTextDocument &document, int from, int to)
{
    QTextCursor cursor(&document);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}
