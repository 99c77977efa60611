#include "document/tag_renamer.h"

#include "document/editor_helper.h"
#include "document/tag_pairs.h"
#include "platform/line_feeds.h"
#include "platform/rich_text_box.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTextBlock>

#include <algorithm>

namespace {

bool isNameCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char(':') || c == QLatin1Char('_')
           || c == QLatin1Char('.');
}

// Where the run of name characters that starts at from ends.
qsizetype nameEnd(const QString &text, qsizetype from)
{
    const QStringView rest = QStringView(text).sliced(from);
    return from + (std::find_if_not(rest.begin(), rest.end(), isNameCharacter) - rest.begin());
}

// The keys that can change a name and leave it a name; any other key (">", a blank) ends
// it, and the tag closer may act on it with an undo step of its own.
bool editsName(const QKeyEvent &key)
{
    if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete)
        return true;
    return key.text().size() == 1 && isNameCharacter(key.text()[0]);
}

} // namespace

TagRenamer::TagRenamer(RichTextBox *editor) : QObject(editor), editor_(editor)
{
    setObjectName(QStringLiteral("TagRenamer"));
    editor_->installEventFilter(this);
}

bool TagRenamer::eventFilter(QObject *watched, QEvent *event)
{
    if (keying_ || watched != editor_ || event->type() != QEvent::KeyPress || editor_->isReadOnly()
        || !editsName(*static_cast<QKeyEvent *>(event)))
        return false;
    const Pair before = pairAtCaret();
    if (!before.isValid())
        return false;
    const int characters = editor_->document()->characterCount();
    // The key's edit and the end tag's are one undo step.
    QTextCursor step(editor_->document());
    step.beginEditBlock();
    keying_ = true;
    QCoreApplication::sendEvent(editor_, event);
    keying_ = false;
    follow(before, characters);
    step.endEditBlock();
    return true;
}

TagRenamer::Pair TagRenamer::pairAtCaret() const
{
    const QTextCursor caret = editor_->textCursor();
    QTextDocument &document = *editor_->document();
    const int from = caret.selectionStart();
    const int to = caret.selectionEnd();
    if (last_.isValid() && document.revision() == lastRevision_ && from >= last_.nameStart
        && to <= last_.nameStart + last_.name.size())
        return last_;

    // Only a caret in a name just after "<", in a tag that does not run into another "<" on
    // its line, sends the page to be read.
    const QTextBlock line = document.findBlock(from);
    if (document.findBlock(to) != line)
        return {};
    const QString text = line.text();
    for (int at = from; at < to; ++at)
        if (!isNameCharacter(text[at - line.position()]))
            return {};
    qsizetype start = from - line.position();
    while (start > 0 && isNameCharacter(text[start - 1]))
        --start;
    const qsizetype end = nameEnd(text, to - line.position());
    if (start == 0 || text[start - 1] != QLatin1Char('<') || start == end)
        return {};
    for (qsizetype next = end; next < text.size(); ++next) {
        if (text[next] == QLatin1Char('<'))
            return {};
        if (text[next] == QLatin1Char('>'))
            break;
    }

    QString page = document.toRawText();
    TurnBreaksIntoLineFeeds(page);
    const TagPairs pairs = PairTags(page, FindTags(page));
    const int tagStart = line.position() + int(start) - 1;
    for (const PairedTag &tag : pairs.tags) {
        if (tag.range.start != tagStart)
            continue;
        if (tag.kind != PairedTag::Start || tag.partner < 0)
            return {};
        const PairedTag &partner = pairs.tags[tag.partner];
        return {tagStart + 1, tag.name, partner.range.start + 2, partner.name};
    }
    return {};
}

void TagRenamer::follow(const Pair &before, int charactersBefore)
{
    last_ = {};
    QTextDocument &document = *editor_->document();
    const QTextBlock line = document.findBlock(before.nameStart);
    const QString text = line.text();
    const qsizetype start = before.nameStart - line.position();
    if (start < 1 || start > text.size() || text[start - 1] != QLatin1Char('<'))
        return;
    const QString name = text.mid(start, nameEnd(text, start) - start);
    const int grown = int(name.size() - before.name.size());
    // Anything else the key did (a line break, a tag closed after it) makes it no rename.
    if (document.characterCount() - charactersBefore != grown)
        return;
    const int endNameStart = before.endNameStart + grown;
    QTextCursor endName(&document);
    endName.setPosition(endNameStart);
    endName.setPosition(endNameStart + int(before.endName.size()), QTextCursor::KeepAnchor);
    if (endName.selectedText() != before.endName)
        return;
    if (name != before.endName && !name.isEmpty())
        endName.insertText(name);
    last_ = {before.nameStart, name, endNameStart, name.isEmpty() ? before.endName : name};
    lastRevision_ = document.revision();
}

void RenameMatchingTags(RichTextBox *editor, bool on)
{
    SetEditorHelper<TagRenamer>(editor, on);
}
