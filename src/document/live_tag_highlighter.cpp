#include "document/live_tag_highlighter.h"

#include "platform/block_line_endings.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <cctype>
#include <QSignalBlocker>
#include <QTextDocument>

namespace {

// Lays the scanner's and the code reader's findings on the line as formats.
class LinePainter final : public TagScanSink, public CodeSink
{
public:
    using Paint = std::function<void(qsizetype, qsizetype, const QTextCharFormat &)>;

    LinePainter(QStringView line, const HtmlColours &colours, Paint paint)
        : line_(line), colours_(colours), paint_(std::move(paint))
    {
    }

    void part(TagPart part, qsizetype from, qsizetype to) override { paint_(from, to, colours_.of(part)); }
    void codePart(CodePart part, qsizetype from, qsizetype to) override { paint_(from, to, colours_.of(part)); }
    void code(ScanState &state, qsizetype from, qsizetype to) override
    {
        ReadCode(state.element, line_, from, to, state.code, *this);
    }

    // Character references: "&", a name or "#" and digits (or "#x" and hex digits), ";".
    void text(qsizetype from, qsizetype to) override
    {
        for (qsizetype amp = line_.indexOf(QLatin1Char('&'), from); amp >= 0 && amp < to;
             amp = line_.indexOf(QLatin1Char('&'), amp + 1)) {
            qsizetype at = amp + 1;
            const bool numeric = at < to && line_[at] == QLatin1Char('#');
            const bool hex = numeric && at + 1 < to && (line_[at + 1] == QLatin1Char('x') || line_[at + 1] == QLatin1Char('X'));
            at += numeric ? (hex ? 2 : 1) : 0;
            const qsizetype digits = at;
            while (at < to && line_[at].unicode() < 128
                   && (hex ? isxdigit(line_[at].unicode()) : numeric ? isdigit(line_[at].unicode())
                                                                    : isalnum(line_[at].unicode())))
                ++at;
            if (at > digits && at < to && line_[at] == QLatin1Char(';'))
                paint_(amp, at + 1, colours_.reference());
        }
    }

private:
    QStringView line_;
    const HtmlColours &colours_;
    Paint paint_;
};

} // namespace

LiveTagHighlighter::LiveTagHighlighter(QTextDocument *document, const HtmlColours &colours)
    : QSyntaxHighlighter(static_cast<QObject *>(document)), colours_(colours)
{
    setObjectName(QStringLiteral("LiveTagHighlighter"));
    setDocument(document);
    // Qt colours the whole text once control returns to the event loop; done here at
    // once instead, it can be done quietly.
    recolourAll([this] { QCoreApplication::sendPostedEvents(this, QEvent::MetaCall); });
}

void LiveTagHighlighter::SetColours(const HtmlColours &colours)
{
    colours_ = colours;
    recolourAll([this] { rehighlight(); });
}

// Colouring lines outside an edit makes the document announce a change of its contents,
// which would mark the document changed: the announcement is held back.
void LiveTagHighlighter::recolourAll(const std::function<void()> &recolour)
{
    const QSignalBlocker blocker(document());
    recolouringAll_ = true;
    recolour();
    recolouringAll_ = false;
}

void LiveTagHighlighter::highlightBlock(const QString &text)
{
    ScanState state = ScanState::unpacked(HighlighterState(previousBlockState()));
    LinePainter painter(text, colours_, [this](qsizetype from, qsizetype to, const QTextCharFormat &format) {
        setFormat(int(from), int(to - from), format);
    });
    ScanTags(text, state, currentBlock().next().isValid(), painter);
    // The line's ending, remembered in the same state, stays as it is.
    const int before = currentBlockState();
    setCurrentBlockState(WithHighlighterState(before, state.packed()));
    // When the line ends otherwise than it did, Qt colours the lines below as well, yet
    // repaints only the edited one as it stood before its new colours: the editor is asked
    // to paint what it shows again.
    if (!recolouringAll_ && HighlighterState(before) != state.packed() && currentBlock().next().isValid())
        emit document()->documentLayout()->update();
}

ScanState ScanStateBefore(const QTextBlock &block)
{
    return ScanState::unpacked(HighlighterState(block.previous().userState()));
}
