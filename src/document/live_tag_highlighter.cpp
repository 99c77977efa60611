#include "document/live_tag_highlighter.h"

#include "platform/block_line_endings.h"
#include "platform/rich_text_box.h"

#include <QEvent>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cctype>
#include <functional>
#include <vector>

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

// The mark of a line whose colours are those of its text and of where the reading stands
// before it; a line without one is coloured when it is next shown.
class ColouredLine final : public QTextBlockUserData
{
};

// Reads the line's text on from where the reading stands before it, and returns where it
// stands at its end.
ScanState readLine(const QTextBlock &line, const QString &text, LinePainter::Paint paint, const HtmlColours &colours)
{
    ScanState state = ScanStateBefore(line);
    LinePainter painter(text, colours, std::move(paint));
    ScanTags(text, state, line.next().isValid(), painter);
    return state;
}

} // namespace

LiveTagHighlighter::LiveTagHighlighter(RichTextBox *editor, const HtmlColours &colours)
    : QObject(editor->document()), editor_(editor), colours_(colours)
{
    setObjectName(QStringLiteral("LiveTagHighlighter"));
    QTextDocument *document = editor->document();
    connect(document, &QTextDocument::contentsChange, this, &LiveTagHighlighter::contentsChange);
    // A page closed takes its lines' colours with it.
    connect(document, &QObject::destroyed, this, [this] { editor_ = nullptr; });
    editor->viewport()->installEventFilter(this);
    contentsChange(0, 0, document->characterCount());
    editor->viewport()->update();
}

LiveTagHighlighter::~LiveTagHighlighter()
{
    if (editor_)
        forgetColours();
}

void LiveTagHighlighter::SetColours(const HtmlColours &colours)
{
    colours_ = colours;
    forgetColours();
    editor_->viewport()->update();
}

// Every line coloured so far loses its colours; the lines shown take new ones when painted.
void LiveTagHighlighter::forgetColours()
{
    for (QTextBlock line = editor_->document()->begin(); line.isValid(); line = line.next()) {
        if (!line.userData())
            continue;
        line.setUserData(nullptr);
        line.layout()->clearFormats();
    }
}

bool LiveTagHighlighter::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        colourShownLines();
    return false;
}

void LiveTagHighlighter::colourShownLines()
{
    const int bottom = editor_->viewport()->height();
    const QPointF offset = editor_->contentOffset();
    for (QTextBlock line = editor_->firstVisibleBlock(); line.isValid(); line = line.next()) {
        if (editor_->blockBoundingGeometry(line).translated(offset).top() > bottom)
            break;
        if (!line.userData())
            colour(line);
    }
}

// As Qt's own highlighter does: a character takes the format painted on it last, and
// neighbours of one format make one range.
void LiveTagHighlighter::colour(QTextBlock line)
{
    const QString text = line.text();
    std::vector<const QTextCharFormat *> formats(size_t(text.size()), nullptr);
    readLine(line, text, [&](qsizetype from, qsizetype to, const QTextCharFormat &format) {
        std::fill(formats.begin() + from, formats.begin() + to, &format);
    }, colours_);
    QList<QTextLayout::FormatRange> ranges;
    for (size_t at = 0; at < formats.size();) {
        size_t end = at + 1;
        while (end < formats.size() && formats[end] == formats[at])
            ++end;
        if (formats[at])
            ranges.append({int(at), int(end - at), *formats[at]});
        at = end;
    }
    line.layout()->setFormats(ranges);
    line.setUserData(new ColouredLine);
    editor_->document()->markContentsDirty(line.position(), line.length());
}

// The lines the change holds are read again, and those below it while the reading stands
// otherwise at a line's end than it did. A change within one line colours it at once, as
// part of the change itself; other lines changed are coloured when shown.
void LiveTagHighlighter::contentsChange(int from, int, int added)
{
    QTextDocument *document = editor_->document();
    const QTextBlock first = document->findBlock(from);
    const QTextBlock last = document->findBlock(qMin(from + added, document->characterCount() - 1));
    bool belowChanged = false;
    for (QTextBlock line = first; line.isValid(); line = line.next()) {
        const bool edited = line.blockNumber() <= last.blockNumber();
        belowChanged = belowChanged || (!edited && line.userData());
        line.setUserData(nullptr);
        const ScanState state = readLine(line, line.text(), [](qsizetype, qsizetype, const QTextCharFormat &) {}, colours_);
        const int before = line.userState();
        line.setUserState(WithHighlighterState(before, state.packed()));
        if (line.blockNumber() >= last.blockNumber() && HighlighterState(before) == state.packed())
            break;
    }
    if (first == last)
        colour(first);
    if (belowChanged)
        editor_->viewport()->update();
}

ScanState ScanStateBefore(const QTextBlock &block)
{
    return ScanState::unpacked(HighlighterState(block.previous().userState()));
}
