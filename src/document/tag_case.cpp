#include "document/tag_case.h"

#include "document/notepad_window.h"
#include "document/program.h"
#include "document/tag_pass.h"
#include "platform/letter_case.h"
#include "search/editor_replacements.h"

#include <QAction>
#include <QTextCursor>

namespace {

// Only the letters that change are rewritten, from the first to the last of them on each
// line of a tag: a tag already in the right case costs nothing, and line breaks inside a
// tag are never replaced.
void convertTags(Program &program, QString (*convert)(QString))
{
    RunTagPass(program, [convert](QTextCursor &cursor, const QString &text, const QList<TagRange> &tags) {
        QList<Replacement> changes;
        for (const TagRange &tag : tags) {
            const QString converted = convert(text.mid(tag.start, tag.length));
            qsizetype first = -1;
            qsizetype last = -1;
            const auto change = [&] {
                if (first < 0)
                    return;
                if (converted[first].isLowSurrogate() && first > 0)
                    --first;
                if (converted[last].isHighSurrogate() && last + 1 < converted.size())
                    ++last;
                changes.append({tag.start + first, last - first + 1, converted.mid(first, last - first + 1)});
                first = -1;
            };
            for (qsizetype i = 0; i < converted.size(); ++i) {
                if (converted[i] == QLatin1Char('\n')) {
                    change();
                } else if (converted[i] != text[tag.start + i]) {
                    if (first < 0)
                        first = i;
                    last = i;
                }
            }
            change();
        }
        ReplaceInParagraphRuns(cursor, changes);
    });
}

} // namespace

void MakeTagsLowercase(Program &program)
{
    convertTags(program, &LowercaseLetters);
}

void MakeTagsUppercase(Program &program)
{
    convertTags(program, &UppercaseLetters);
}

void frmNotePad::mnuOptionsUseLowercaseTags_Click()
{
    // The click has flipped the mark already; the flag and the stored switch follow it.
    // Other windows keep their marks until they are opened again.
    program_.LowercaseTags = action(QStringLiteral("mnuOptionsUseLowercaseTags"))->isChecked();
    program_.settings().write(QStringLiteral("TagCase"), QStringLiteral("TagCase"),
                              program_.LowercaseTags ? QStringLiteral("True") : QStringLiteral("False"));
}

void frmNotePad::mnuOptionsTagsLowercase_Click()
{
    MakeTagsLowercase(program_);
    RichTextBox1_SelChange();
}

void frmNotePad::mnuOptionsTagsUppercase_Click()
{
    MakeTagsUppercase(program_);
    RichTextBox1_SelChange();
}
