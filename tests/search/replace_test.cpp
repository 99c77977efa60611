#include "search/search_fixture.h"

#include <QLabel>
#include <QMdiArea>
#include <QTextEdit>

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

TEST_F(ReplaceTest, TheToolbarButtonOpensTheDialogWithNothingToApplyAndWithoutTheSelection)
{
    startWith("one two", 0);
    selection(0, 3);
    click("Find");
    SearchDialog *form = dialog("frmReplace");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(control<QPushButton>("frmReplace", "cmdUndo")->isEnabled());
    EXPECT_TRUE(control<QRadioButton>("frmReplace", "optDirection1")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("frmReplace", "chkCase")->isChecked());
    for (const char *name : {"cmdFind", "cmdReplace", "cmdReplaceAll"})
        EXPECT_FALSE(control<QPushButton>("frmReplace", name)->isEnabled()) << name;

    enter("frmReplace", "Text2", "x");
    EXPECT_TRUE(control<QPushButton>("frmReplace", "cmdReplace")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("frmReplace", "cmdReplaceAll")->isEnabled());
    enter("frmReplace", "Text2", "");
    EXPECT_FALSE(control<QPushButton>("frmReplace", "cmdReplace")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("frmReplace", "cmdReplaceAll")->isEnabled());
    EXPECT_EQ(control<QLineEdit>("frmReplace", "Text1")->text(), "");
    EXPECT_FALSE(search().FindTextChanged);

    // The menu item offers the selection.
    choose("mnuEditReplace");
    EXPECT_EQ(control<QLineEdit>("frmReplace", "Text1")->text(), "one");
    EXPECT_TRUE(search().FindTextChanged);
}

TEST_F(ReplaceTest, ReplaceAllCountsWhatItReplaced)
{
    startWith("one two one", 0);
    replaceAll("one", "1");
    EXPECT_EQ(editor().Text(), "1 two 1");
    EXPECT_EQ(onlyMessage(), "2 replacements made");

    replaceAll("two", "2");
    EXPECT_EQ(editor().Text(), "1 2 1");
    EXPECT_EQ(lastMessage(), "1 replacement made");

    replaceAll("three", "3");
    EXPECT_EQ(editor().Text(), "1 2 1");
    EXPECT_EQ(lastMessage(), "Can't find \"three\"; try another search");
    EXPECT_EQ(search().FindText, "");
}

TEST_F(ReplaceTest, ReplaceAllHonoursMatchCaseAndKeepsPositions)
{
    startWith("abc ABC Straße abc", 0);
    choose("mnuEditReplace");
    tick("frmReplace", "chkCase");
    enter("frmReplace", "Text1", "abc");
    enter("frmReplace", "Text2", "x");
    press("frmReplace", "cmdReplaceAll");
    EXPECT_EQ(editor().Text(), "x ABC Straße x");

    tick("frmReplace", "chkCase");
    enter("frmReplace", "Text1", "abc");
    editor().SetSelStart(0);
    press("frmReplace", "cmdReplaceAll");
    EXPECT_EQ(editor().Text(), "x x Straße x");
    replaceAll("STRASSE", "y");
    EXPECT_EQ(editor().Text(), "x x Straße x");
    editor().SetSelStart(0);
    replaceAll("e x", "E!");
    EXPECT_EQ(editor().Text(), "x x StraßE!");
}

TEST_F(ReplaceTest, ReplaceAllIsOneUndoStepAndCountsPastSixteenBits)
{
    const QString many(33000, QLatin1Char('a'));
    startWith(many + QStringLiteral("\nend"), 0);
    replaceAll("A", "bb");
    EXPECT_EQ(lastMessage(), "33000 replacements made");
    EXPECT_EQ(editor().Text(), QString(66000, QLatin1Char('b')) + QStringLiteral("\nend"));
    activeEditor()->undo();
    EXPECT_EQ(editor().Text(), many + QStringLiteral("\nend"));
}

TEST_F(ReplaceTest, ReplaceAllLooksFirstWithinTheSelection)
{
    startWith("cat dog cat", 0);
    selection(4, 3);
    // The selection holds no occurrence: nothing at all is replaced, least of all the
    // selected text.
    replaceAll("cat", "cow");
    EXPECT_EQ(editor().Text(), "cat dog cat");
    EXPECT_EQ(lastMessage(), "Can't find \"cat\"; try another search");

    selection(8, 3);
    replaceAll("cat", "cow");
    EXPECT_EQ(editor().Text(), "cat dog cow");
    EXPECT_EQ(lastMessage(), "1 replacement made");
}

TEST_F(ReplaceTest, ReplaceTakesTheSelectionOrFindsTheNextOccurrence)
{
    startWith("one two one", 0);
    selection(4, 3);
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
}

TEST_F(ReplaceTest, AnEmptyFindTextReplacesNothing)
{
    startWith("keep this", 0);
    selection(0, 4);
    choose("mnuEditReplace");
    enter("frmReplace", "Text1", "");
    enter("frmReplace", "Text2", "lose");
    press("frmReplace", "cmdReplace");
    EXPECT_EQ(editor().Text(), "keep this");
    EXPECT_EQ(lastMessage(), "Sorry, can't find \".\" Try another search ...");
    press("frmReplace", "cmdReplaceAll");
    EXPECT_EQ(editor().Text(), "keep this");
    EXPECT_EQ(lastMessage(), "Can't find \"\"; try another search");
}

TEST_F(ReplaceTest, UndoLastRestoresOnceAndOnlyIntoItsOwnDocument)
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
}

TEST_F(ReplaceTest, UndoLastDoesNothingOnceItsDocumentHasClosed)
{
    startWith("one", 0);
    choose("mnuFileNew");
    editor().SetText("one");
    replaceAll("one", "two");
    messages().queue({MsgAnswer::No});
    choose("mnuFileClose");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(openDocuments().size(), 1);
    click("Find");
    press("frmReplace", "cmdUndo");
    EXPECT_EQ(editor().Text(), "one");
}

}  // namespace
