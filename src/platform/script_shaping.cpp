#include "platform/script_shaping.h"

#include "platform/rich_text_box.h"

#include <QTextCursor>
#include <QTextDocument>


namespace {

// Ranges of characters that draw right without shaping; combining marks, zero-width
// joiners and the controls of bidirectional text are left out on purpose.
struct Range
{
    char16_t first, last;
};
constexpr Range plainRanges[] = {
    {0x0000, 0x02FF}, // Latin, its extensions, spacing modifier letters
    {0x0370, 0x03FF}, // Greek
    {0x0400, 0x0482}, // Cyrillic before its combining marks
    {0x048A, 0x052F}, // Cyrillic after them
    {0x1E00, 0x1FFF}, // precomposed Latin and Greek
    {0x2000, 0x200A}, // spaces
    {0x2010, 0x2029}, // dashes, quotation marks, line and paragraph separators
    {0x202F, 0x205F}, // more punctuation
    {0x20A0, 0x20BF}, // currency signs
    {0x2100, 0x22FF}, // letterlike symbols, number forms, arrows, mathematical operators
};

bool drawsWithoutShaping(char16_t c)
{
    for (const Range &range : plainRanges)
        if (c >= range.first && c <= range.last)
            return true;
    return false;
}

void setShaping(RichTextBox &editor, bool on)
{
    QFont font = editor.font();
    const int strategy = font.styleStrategy();
    const int shaping = on ? strategy & ~QFont::PreferNoShaping : strategy | QFont::PreferNoShaping;
    font.setStyleStrategy(QFont::StyleStrategy(shaping));
    editor.setFont(font);
}

} // namespace

bool DrawsWithoutShaping(QStringView text)
{
    const char16_t *c = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = 0;
    // Pages are mostly Latin-1: a block of characters passes at once when none has a high
    // byte set (a loop the compiler turns into a few vector instructions).
    constexpr qsizetype block = 16;
    for (; i + block <= size; i += block) {
        char16_t any = 0;
        for (qsizetype k = 0; k < block; ++k)
            any |= c[i + k];
        if (any < 0x100)
            continue;
        for (qsizetype k = i; k < i + block; ++k)
            if (!drawsWithoutShaping(c[k]))
                return false;
    }
    for (; i < size; ++i)
        if (!drawsWithoutShaping(c[i]))
            return false;
    return true;
}

ScriptShaping::ScriptShaping(RichTextBox &editor) : QObject(&editor), editor_(editor)
{
    setShaping(editor_, false);
    connect(editor_.document(), &QTextDocument::contentsChange, this,
            [this](int from, int, int added) { changed(from, added); });
}

void ScriptShaping::SetPlainText(const QString &text)
{
    look(text);
    settingText_ = true;
    editor_.SetPlainText(text);
    settingText_ = false;
}

void ScriptShaping::changed(int from, int added)
{
    if (shaped_ || settingText_)
        return;
    QTextDocument *document = editor_.document();
    const int end = qMin(from + added, document->characterCount() - 1);
    // A selection's text is gathered piece by piece of the document's store, each found
    // again from its position: after a pass that edits every tag, that costs more than
    // copying the whole text, pieces taken in order. So a large change is looked at in
    // the whole text.
    if (end - from > document->characterCount() / 8) {
        const QString text = document->toRawText();
        look(QStringView(text).sliced(from, end - from));
        return;
    }
    QTextCursor range(document);
    range.setPosition(from);
    range.setPosition(end, QTextCursor::KeepAnchor);
    look(range.selectedText());
}

void ScriptShaping::look(QStringView text)
{
    if (shaped_ || DrawsWithoutShaping(text))
        return;
    shaped_ = true;
    setShaping(editor_, true);
}
