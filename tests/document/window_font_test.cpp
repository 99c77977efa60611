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

TEST_F(WindowFontTest, TextIsShapedFromTheFirstCharacterThatNeedsItOnInThatWindow)
{
    const auto shaped = [this] { return !(activeEditor()->font().styleStrategy() & QFont::PreferNoShaping); };
    store("Font", "FontName", "DejaVu Serif");
    start();
    open(writeFile("latin.htm", "<p>Caf\xC3\xA9 \xE2\x80\x93 \xE2\x80\x9Cna\xC3\xAFve\xE2\x80\x9D "
                                "\xE2\x82\xAC" "5</p>"));
    EXPECT_EQ(activeEditor()->font().family(), "DejaVu Serif");
    EXPECT_FALSE(shaped());
    type("x");
    EXPECT_FALSE(shaped());
    // Arabic letters join: typed in, the window shapes its text, and keeps doing so.
    // (an Arabic keyboard layout sends each key with its letter as text)
    for (const QChar letter : QString::fromUtf8("\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85"))
        typeCharacter(letter);
    EXPECT_TRUE(shaped());
    activeEditor()->undo();
    EXPECT_TRUE(shaped());
    open(writeFile("hindi.htm", "<p>\xE0\xA4\xA8\xE0\xA4\xAE\xE0\xA4\xB8\xE0\xA5\x8D\xE0\xA4\xA4\xE0\xA5\x87</p>"));
    EXPECT_TRUE(shaped());
    choose("mnuFileNew");
    EXPECT_FALSE(shaped());
    // A paste that is most of the page, a Hebrew letter its last character.
    type("<p>");
    QGuiApplication::clipboard()->setText(QStringLiteral("<p>plain</p>\n").repeated(200) + QChar(0x05D0));
    choose("mnuEditPaste");
    EXPECT_TRUE(shaped());
}

TEST_F(WindowFontTest, WithoutSelectionOnlyTypedTextChangesAndASelectionMadeEitherWayIsChangedAndStored)
{
    start();
    RichTextBox *box = activeEditor();
    editor().SetText("old");
    editor().SetSelStart(3);
    dialogs().answerFont("DejaVu Serif", 20, false);
    choose("mnuOptionsWindowFont");
    type("new");
    EXPECT_NE(fontAt(box, 2).family(), "DejaVu Serif");
    EXPECT_EQ(fontAt(box, 5).family(), "DejaVu Serif");
    EXPECT_DOUBLE_EQ(fontAt(box, 5).pointSizeF(), 20);

    // "new" selected right to left: the caret stands after "old", outside the selection.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
    dialogs().answerFont("DejaVu Sans", 12, true, 192);
    choose("mnuOptionsWindowFont");
    EXPECT_NE(fontAt(box, 3).family(), "DejaVu Sans");
    for (int position = 4; position <= 6; ++position) {
        EXPECT_EQ(fontAt(box, position).family(), "DejaVu Sans") << position;
        EXPECT_TRUE(fontAt(box, position).bold()) << position;
    }
    EXPECT_EQ(editor().Text(), "oldnew");
    EXPECT_EQ(stored("Font", {"FontName", "FontSize", "FontBold", "ForeColor"}),
              QStringList({"DejaVu Sans", "12", "True", "192"}));

    // Selected to the end of a line, its line break included.
    editor().SetText("abc\r\ndefg");
    editor().SetSelStart(0);
    QTest::keyClick(box, Qt::Key_Down, Qt::ShiftModifier);
    dialogs().answerFont("DejaVu Serif", 14, true, 192);
    choose("mnuOptionsWindowFont");
    EXPECT_EQ(stored("Font", {"FontName", "FontSize", "FontBold"}), QStringList({"DejaVu Serif", "14", "True"}));
    choose("mnuFileNew");
    EXPECT_EQ(activeEditor()->font().family(), "DejaVu Serif");
    EXPECT_TRUE(activeEditor()->font().bold());
}

TEST(ApplyStoredFontTest, SwitchesTakeTrueFalseAndEmptyAndOtherValuesLeaveTheEditorsOwn)
{
    for (const auto &[value, startItalic, expected] : std::initializer_list<std::tuple<const char *, bool, bool>>{
             {"True", false, true}, {"False", true, false}, {"", true, false}, {"yes", true, true},
             {"true", false, false}}) {
        RichTextBox editor;
        QFont font = editor.font();
        font.setItalic(startItalic);
        editor.setFont(font);
        ApplyStoredFont(editor, {.FontItalic = QString::fromLatin1(value)});
        EXPECT_EQ(editor.font().italic(), expected) << value;
    }

    // Unreadable values leave the editor's own; readable ones are applied.
    RichTextBox editor;
    const QFont before = editor.font();
    FontSettings stored{.FontSize = "big", .FontBold = "maybe", .FontStrikethru = "maybe", .FontUnderline = "maybe",
                        .ForeColor = "red"};
    ApplyStoredFont(editor, stored);
    EXPECT_EQ(editor.font(), before);
    EXPECT_EQ(editor.palette().color(QPalette::Text), RichTextBox().palette().color(QPalette::Text));

    stored = {.FontSize = "10.5", .FontUnderline = "True", .ForeColor = "255"};
    ApplyStoredFont(editor, stored);
    EXPECT_DOUBLE_EQ(editor.font().pointSizeF(), 10.5);
    EXPECT_TRUE(editor.font().underline());
    EXPECT_EQ(editor.palette().color(QPalette::Text), QColor(255, 0, 0));
}

} // namespace
