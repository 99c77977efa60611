#include "document/tag_closer.h"

#include "document/editor_helper.h"
#include "document/tag_pairs.h"
#include "document/typed_keys.h"

#include "platform/rich_text_box.h"

TagCloser::TagCloser(RichTextBox *editor) : QObject(editor), editor_(editor)
{
    setObjectName(QStringLiteral("TagCloser"));
    TypedKeys::Follow(editor_, this, [this](const QString &typed) {
        if (typed == QLatin1String(">"))
            closeStartTag();
        else if (typed == QLatin1String("/"))
            completeEndTag();
    });
}

void TagCloser::closeStartTag()
{
    QTextDocument &document = *editor_->document();
    const int caret = editor_->textCursor().position();
    const ReadingUpTo reading = ReadUpTo(document, caret);
    if (reading.tags.isEmpty())
        return;
    const TagRange last = reading.tags.last();
    if (last.start < 0 || last.start + last.length != caret)
        return;
    const QString tag = TextBetween(document, last.start, caret);
    const TagPairs pairs = PairTags(tag, {{0, int(tag.size())}});
    if (pairs.tags.first().kind != PairedTag::Start)
        return;
    const QString end = QStringLiteral("</") + pairs.tags.first().name + QLatin1Char('>');
    // Typing ">" again over a tag that is closed already adds no second end tag.
    if (TextBetween(document, caret, qMin(caret + int(end.size()), document.characterCount() - 1))
            .compare(end, Qt::CaseInsensitive)
        == 0)
        return;
    insertAtCaret(end, false, 0);
}

void TagCloser::completeEndTag()
{
    QTextDocument &document = *editor_->document();
    const int caret = editor_->textCursor().position();
    if (caret < 2 || document.characterAt(caret - 2) != QLatin1Char('<'))
        return;
    // In script or style code, "</" can only begin the element's own end tag.
    const ScanState::Mode mode = ReadUpTo(document, caret - 2).state.mode;
    if (mode != ScanState::Text && mode != ScanState::ElementContent)
        return;
    const QString text = TextBetween(document, 0, caret - 2);
    const TagPairs pairs = PairTags(text, FindTags(text));
    if (pairs.open.isEmpty())
        return;
    const QString name = pairs.tags[pairs.open.last()].name;
    // The end tag put after the caret when the element was opened is the one being typed:
    // it moves up to the "</", instead of a second one.
    const QString closed = QStringLiteral("</") + name + QLatin1Char('>');
    const int after = qMin(caret + int(closed.size()), document.characterCount() - 1);
    const bool closedAfter = TextBetween(document, caret, after).compare(closed, Qt::CaseInsensitive) == 0;
    insertAtCaret(name + QLatin1Char('>'), true, closedAfter ? int(closed.size()) : 0);
}

// An edit block of its own keeps the insertion from merging with the typing before it.
void TagCloser::insertAtCaret(const QString &text, bool caretAfter, int replaced)
{
    QTextCursor cursor = editor_->textCursor();
    const int caret = cursor.position();
    cursor.beginEditBlock();
    cursor.setPosition(caret + replaced, QTextCursor::KeepAnchor);
    cursor.insertText(text);
    cursor.endEditBlock();
    if (!caretAfter)
        cursor.setPosition(caret);
    editor_->setTextCursor(cursor);
}

void CloseTagsAutomatically(RichTextBox *editor, bool on)
{
    SetEditorHelper<TagCloser>(editor, on);
}
