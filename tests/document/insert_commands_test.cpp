#include "support/program_fixture.h"

#include "document/insert_fragments.h"
#include "document/notepad_window.h"
#include "document/special_buttons.h"
#include "platform/editor_surface.h"

#include <QLocale>

namespace {

class InsertCommandsTest : public ProgramTest
{
protected:
    EditorSurface &editor() { return activeDocument()->editor(); }

    // A fresh text with the given part of it selected.
    void setText(const QString &text, const QString &selected = QString())
    {
        editor().SetText(text);
        const qsizetype at = selected.isEmpty() ? text.size() : text.indexOf(selected);
        editor().SetSelStart(int(at));
        editor().SetSelLength(int(selected.size()));
    }

    void expectCaretAfter(const QString &inserted)
    {
        EXPECT_EQ(editor().SelStart(), editor().Text().indexOf(inserted) + inserted.size());
        EXPECT_EQ(editor().SelLength(), 0);
    }
};

struct ButtonOutput
{
    const char *key;
    const char *upper;
    const char *lower;
};

// What each button writes around the selected word "hello".
const ButtonOutput TableA[] = {
    {"Paragraph", "<P>hello</P>", "<p>hello</p>"},
    {"Break", "hello<BR>", "hello<br>"},
    {"Bold", "<B>hello</B>", "<b>hello</b>"},
    {"Italic", "<I>hello</I>", "<i>hello</i>"},
    {"Underline", "<U>hello</U>", "<u>hello</u>"},
    {"Center", "<CENTER>hello</CENTER>", "<center>hello</center>"},
    {"HeadOne", "<H1>hello</H1>", "<h1>hello</h1>"},
    {"HeadTwo", "<H2>hello</H2>", "<h2>hello</h2>"},
    {"HeadThree", "<H3>hello</H3>", "<h3>hello</h3>"},
    {"HeadFour", "<H4>hello</H4>", "<h4>hello</h4>"},
    {"HeadFive", "<H5>hello</H5>", "<h5>hello</h5>"},
    {"HeadSix", "<H6>hello</H6>", "<h6>hello</h6>"},
};

TEST_F(InsertCommandsTest, SpecialButtonsWrapOrFollowTheSelectionInBothCases)
{
    start();
    for (const bool lowercase : {false, true}) {
        frame().LowercaseTags = lowercase;
        for (const ButtonOutput &button : TableA) {
            const QString expected = lowercase ? button.lower : button.upper;
            setText("say Hello hello now", "hello");
            RunSpecialButton(frame(), button.key);
            EXPECT_EQ(editor().Text(), "say Hello " + expected + " now") << button.key;
            expectCaretAfter(expected);

            QString empty = expected;
            setText("");
            RunSpecialButton(frame(), button.key);
            EXPECT_EQ(editor().Text(), empty.remove("hello")) << button.key;
            expectCaretAfter(empty);
        }
    }
}

TEST_F(InsertCommandsTest, InsertMenuTagPairsMatchTheirButtons)
{
    start();
    const QList<QPair<const char *, const char *>> items = {
        {"mnuInsertBold", "Bold"},           {"mnuInsertItalic", "Italic"},
        {"mnuInsertUnderline", "Underline"}, {"mnuInsertParagraph", "Paragraph"},
        {"mnuInsertHeadingOne", "HeadOne"},  {"mnuInsertHeadingTwo", "HeadTwo"},
        {"mnuInsertHeadingThree", "HeadThree"}, {"mnuInsertHeadingFour", "HeadFour"},
        {"mnuInsertHeadingFive", "HeadFive"}, {"mnuInsertHeadingSix", "HeadSix"},
    };
    for (const auto &[item, key] : items) {
        setText("hello", "hello");
        choose(item);
        const QString fromMenu = editor().Text();
        setText("hello", "hello");
        RunSpecialButton(frame(), key);
        EXPECT_EQ(fromMenu, editor().Text()) << item;
    }
}

TEST_F(InsertCommandsTest, CommentHeaderTemplateAndRuleFollowOrWrapTheSelection)
{
    const QString head = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\n<HTML>\n<HEAD>\n<TITLE></TITLE>\n</HEAD>\n";
    const QString page = head + "<BODY>\n</BODY>\n</HTML>";
    const struct
    {
        const char *item;
        bool lowercase;
        QString text, selected, expected, caretAfter;
        int times = 1;
    } cases[] = {
        {"mnuInsertComment", true, "", "", "<!--  -->", "<!--  -->"},
        {"mnuInsertComment", true, "a TODO b", "TODO", "a <!-- TODO --> b", "<!-- TODO -->"},
        {"mnuInsertHeader", false, "hello", "hello", "hello" + head + "</HTML>", "</HTML>"},
        {"mnuInsertHeader", true, "Hello", "Hello", "Hello" + (head + "</HTML>").toLower(), "</html>"},
        // Twice, the second page joins the first on its last line.
        {"mnuInsertStandardTemplate", false, "", "", page + page, page + page, 2},
        {"mnuInsertStandardTemplate", true, "", "", (page + page).toLower(), (page + page).toLower(), 2},
        {"mnuInsertRule", true, "Top", "Top", "Top<hr width=\"95%\" align=\"center\">", "align=\"center\">"},
        {"mnuInsertRule", false, "", "", "<HR WIDTH=\"95%\" ALIGN=\"CENTER\">", "<HR WIDTH=\"95%\" ALIGN=\"CENTER\">"},
    };
    start();
    for (const auto &c : cases) {
        frame().LowercaseTags = c.lowercase;
        setText(c.text, c.selected);
        for (int time = 0; time < c.times; ++time)
            choose(c.item);
        EXPECT_EQ(editor().Text(), c.expected) << c.item;
        expectCaretAfter(c.caretAfter);
    }
}

TEST_F(InsertCommandsTest, TimeAndDateReplacesTheSelectionInTheLocalesForm)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    start();
    clock().time = QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26));
    setText("Updated: DATE.", "DATE");
    choose("mnuInsertTimeDate");
    EXPECT_EQ(editor().Text(), "Updated: 3/14/26 3:09:26 PM.");

    clock().time = QDateTime(QDate(2026, 3, 15), QTime(0, 0));
    setText("");
    choose("mnuInsertTimeDate");
    EXPECT_EQ(editor().Text(), "3/15/26");

    clock().time = QDateTime(QDate(2026, 3, 15), QTime(0, 0, 1));
    setText("");
    choose("mnuInsertTimeDate");
    EXPECT_EQ(editor().Text(), "3/15/26 12:00:01 AM");
    QLocale::setDefault(before);

    EXPECT_EQ(TimeDateText(QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26)), QLocale(QLocale::German, QLocale::Germany)),
              "14.03.26 15:09:26");
    EXPECT_EQ(TimeDateText(QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26)), QLocale(QLocale::Catalan, QLocale::Spain)),
              "14/3/26 15:09:26");
}

} // namespace
