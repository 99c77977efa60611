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

    // The Croatian long time names its zone in brackets, which go with it.
    for (const auto &[locale, shown] : {std::pair{QLocale(QLocale::Catalan, QLocale::Spain), "14/3/26 15:09:26"},
                                        {QLocale(QLocale::Croatian, QLocale::Croatia), "14. 03. 2026. 15:09:26"}})
        EXPECT_EQ(TimeDateText(QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26)), locale), shown);
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
