#include "search/search_fixture.h"

#include "platform/rich_text_box.h"

#include <tuple>

namespace {

class ExpressionSearchTest : public SearchTest
{
protected:
    // Edit > Find (or Replace) with the options ticked as given and the pattern typed in.
    void openWith(const char *form, const QString &pattern, bool expression, bool wholeWord = false)
    {
        choose(QLatin1String(form) == QLatin1String("frmFind") ? "mnuEditFind" : "mnuEditReplace");
        tick(form, "chkRegularExpression", expression);
        tick(form, "chkWholeWord", wholeWord);
        enter(form, "Text1", pattern);
    }

    void replaceAll(const QString &text, int selStart, int selLength, const QString &pattern, const QString &with)
    {
        editor().SetText(text);
        editor().SetSelection(selStart, selLength);
        messages().shown.clear();
        enter("frmReplace", "Text1", pattern);
        enter("frmReplace", "Text2", with);
        press("frmReplace", "cmdReplaceAll");
    }
};

TEST_F(ExpressionSearchTest, FindWalksMatchesOfAnyLengthOnceEachWayIgnoresCaseExactlyAndRefusesABrokenPattern)
{
    startWith("ab\n\nabb x", 0);
    openWith("frmFind", "^", true);
    // Empty matches at each line's start, then the end: no loop, no place twice.
    EXPECT_EQ(finds(4), "0+0 3+0 4+0 !4+0");
    enter("frmFind", "Text1", "b+\\s+a");
    editor().SetSelStart(0);
    EXPECT_EQ(finds(2), "1+4 !1+4") << "a pattern across lines sees each break as \\n";
    tick("frmFind", "optDirection0");
    enter("frmFind", "Text1", "a|x");
    editor().SetSelStart(9);
    EXPECT_EQ(finds(4), "8+1 4+1 0+1 !0+1");

    // Broken: the message names the error and where; nothing moves.
    editor().SetSelection(2, 1);
    enter("frmFind", "Text1", "a(b");
    EXPECT_EQ(finds(1), "!2+1");
    EXPECT_EQ(onlyMessage(), "Can't use the regular expression \"a(b\": missing closing parenthesis at offset 3");

    // Ignoring case keeps positions exact, and whole words stand alone.
    // "ß" upper-cases to two letters; "ẞ" is its capital.
    startWith(QStringLiteral("Straße ß x STRASSE"), 0);
    openWith("frmFind", "X|\\x{1E9E}", true);
    EXPECT_EQ(finds(4), "4+1 7+1 9+1 !9+1");

    editor().SetText("cat concat cat_s cat. Cat");
    editor().SetSelStart(0);
    openWith("frmFind", "cat", false, true);
    EXPECT_EQ(finds(4), "0+3 17+3 22+3 !22+3");
    openWith("frmFind", "c\\w+", true, true);
    editor().SetSelStart(0);
    EXPECT_EQ(finds(2), "0+3 4+6");

    // Remembered, each in its own section, for the next start.
    EXPECT_EQ(stored("SearchRegularExpression", "SearchRegularExpression"), "True");
    EXPECT_EQ(stored("SearchWholeWord", "SearchWholeWord"), "True");
    start();
    choose("mnuEditReplace");
    EXPECT_TRUE(control<QCheckBox>("frmReplace", "chkRegularExpression")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("frmReplace", "chkWholeWord")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("frmReplace", "chkInSelection")->isChecked());
}

TEST_F(ExpressionSearchTest, ReplaceAllExpandsGroupsInOneUndoStepWithinTheSelectionWhenAsked)
{
    start();
    openWith("frmReplace", "", true);
    const std::tuple<const char *, int, int, const char *, const char *, const char *, const char *> cases[] = {
        {"ann@home bob@work", 0, 0, "(\\w+)@(?<place>\\w+)", "${place}:$1 $$2", "home:ann $2 work:bob $2",
         "2 replacements made"},
        {"a1 b2", 0, 0, "(\\w)(\\d)", "$21", "11 21", "2 replacements made"},
        {"abcdefghijkl", 0, 0, "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)", "$12$1", "la", "1 replacement made"},
        {"abcdefghijk", 0, 0, "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)", "$12", "a2", "1 replacement made"},
        {"a", 0, 0, "a", "${}", "${}", "1 replacement made"},
        {"axb", 0, 0, "x*", "-", "-a-b-", "3 replacements made"},
        {"one\ntwo\n", 0, 0, "^", "> ", "> one\n> two\n", "2 replacements made"},
        {"end.\nnext", 0, 0, "\\.\\n", " ", "end next", "1 replacement made"},
        {"trail  \nx ", 0, 0, " +$", "", "trail\nx", "2 replacements made"},
        {"aa aa aa", 2, 4, "a", "b", "aa bb aa", "2 replacements made"},
        {"aa aa", 0, 4, "a+", "b", "b b", "2 replacements made"},
        {"x y", 0, 0, "z", "b", "x y", "Can't find \"z\"; try another search"},
    };
    for (const auto &[text, selStart, selLength, pattern, with, after, message] : cases) {
        SCOPED_TRACE(pattern);
        tick("frmReplace", "chkInSelection", selLength != 0 && QLatin1String(text) != QLatin1String("aa aa"));
        replaceAll(QString::fromUtf8(text), selStart, selLength, pattern, with);
        EXPECT_EQ(editor().Text(), QString::fromUtf8(after));
        EXPECT_EQ(onlyMessage(), message);
    }
    EXPECT_EQ(stored("ReplaceInSelection", "ReplaceInSelection"), "False");
    replaceAll("ab ab", 0, 0, "b", "c");
    EXPECT_EQ(editor().Text(), "ac ac");
    activeEditor()->undo();
    EXPECT_EQ(editor().Text(), "ab ab");

    // A group the expression lacks is named, and nothing changes.
    replaceAll("ab", 0, 0, "(a)", "$2");
    EXPECT_EQ(onlyMessage(), "The replacement refers to group 2, but the expression has 1");
    replaceAll("ab", 0, 0, "(a)", "${x}");
    EXPECT_EQ(onlyMessage(), "The replacement refers to the group named \"x\", which the expression does not have");
    EXPECT_EQ(editor().Text(), "ab");

    // A whole word in the selection is one the selection's end does not cut.
    tick("frmReplace", "chkWholeWord");
    tick("frmReplace", "chkInSelection");
    replaceAll("cat cat_log", 0, 7, "cat", "dog");
    EXPECT_EQ(editor().Text(), "dog cat_log");
}

TEST_F(ExpressionSearchTest, ReplaceTakesASelectedMatchWithItsGroupsOrFindsTheNext)
{
    startWith("k=1 k=2", 0);
    openWith("frmReplace", "(\\w)=(\\d)", true);
    enter("frmReplace", "Text2", "$2=$1");
    // Upwards too, a selected match is the one replaced, even at the text's very end.
    tick("frmReplace", "optDirection0");
    editor().SetSelection(4, 3);
    press("frmReplace", "cmdReplace");
    EXPECT_EQ(editor().Text(), "k=1 2=k");
    // A selection that is no match: the next match is found and replaced.
    editor().SetSelection(3, 1);
    press("frmReplace", "cmdReplace");
    EXPECT_EQ(editor().Text(), "1=k 2=k");
    EXPECT_TRUE(messages().shown.isEmpty());
    // With nothing selected, an expression that may match nothing replaces the next match.
    enter("frmReplace", "Text1", "k*");
    enter("frmReplace", "Text2", "K");
    editor().SetSelection(2, 0);
    tick("frmReplace", "optDirection1");
    press("frmReplace", "cmdReplace");
    EXPECT_EQ(editor().Text(), "1=K 2=k");
}

}  // namespace
