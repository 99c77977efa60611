#include "search/editor_replacements.h"

#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <span>

namespace {

// Where a paragraph's character format changes: the start of each run of one format,
// as positions in the text before any replacement.
QList<qsizetype> formatRunStarts(const QTextBlock &paragraph, qsizetype shift)
{
    QList<qsizetype> starts;
    int format = -1;
    for (QTextBlock::iterator it = paragraph.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.charFormatIndex() != format) {
            starts.append(fragment.position() - shift);
            format = fragment.charFormatIndex();
        }
    }
    return starts;
}

qsizetype runOf(const QList<qsizetype> &runStarts, qsizetype at)
{
    return std::upper_bound(runStarts.cbegin(), runStarts.cend(), at) - runStarts.cbegin();
}

// `text`, which starts where the first of the group does, with the group's replacements made.
QString withReplacements(const QString &text, std::span<const Replacement> group)
{
    QString result;
    qsizetype copied = 0;
    for (const Replacement &replacement : group) {
        const qsizetype offset = replacement.start - group.front().start;
        result.append(QStringView(text).sliced(copied, offset - copied));
        result.append(replacement.text);
        copied = offset + replacement.length;
    }
    result.append(QStringView(text).sliced(copied));
    return result;
}

} // namespace

void ReplaceInEditor(EditorSurface &editor, const QList<Replacement> &replacements)
{
    if (replacements.isEmpty())
        return;
    QTextCursor cursor(editor.document());
    cursor.beginEditBlock();
    qsizetype end = replacements.last().start + replacements.last().length;
    // From the last to the first, so that the positions still ahead hold as found.
    for (auto it = replacements.crbegin(); it != replacements.crend(); ++it) {
        const QString text = EditorSurface::toEditorLineBreaks(it->text);
        cursor.setPosition(int(it->start));
        cursor.setPosition(int(it->start + it->length), QTextCursor::KeepAnchor);
        cursor.insertText(text);
        end += text.size() - it->length;
    }
    cursor.endEditBlock();
    cursor.setPosition(int(end));
    editor.widget()->setTextCursor(cursor);
}

void ReplaceInParagraphRuns(QTextCursor &cursor, const QList<Replacement> &replacements)
{
    QTextDocument *document = cursor.document();
    // Replacements only ever shift what follows them: the positions given hold after
    // adding up that shift.
    qsizetype shift = 0;
    qsizetype paragraphEnd = -1;
    QList<qsizetype> runStarts;
    for (qsizetype i = 0; i < replacements.size();) {
        const Replacement &first = replacements[i];
        if (first.start >= paragraphEnd) {
            const QTextBlock paragraph = document->findBlock(int(first.start + shift));
            paragraphEnd = paragraph.position() + paragraph.length() - 1 - shift;
            runStarts = formatRunStarts(paragraph, shift);
        }
        const qsizetype run = runOf(runStarts, first.start);
        qsizetype next = i + 1;
        while (next < replacements.size() && replacements[next].start + replacements[next].length <= paragraphEnd
               && runOf(runStarts, replacements[next].start + replacements[next].length - 1) == run)
            ++next;
        const Replacement &last = replacements[next - 1];
        cursor.setPosition(int(first.start + shift));
        cursor.setPosition(int(last.start + last.length + shift), QTextCursor::KeepAnchor);
        const std::span<const Replacement> group(replacements.cbegin() + i, replacements.cbegin() + next);
        const QString text = group.size() == 1 ? first.text : withReplacements(cursor.selectedText(), group);
        shift += text.size() - (last.start + last.length - first.start);
        cursor.insertText(text);
        i = next;
    }
}
