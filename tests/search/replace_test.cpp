#include "search/search_fixture.h"

#include "platform/rich_text_box.h"

#include <QMdiArea>

#include <tuple>

namespace {

class ReplaceTest : public SearchTest
{
protected:
    // Edit > Replace with the two texts typed in.
    void openReplace(const QString &find, const QString &with)
    {
        choose("mnuEditReplace");
        enter("frmReplace", "Text1", find);
        enter("frmReplace", "Text2", with);
    }

    void replaceAll(const QString &find, const QString &with)
    {
        openReplace(find, with);
        press("frmReplace", "cmdReplaceAll");
    }
};

TEST_F(ReplaceTest, ReplaceAllLooksFirstWithinTheSelectionCountsWhatItReplacedAndKeepsColoursAndLineEndings)
{
    const std::tuple<const char *, int, int, const char *, const char *, bool, const char *, const char *> cases[] = {
        {"one two one", 0, 0, "one", "1", false, "1 two 1", "2 replacements made"},
        {"1 two 1", 0, 0, "two", "2", false, "1 2 1", "1 replacement made"},
        {"abc ABC Straße abc", 0, 0, "abc", "x", true, "x ABC Straße x", "2 replacements made"},
        {"abc ABC Straße abc", 0, 0, "abc", "x", false, "x x Straße x", "3 replacements made"},
        // Upper-casing the whole text would find SS in ß and shift every later position.
        {"x Straße x", 0, 0, "STRASSE", "y", false, "x Straße x", "Can't find \"STRASSE\"; try another search"},
        {"x Straße x", 0, 0, "e x", "E!", false, "x StraßE!", "1 replacement made"},
        // A selection holding no occurrence: nothing at all is replaced, least of all the
        // selected text.
        {"cat dog cat", 4, 3, "cat", "cow", false, "cat dog cat", "Can't find \"cat\"; try another search"},
        {"cat dog cat", 8, 3, "cat", "cow", false, "cat dog cow", "1 replacement made"},
        {"keep this", 0, 4, "", "lose", false, "keep this", "Can't find \"\"; try another search"},
        {"1 2 1", 0, 0, "three", "3", false, "1 2 1", "Can't find \"three\"; try another search"},
    };
    start();
    for (const auto &[text, selStart, selLength, find, with, matchCase, after, message] : cases) {
        SCOPED_TRACE(find);
        editor().SetText(QString::fromUtf8(text));
        editor().SetSelection(selStart, selLength);
        choose("mnuEditReplace");
        tick("frmReplace", "chkCase", matchCase);
        messages().shown.clear();
        replaceAll(find, with);
        EXPECT_EQ(editor().Text(), QString::fromUtf8(after));
        EXPECT_EQ(onlyMessage(), QString::fromUtf8(message));
    }
    EXPECT_EQ(search().FindText, "");

    // One undo step, and a count past sixteen bits.
    const QString many(33000, QLatin1Char('a'));
    editor().SetText(many + QStringLiteral("\nend"));
    replaceAll("A", "bb");
    EXPECT_EQ(lastMessage(), "33000 replacements made");
    EXPECT_EQ(editor().Text(), QString(66000, QLatin1Char('b')) + QStringLiteral("\nend"));
    activeEditor()->undo();
    EXPECT_EQ(editor().Text(), many + QStringLiteral("\nend"));

    // Every character keeps its colour and every line its ending; a break inside a line stays.
    store("ColorOfTags", "ColorOfTags", "255");
    start();
    open(writeFile("mixed.htm", "<a href=\"data\">data</a> DATA data\r\nx data <i>data</i>data\ndata"));
    choose("mnuOptionsColorTagBrackets");
    // A break typed inside the first line, between two of its occurrences.
    editor().SetSelection(28, 1);
    QTest::keyClick(activeEditor(), Qt::Key_Return, Qt::ShiftModifier);
    replaceAll("data", "datum");
    EXPECT_EQ(lastMessage(), "8 replacements made");
    const QString after = "<a href=\"datum\">datum</a> datum\ndatum\nx datum <i>datum</i>datum\ndatum";
    ASSERT_EQ(editor().Text(), after);
    EXPECT_EQ(activeEditor()->document()->blockCount(), 3);
    // Red exactly within the tags.
    QString red, expected;
    bool inTag = false;
    for (int at = 0; at < after.size(); ++at) {
        inTag = inTag || after[at] == '<';
        expected += inTag ? 'r' : '.';
        inTag = inTag && after[at] != '>';
        red += colorAt(activeDocument(), at) == QColor(255, 0, 0) ? 'r' : '.';
    }
    EXPECT_EQ(red, expected);

    choose("mnuFileSave");
    EXPECT_EQ(readFile(tempPath("mixed.htm")),
              "<a href=\"datum\">datum</a> datum\r\ndatum\r\nx datum <i>datum</i>datum\ndatum");
    activeEditor()->undo();
    EXPECT_EQ(editor().Text(), "<a href=\"data\">data</a> DATA\ndata\nx data <i>data</i>data\ndata");
}

TEST_F(ReplaceTest, OnlyAReplacementMakesReplaceUsableWhichTakesTheSelectionOrFindsTheNextOccurrence)
{
    startWith("one two one", 0);
    click("Find");
    ASSERT_NE(dialog("frmReplace"), nullptr);
    EXPECT_TRUE(control<QPushButton>("frmReplace", "cmdUndo")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("frmReplace", "cmdFind")->isEnabled());
    for (const QString &with : {"x", ""})
        for (const char *name : {"cmdReplace", "cmdReplaceAll"}) {
            enter("frmReplace", "Text2", with);
            EXPECT_EQ(control<QPushButton>("frmReplace", name)->isEnabled(), !with.isEmpty()) << name;
        }

    editor().SetSelection(4, 3);
    openReplace("one", "1");
    press("frmReplace", "cmdReplace");
    EXPECT_EQ(editor().Text(), "one 1 one");
    EXPECT_EQ(search().FindText, "one");
    EXPECT_EQ(search().ReplaceText, "1");

    editor().SetSelStart(0);
    press("frmReplace", "cmdReplace");
    EXPECT_EQ(editor().Text(), "1 1 one");
    EXPECT_EQ(editor().SelStart(), 1);
    EXPECT_EQ(search().LastMatchStart, 1);
    press("frmReplace", "cmdReplace");
    EXPECT_EQ(editor().Text(), "1 1 1");
    EXPECT_TRUE(messages().shown.isEmpty());

    press("frmReplace", "cmdReplace");
    EXPECT_EQ(editor().Text(), "1 1 1");
    EXPECT_EQ(lastMessage(), "Sorry, can't find \"one.\" Try another search ...");

    // An empty find text replaces nothing, not even the selection.
    editor().SetSelection(0, 1);
    enter("frmReplace", "Text1", "");
    press("frmReplace", "cmdReplace");
    EXPECT_EQ(editor().Text(), "1 1 1");
    EXPECT_EQ(lastMessage(), "Sorry, can't find \".\" Try another search ...");

    // Upwards, a selection that only begins with a match of the expression is none: the
    // one before goes.
    editor().SetText("a ab");
    editor().SetSelection(2, 2);
    tick("frmReplace", "optDirection0");
    tick("frmReplace", "chkRegularExpression", true);
    enter("frmReplace", "Text1", "a");
    press("frmReplace", "cmdReplace");
    EXPECT_EQ(editor().Text(), "1 ab");
    // A letter beyond the first 65,536 carries a word on, so "cat" before one is no whole word.
    editor().SetText(QString::fromUtf8("x cat\U0001D400"));
    editor().SetSelection(2, 3);
    tick("frmReplace", "chkWholeWord", true);
    enter("frmReplace", "Text1", "cat");
    press("frmReplace", "cmdReplace");
    EXPECT_EQ(editor().Text(), QString::fromUtf8("x cat\U0001D400"));
}

TEST_F(ReplaceTest, UndoLastRestoresOnceAndOnlyIntoItsOwnDocumentWhileItIsOpen)
{
    startWith("one two one", 0);
    replaceAll("one", "1");
    press("frmReplace", "cmdUndo");
    EXPECT_EQ(editor().Text(), "one two one");
    editor().SetText("typed since");
    press("frmReplace", "cmdUndo");
    EXPECT_EQ(editor().Text(), "typed since");

    replaceAll("typed", "written");
    frmNotePad *first = activeDocument();
    choose("mnuFileNew");
    editor().SetText("other document");
    press("frmReplace", "cmdUndo");
    EXPECT_EQ(editor().Text(), "other document");
    frame().mdiArea()->setActiveSubWindow(first);
    press("frmReplace", "cmdUndo");
    EXPECT_EQ(editor().Text(), "typed since");

    // Once the document replaced in has closed, Undo Last does nothing.
    frame().mdiArea()->setActiveSubWindow(openDocuments()[1]);
    replaceAll("other", "one");
    messages().queue({MsgAnswer::No});
    choose("mnuFileClose");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(openDocuments().size(), 1);
    click("Find");
    press("frmReplace", "cmdUndo");
    EXPECT_EQ(editor().Text(), "typed since");
}

}  // namespace
