#include "platform/script_shaping.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <cstring>
#include <memory>

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

void setShaping(QTextEdit &editor, bool on)
{
    QFont font = editor.font();
    const int strategy = font.styleStrategy();
    font.setStyleStrategy(QFont::StyleStrategy(on ? strategy & ~QFont::PreferNoShaping : strategy | QFont::PreferNoShaping));
    editor.setFont(font);
}

} // namespace

bool DrawsWithoutShaping(QStringView text)
{
    const char16_t *c = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = 0;
    // Pages are mostly Latin-1: four characters at a time pass when no high byte is set.
    for (; i + 4 <= size; i += 4) {
        quint64 four;
        std::memcpy(&four, c + i, sizeof four);
        if ((four & Q_UINT64_C(0xFF00FF00FF00FF00)) == 0)
            continue;
        for (qsizetype k = i; k < i + 4; ++k)
            if (!drawsWithoutShaping(c[k]))
                return false;
    }
    for (; i < size; ++i)
        if (!drawsWithoutShaping(c[i]))
            return false;
    return true;
}

void ShapeOnlyWhereNeeded(QTextEdit &editor)
{
    setShaping(editor, false);
    QTextDocument *document = editor.document();
    auto watch = std::make_shared<QMetaObject::Connection>();
    *watch = QObject::connect(document, &QTextDocument::contentsChange, &editor,
                              [&editor, document, watch](int from, int, int added) {
                                  QTextCursor range(document);
                                  range.setPosition(from);
                                  range.setPosition(qMin(from + added, document->characterCount() - 1),
                                                    QTextCursor::KeepAnchor);
                                  if (DrawsWithoutShaping(range.selectedText()))
                                      return;
                                  QObject::disconnect(*watch);
                                  setShaping(editor, true);
                              });
}
