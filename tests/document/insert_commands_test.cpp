#include "support/program_fixture.h"

#include "document/insert_fragments.h"
#include "document/notepad_window.h"
#include "platform/editor_surface.h"

#include <QDir>
#include <QLocale>
#include <QProcess>

namespace {

// The text a printed PDF holds, as a reader extracts it, with its blanks collapsed.
std::string pdfText(const QString &pdf)
{
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!extract.waitForFinished(30000) || extract.exitCode() != 0)
        return "<pdftotext failed: " + extract.errorString().toStdString() + ">";
    return QString::fromUtf8(extract.readAllStandardOutput()).simplified().toStdString();
}

class InsertCommandsTest : public ProgramTest
{
protected:
    // A fresh text with the given part of it selected.
    void setText(const QString &text, const QString &selected = QString())
    {
        editor().SetText(text);
        const qsizetype at = selected.isEmpty() ? text.size() : text.indexOf(selected);
        editor().SetSelection(int(at), int(selected.size()));
    }

    void expectCaretAfter(const QString &inserted)
    {
        EXPECT_EQ(editor().SelStart(), editor().Text().indexOf(inserted) + inserted.size());
        EXPECT_EQ(editor().SelLength(), 0);
    }
};

// What each Special toolbar button, and the Insert menu item beside it, writes around the selected word
// "hello" when tags are upper case.
const struct
{
    const char *key, *item, *upper;
} TableA[] = {
    {"Paragraph", "mnuInsertParagraph", "<P>hello</P>"},
    {"Break", nullptr, "hello<BR>"},
    {"Bold", "mnuInsertBold", "<B>hello</B>"},
    {"Italic", "mnuInsertItalic", "<I>hello</I>"},
    {"Underline", "mnuInsertUnderline", "<U>hello</U>"},
    {"Center", nullptr, "<CENTER>hello</CENTER>"},
    {"HeadOne", "mnuInsertHeadingOne", "<H1>hello</H1>"},
    {"HeadTwo", "mnuInsertHeadingTwo", "<H2>hello</H2>"},
    {"HeadThree", "mnuInsertHeadingThree", "<H3>hello</H3>"},
    {"HeadFour", "mnuInsertHeadingFour", "<H4>hello</H4>"},
    {"HeadFive", "mnuInsertHeadingFive", "<H5>hello</H5>"},
    {"HeadSix", "mnuInsertHeadingSix", "<H6>hello</H6>"},
};

TEST_F(InsertCommandsTest, SpecialButtonsAndTheirMenuItemsWrapOrFollowTheSelectionInBothCases)
{
    start();
    for (const bool lowercase : {false, true}) {
        frame().LowercaseTags = lowercase;
        for (const auto &button : TableA) {
            SCOPED_TRACE(button.key);
            const QString expected = lowercase ? QString(button.upper).toLower() : QString(button.upper);
            setText("say Hello hello now", "hello");
            if (button.item)
                choose(button.item);
            else
                click(button.key);
            EXPECT_EQ(editor().Text(), "say Hello " + expected + " now");
            expectCaretAfter(expected);

            QString empty = expected;
            setText("");
            click(button.key);
            EXPECT_EQ(editor().Text(), empty.remove("hello"));
            expectCaretAfter(empty);
        }
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
    // Midnight to the second is the date alone.
    for (const auto &[time, shown] : {std::pair{QTime(15, 9, 26), "Updated: 3/14/26 3:09:26 PM."},
                                      std::pair{QTime(0, 0), "Updated: 3/14/26."},
                                      std::pair{QTime(0, 0, 1), "Updated: 3/14/26 12:00:01 AM."}}) {
        clock().time = QDateTime(QDate(2026, 3, 14), time);
        setText("Updated: DATE.", "DATE");
        choose("mnuInsertTimeDate");
        EXPECT_EQ(editor().Text(), shown);
    }
    QLocale::setDefault(before);

    EXPECT_EQ(TimeDateText(QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26)), QLocale(QLocale::German, QLocale::Germany)),
              "14.03.26 15:09:26");
    EXPECT_EQ(TimeDateText(QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26)), QLocale(QLocale::Catalan, QLocale::Spain)),
              "14/3/26 15:09:26");
}

TEST_F(InsertCommandsTest, InsertFileGoesInAtTheCaretOrOverTheSelectionAsPlainText)
{
    start();
    type("before after");
    editor().SetSelStart(7);
    choose("mnuInsertFile", writeFile("part.htm", "<b>in</b>\r\nside"));
    EXPECT_EQ(dialogs().requests[0].kind, ScriptedDialogs::Kind::Open);
    EXPECT_EQ(editor().Text(), "before <b>in</b>\nsideafter");
    EXPECT_EQ(editor().SelStart(), 21);

    // Eight-bit files are read as such; a rich text name still inserts its plain text.
    editor().SetText("one two three");
    editor().SetSelection(4, 3);
    choose("mnuInsertFile", writeFile("latin.txt", "caf\xE9"));
    EXPECT_EQ(editor().Text(), QString::fromUtf8("one café three"));
    // A stray byte in UTF-8 goes in as the letter it stands for, never as a byte's box.
    editor().SetText("");
    choose("mnuInsertFile", writeFile("mixed.htm", "gr\xC3\xBC\xC3\x9F caf\xE9"));
    EXPECT_EQ(editor().Text(), QString::fromUtf8("grüß café"));
    EXPECT_EQ(onlyMessage(), "File " + tempPath("mixed.htm") + " is UTF-8 but for a few stray bytes; the first, 0xE9, "
                             "is on line 1, column 9.\r\nEach went in as the Windows-1252 character it stands for.");
    messages().shown.clear();
    editor().SetText("");
    choose("mnuInsertFile", writeFile("doc.rtf", "{\\rtf1 x}"));
    EXPECT_EQ(editor().Text(), "{\\rtf1 x}");

    // Cancelled, nothing changes.
    choose("mnuInsertFile", {});
    EXPECT_TRUE(messages().shown.isEmpty());
    EXPECT_EQ(editor().Text(), "{\\rtf1 x}");
}

TEST_F(InsertCommandsTest, PrintPrintsTheSelectionOrTheWholeDocumentAndCancelNothing)
{
    start();
    type("alpha beta gamma");
    dialogs().answerPrint(tempPath("all.pdf"));
    choose("mnuFilePrint");
    // The page number at the foot is Qt's own.
    EXPECT_EQ(pdfText(tempPath("all.pdf")), "alpha beta gamma 1");

    editor().SetSelection(6, 4);
    dialogs().answerPrint(tempPath("selection.pdf"));
    choose("mnuFilePrint");
    EXPECT_EQ(pdfText(tempPath("selection.pdf")), "beta 1");

    choose("mnuFilePrint", {});
    EXPECT_EQ(dialogs().requests.size(), 3);
    // The dialog offers to print the selection only while there is one.
    EXPECT_FALSE(dialogs().requests[0].flags & cdl::PDSelection);
    EXPECT_TRUE(dialogs().requests[1].flags & cdl::PDSelection);
    EXPECT_EQ(QDir(temp_.path()).entryList({QStringLiteral("*.pdf")}).size(), 2);
}

} // namespace
