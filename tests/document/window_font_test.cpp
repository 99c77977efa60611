#include "support/program_fixture.h"

#include "document/line_number_gutter.h"
#include "document/notepad_window.h"
#include "document/window_font.h"
#include "platform/color_number.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QClipboard>
#include <QTextCursor>
#include <QTest>

#include <tuple>

namespace {

// The font the editor shows for the character before `position` (at the caret when -1).
QFont fontAt(RichTextBox *editor, int position = -1)
{
    QTextCursor cursor = editor->textCursor();
    if (position >= 0)
        cursor.setPosition(position);
    return cursor.charFormat().font().resolve(editor->document()->defaultFont());
}

class WindowFontTest : public ProgramTest
{
protected:
    // Opens Window Font and cancels it: what the dialog offered.
    ScriptedDialogs::Request offered()
    {
        choose("mnuOptionsWindowFont", {});
        return dialogs().requests.back();
    }
    // The face, size, weight, slant and colour the dialog offered.
    std::tuple<QString, double, bool, bool, std::uint32_t> offeredFont()
    {
        const ScriptedDialogs::Request request = offered();
        return {request.fontName, request.fontSize, request.bold, request.italic, request.color};
    }
};

TEST_F(WindowFontTest, TheEditorsFontIsOfferedUntilOneIsChosenThenStoredAndShownLaterUnlessItsSizeIsUnusable)
{
    start();
    const QFont before = activeEditor()->font();
    activeEditor()->setPalette(QPalette(QColor(0xEE, 0xEE, 0xEE), Qt::black));
    EXPECT_EQ(offeredFont(), std::tuple(before.family(), before.pointSizeF(), before.bold(), before.italic(),
                                        toColorNumber(activeEditor()->palette().color(QPalette::Text))));
    // Cancelled: nothing stored, nothing applied.
    EXPECT_TRUE(settings().readAll("Font").isEmpty());
    type("abc");
    EXPECT_EQ(fontAt(activeEditor()), before);

    dialogs().answerFont("DejaVu Serif", 24, true, 0x0000C0);
    choose("mnuOptionsWindowFont");
    EXPECT_EQ(stored("Font", {"FontName", "FontSize", "FontBold", "FontItalic", "FontStrikethru", "FontUnderline", "ForeColor"}),
              QStringList({"DejaVu Serif", "24", "True", "False", "False", "False", "192"}));
    // The line numbers take the family and size, now and in later windows, and widen with them.
    const auto expectNumbersInTheFont = [this] {
        const QFont numbers = GutterOf(activeDocument())->font();
        EXPECT_EQ(std::tuple(numbers.family(), numbers.pointSizeF()), std::tuple(QString("DejaVu Serif"), 24.0));
        EXPECT_FALSE(numbers.bold() || numbers.underline() || numbers.strikeOut());
        EXPECT_GE(GutterOf(activeDocument())->width(), QFontMetrics(numbers).horizontalAdvance("99"));
    };
    expectNumbersInTheFont();

    choose("mnuFileNew");
    expectNumbersInTheFont();
    RichTextBox *editor = activeEditor();
    activeDocument()->editor().SetText("<P>loaded\r\ntext</P>");
    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    type("typed");
    for (int position : {1, 12, -1}) {
        const QFont shown = fontAt(editor, position);
        EXPECT_EQ(std::tuple(shown.family(), shown.pointSizeF(), shown.bold(), shown.italic()),
                  std::tuple(QString("DejaVu Serif"), 24.0, true, false))
            << position;
    }
    EXPECT_EQ(editor->palette().color(QPalette::Text), QColor(0xC0, 0, 0));

    // A later start offers what was stored, the italic switch included; an underlined,
    // struck-out window font keeps its line numbers plain.
    store("Font", "FontItalic", "True");
    store("Font", "FontUnderline", "True");
    store("Font", "FontStrikethru", "True");
    start();
    EXPECT_TRUE(activeEditor()->font().underline() && activeEditor()->font().strikeOut());
    expectNumbersInTheFont();
    EXPECT_EQ(offeredFont(), std::tuple(QString("DejaVu Serif"), 24.0, true, true, 0x0000C0u));

    // A stored size that is not a finite number, or beyond the font dialog's, is passed over.
    for (const char *size : {"inf", "-inf", "nan", "1e400", "0", "1639"}) {
        SCOPED_TRACE(size);
        store("Font", "FontSize", size);
        start();
        EXPECT_EQ(activeEditor()->font().family(), "DejaVu Serif");
        EXPECT_DOUBLE_EQ(activeEditor()->font().pointSizeF(), before.pointSizeF());
        EXPECT_DOUBLE_EQ(offered().fontSize, before.pointSizeF());
    }
}

} // namespace
