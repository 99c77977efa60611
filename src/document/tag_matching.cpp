#include "document/tag_matching.h"

#include "document/editor_helper.h"
#include "document/html_colours.h"
#include "document/tag_pairs.h"
#include "platform/line_feeds.h"

#include "platform/rich_text_box.h"

namespace {

// On a page this long the marks wait until the caret rests; shorter ones are read at once.
constexpr int longPage = 100'000;
constexpr int restMilliseconds = 200;

struct PageTags
{
    QString text;
    TagPairs pairs;
};

PageTags pageTags(RichTextBox *editor)
{
    PageTags page;
    page.text = editor->document()->toRawText();
    TurnBreaksIntoLineFeeds(page.text);
    page.pairs = PairTags(page.text, FindTags(page.text));
    return page;
}

// Where the name of a start or end tag lies.
int nameStart(const PairedTag &tag)
{
    return tag.range.start + (tag.kind == PairedTag::End ? 2 : 1);
}

// The start or end tag holding `position` (in its name, when `inName`), or -1.
int tagAt(const TagPairs &pairs, int position, bool inName)
{
    for (qsizetype index = 0; index < pairs.tags.size(); ++index) {
        const PairedTag &tag = pairs.tags[index];
        if (tag.name.isEmpty() || tag.range.start > position)
            continue;
        const int from = inName ? nameStart(tag) : tag.range.start;
        const int to = inName ? nameStart(tag) + int(tag.name.size()) : tag.range.start + tag.range.length;
        if (position >= from && position <= to)
            return int(index);
    }
    return -1;
}

QTextEdit::ExtraSelection markOf(RichTextBox *editor, const TagRange &range, const QColor &background)
{
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(editor->document());
    mark.cursor.setPosition(range.start);
    mark.cursor.setPosition(range.start + range.length, QTextCursor::KeepAnchor);
    mark.format.setBackground(background);
    return mark;
}

} // namespace

TagMatchMarks::TagMatchMarks(RichTextBox *editor) : QObject(editor), editor_(editor)
{
    setObjectName(QStringLiteral("TagMatchMarks"));
    rest_.setSingleShot(true);
    connect(&rest_, &QTimer::timeout, this, &TagMatchMarks::mark);
    connect(editor_, &RichTextBox::cursorPositionChanged, this, [this] {
        rest_.start(editor_->document()->characterCount() > longPage ? restMilliseconds : 0);
    });
    mark();
}

void TagMatchMarks::mark()
{
    QList<QTextEdit::ExtraSelection> marks;
    const int caret = editor_->textCursor().position();
    // Only a caret inside a tag sends the whole page to be read.
    QTextDocument &document = *editor_->document();
    const ReadingUpTo reading = ReadUpTo(document, qMin(caret + 1, document.characterCount() - 1));
    const bool inTag = reading.state.insideTag()
                       || (!reading.tags.isEmpty() && reading.tags.last().start + reading.tags.last().length > caret);
    if (inTag) {
        const PageTags page = pageTags(editor_);
        const int index = tagAt(page.pairs, caret, true);
        if (index >= 0 && page.pairs.tags[index].kind != PairedTag::Void) {
            const HtmlColours colours(editor_->palette(), QColor());
            const PairedTag &tag = page.pairs.tags[index];
            if (tag.partner < 0) {
                marks.append(markOf(editor_, tag.range, colours.unmatched()));
            } else {
                marks.append(markOf(editor_, tag.range, colours.matched()));
                marks.append(markOf(editor_, page.pairs.tags[tag.partner].range, colours.matched()));
            }
        }
    }
    editor_->setExtraSelections(marks);
}

void MarkMatchingTags(RichTextBox *editor, bool on)
{
    if (!SetEditorHelper<TagMatchMarks>(editor, on))
        editor->setExtraSelections({});
}

void GoToMatchingTag(RichTextBox *editor)
{
    const PageTags page = pageTags(editor);
    const int index = tagAt(page.pairs, editor->textCursor().position(), false);
    if (index < 0 || page.pairs.tags[index].partner < 0)
        return;
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(nameStart(page.pairs.tags[page.pairs.tags[index].partner]));
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
}

void SelectElement(RichTextBox *editor)
{
    const PageTags page = pageTags(editor);
    const QTextCursor selection = editor->textCursor();
    const int from = selection.selectionStart();
    const int to = selection.selectionEnd();
    int bestStart = -1;
    int bestEnd = -1;
    for (const PairedTag &tag : page.pairs.tags) {
        if (tag.kind != PairedTag::Start || tag.partner < 0)
            continue;
        const TagRange end = page.pairs.tags[tag.partner].range;
        const int start = tag.range.start;
        const int stop = end.start + end.length;
        const bool around = start <= from && stop >= to && (start < from || stop > to);
        if (around && (bestStart < 0 || stop - start < bestEnd - bestStart)) {
            bestStart = start;
            bestEnd = stop;
        }
    }
    if (bestStart < 0)
        return;
    QTextCursor cursor(editor->document());
    cursor.setPosition(bestStart);
    cursor.setPosition(bestEnd, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}
