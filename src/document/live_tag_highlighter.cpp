#include "document/live_tag_highlighter.h"

#include "document/tag_scanner.h"
#include "platform/block_line_endings.h"

#include <QCoreApplication>
#include <QSignalBlocker>
#include <QTextDocument>

namespace {

// A line's flag: whether a tag begun on it, or above it, is still open at its end.
enum LineState : bool { Outside = false, InsideTag = true };

} // namespace

LiveTagHighlighter::LiveTagHighlighter(QTextDocument *document, const QColor &color)
    : QSyntaxHighlighter(static_cast<QObject *>(document))
{
    setObjectName(QStringLiteral("LiveTagHighlighter"));
    format_.setForeground(color);
    setDocument(document);
    // Qt colours the whole text once control returns to the event loop; done here at
    // once instead, it can be done quietly.
    recolourAll([this] { QCoreApplication::sendPostedEvents(this, QEvent::MetaCall); });
}

void LiveTagHighlighter::SetTagColor(const QColor &color)
{
    if (format_.foreground().color() == color)
        return;
    format_.setForeground(color);
    recolourAll([this] { rehighlight(); });
}

// Qt lays the page out again after each line it colours, from that line on, which on a
// long page takes minutes. The layout is stopped meanwhile (a document without a page
// size is not laid out), so that the page is laid out once, afterwards.
void LiveTagHighlighter::recolourAll(const std::function<void()> &recolour)
{
    QTextDocument *text = document();
    const QSizeF page = text->pageSize();
    text->setPageSize(QSizeF(0, 0));
    quietly(recolour);
    text->setPageSize(page);
}

// Colouring lines outside an edit makes the document announce a change of its contents,
// which would mark the document changed: the announcement is held back.
void LiveTagHighlighter::quietly(const std::function<void()> &recolour)
{
    const QSignalBlocker blocker(document());
    recolour();
}

// The line's ending, remembered in the same state, stays as it is.
void LiveTagHighlighter::markLine(bool insideTag)
{
    setCurrentBlockState(WithBlockFlag(currentBlockState(), insideTag));
}

bool LiveTagHighlighter::closesAfterThisLine() const
{
    const QTextBlock line = currentBlock();
    return !document()->find(QStringLiteral(">"), line.position() + line.length()).isNull();
}

void LiveTagHighlighter::highlightBlock(const QString &text)
{
    const bool carried = BlockFlag(previousBlockState()) == InsideTag;
    qsizetype from = 0;
    if (carried) {
        const qsizetype close = text.indexOf(QLatin1Char('>'));
        if (close < 0) {
            if (closesAfterThisLine()) {
                setFormat(0, int(text.size()), format_);
                markLine(InsideTag);
            } else {
                markLine(Outside);
                recheckLinesAbove(true);
            }
            return;
        }
        setFormat(0, int(close + 1), format_);
        from = close + 1;
    }

    const QList<TagRange> tags = FindTags(QStringView(text).mid(from));
    for (const TagRange &tag : tags)
        setFormat(int(from) + tag.start, tag.length, format_);
    const qsizetype scanned = tags.isEmpty() ? from : from + tags.last().start + tags.last().length;
    const qsizetype open = text.indexOf(QLatin1Char('<'), scanned);
    if (open >= 0 && closesAfterThisLine()) {
        setFormat(int(open), int(text.size() - open), format_);
        markLine(InsideTag);
    } else {
        markLine(Outside);
    }

    // A ">" before any "<" of this line may close a "<" above that had none to close it.
    if (!carried) {
        const qsizetype close = text.indexOf(QLatin1Char('>'));
        const qsizetype firstOpen = text.indexOf(QLatin1Char('<'));
        if (close >= 0 && (firstOpen < 0 || close < firstOpen))
            recheckLinesAbove(false);
    }
}

// The lines above were read on what followed them then. When a tag that was open ends
// without a ">" (tagWasOpen), or a ">" arrives for a "<" that had none, they are read
// again from the line of that "<", once the edit in hand is finished.
void LiveTagHighlighter::recheckLinesAbove(bool tagWasOpen)
{
    QTextBlock line = currentBlock().previous();
    if (tagWasOpen) {
        while (line.previous().isValid() && BlockFlag(line.previous().userState()) == InsideTag)
            line = line.previous();
    } else {
        for (; line.isValid(); line = line.previous()) {
            const QString above = line.text();
            const qsizetype lastOpen = above.lastIndexOf(QLatin1Char('<'));
            const qsizetype lastClose = above.lastIndexOf(QLatin1Char('>'));
            if (lastOpen < 0 && lastClose < 0)
                continue;
            if (lastOpen < lastClose)
                return;
            break;
        }
    }
    if (!line.isValid())
        return;
    const int position = line.position();
    QMetaObject::invokeMethod(
        this, [this, position] { quietly([this, position] { rehighlightBlock(document()->findBlock(position)); }); },
        Qt::QueuedConnection);
}
