#include "search/search_fixture.h"

#include "platform/rich_text_box.h"
#include "search/find_next_match.h"

#include <QMdiArea>
#include <QProxyStyle>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>

namespace {

// Desktop styles grey out an unfocused editor's selection.
class GreyingStyle : public QProxyStyle
{
public:
    QPalette standardPalette() const override
    {
        QPalette palette = QProxyStyle::standardPalette();
        palette.setBrush(QPalette::Inactive, QPalette::Highlight, Qt::lightGray);
        palette.setBrush(QPalette::Inactive, QPalette::HighlightedText, Qt::darkGray);
        return palette;
    }
};

class FindTest : public SearchTest
{
protected:
    // Edit > Find, then the text typed into the dialog and Find clicked.
    void findWithDialog(const QString &text)
    {
        choose("mnuEditFind");
        enter("frmFind", "Text1", text);
        press("frmFind", "cmdFind");
    }

    void expectSelection(int start, int length)
    {
        EXPECT_EQ(editor().SelStart(), start);
        EXPECT_EQ(editor().SelLength(), length);
    }
};

TEST_F(FindTest, FindNextGoesOnFromTheOccurrenceFoundStopsAtTheEndAndLandsOnTheNextOccurrenceInTheDirectionAndCaseChosen)
{
    startWith("abcabc", 0);
    GreyingStyle greying;
    activeEditor()->setStyle(&greying);
    activeEditor()->setPalette(greying.standardPalette());
    findWithDialog("bc");
    expectSelection(1, 2);
    // The occurrence stays highlighted while the focus is in the dialog.
    const QPalette palette = activeEditor()->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        EXPECT_EQ(palette.brush(QPalette::Inactive, role), palette.brush(QPalette::Active, role)) << role;

    // Same caret, but a new text: the occurrence under the caret counts again.
    enter("frmFind", "Text1", "b");
    EXPECT_EQ(finds(1), "1+1");
    EXPECT_EQ(finds(1, true), "4+1");
    // A caret moved onto an occurrence starts a fresh search there.
    editor().SetSelStart(1);
    EXPECT_EQ(finds(3, true), "1+1 4+1 !4+1");
    EXPECT_EQ(onlyMessage(), "Sorry, can't find \"b.\" Try another search ...");
    activeEditor()->setStyle(nullptr);

    // Find Next searches the text as it is now, after every kind of change.
    editor().SetText("abc abc abc");
    editor().SetSelStart(0);
    findWithDialog("abc");
    expectSelection(0, 3);

    // Typed text moves the occurrences after it.
    editor().SetSelStart(4);
    type("abc");
    EXPECT_EQ(finds(1, true), "7+3");

    // Undo moves them back.
    choose("mnuEditUndoLast");
    editor().SetSelStart(5);
    EXPECT_EQ(finds(1, true), "8+3");

    // Another document holds its own text.
    frmNotePad *first = activeDocument();
    choose("mnuFileNew");
    editor().SetText("xx abc");
    EXPECT_EQ(finds(1, true), "3+3");
    // So does one changed as often.
    choose("mnuFileNew");
    editor().SetText("abc");
    EXPECT_EQ(finds(1, true), "0+3");
    frame().mdiArea()->setActiveSubWindow(first);
    editor().SetSelStart(1);
    EXPECT_EQ(finds(1, true), "4+3");

    // The same text searched again with case mattering.
    editor().SetText("ABC abc");
    editor().SetSelStart(0);
    findWithDialog("abc");
    expectSelection(0, 3);
    editor().SetSelStart(0);
    tick("frmFind", "chkCase");
    EXPECT_EQ(finds(1), "4+3");

    // Each find lands on the next occurrence in the direction and case chosen.
    const std::tuple<const char *, int, bool, bool, const char *, std::string> rows[] = {
        {"abcabc", 6, true, false, "bc", "4+2 1+2 !1+2"},
        // An occurrence at the very start is found from just after its first character,
        // and nothing from the start itself.
        {"abcabc", 1, true, false, "ab", "0+2 !0+2"},
        // Upper-casing the whole text would turn ß into SS and shift every later position.
        {"Straße ABC abc", 0, false, false, "abc", "7+3 11+3 !11+3"},
        {"Straße ABC abc", 0, false, false, "STRASSE", "!0+0"},
        {"Straße ABC abc", 0, false, true, "abc", "11+3 !11+3"},
        // The characters beside the ASCII letters have no case.
        {"@[ `{ z", 0, false, false, "`{", "3+2"},
        {"@[ `{ z", 0, false, false, "Z", "6+1"},
    };
    start();
    choose("mnuEditFind");
    for (const auto &[text, caret, up, matchCase, find, lands] : rows) {
        SCOPED_TRACE(std::string(find) + " in " + text);
        editor().SetText(QString::fromUtf8(text));
        editor().SetSelStart(caret);
        tick("frmFind", up ? "optDirection0" : "optDirection1");
        tick("frmFind", "chkCase", matchCase);
        EXPECT_EQ(search().MatchCase, int(matchCase));
        enter("frmFind", "Text1", find);
        EXPECT_EQ(finds(int(std::count(lands.begin(), lands.end(), ' ')) + 1), lands);
    }
}

TEST_F(FindTest, OpeningTakesTheSelectionAndCloseKeepsWhatTheDialogHolds)
{
    startWith("one two", 0);
    editor().SetSelection(4, 3);
    search().MatchCase = 1;
    choose("mnuEditFind");
    EXPECT_EQ(control<QLineEdit>("frmFind", "Text1")->text(), "two");
    EXPECT_TRUE(control<QPushButton>("frmFind", "cmdFind")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("frmFind", "chkCase")->isChecked());
    EXPECT_TRUE(search().FindTextChanged);

    enter("frmFind", "Text1", "one");
    QTest::keyClick(control<QLineEdit>("frmFind", "Text1"), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialog("frmFind"), nullptr);
    EXPECT_EQ(search().FindText, "one");

    // Nothing selected: the dialog offers the last find text. Its close box keeps nothing.
    editor().SetSelStart(0);
    choose("mnuEditFind");
    EXPECT_EQ(control<QLineEdit>("frmFind", "Text1")->text(), "one");
    enter("frmFind", "Text1", "other");
    dialog("frmFind")->close();
    EXPECT_EQ(search().FindText, "one");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // A selection of any length is looked for whole.
    const QString block(40000, 'x');
    editor().SetText(block + "y" + block);
    editor().SetSelection(0, 40000);
    choose("mnuEditFind");
    EXPECT_EQ(control<QLineEdit>("frmFind", "Text1")->text().size(), 40000);
    EXPECT_EQ(finds(2), "0+40000 40001+40000");
}

}  // namespace
