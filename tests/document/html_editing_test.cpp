#include "support/program_fixture.h"

#include "document/html_colours.h"
#include "document/notepad_window.h"
#include "document/tag_completion.h"
#include "document/tag_scanner.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QTest>

#include <utility>

namespace {

class HtmlEditingTest : public ProgramTest
{
protected:
    // A page of this text alone, the caret at its end or where asked.
    void fresh(const QString &text = {}, int caret = -1)
    {
        editor().SetText(text);
        editor().SetSelStart(caret < 0 ? int(text.size()) : caret);
    }

    void undo() { QTest::keyClick(activeEditor(), Qt::Key_Z, Qt::ControlModifier); }

    // The marked tags, as their text and whether each is marked as matched.
    QStringList marks()
    {
        QCoreApplication::processEvents();
        const HtmlColours colours(activeEditor()->palette(), QColor());
        QStringList marked;
        for (const QTextEdit::ExtraSelection &mark : activeEditor()->extraSelections())
            marked << mark.cursor.selectedText()
                          + (mark.format.background().color() == colours.matched() ? QString() : QStringLiteral("!"));
        return marked;
    }

    QCompleter *completer()
    {
        auto *helper = activeEditor()->findChild<TagCompleter *>();
        return helper ? helper->completer() : nullptr;
    }

    QAbstractItemView *list() { return completer()->popup(); }

    QStringList offered()
    {
        QStringList rows;
        if (!list()->isVisible())
            return rows;
        for (int row = 0; row < completer()->completionCount(); ++row)
            rows << completer()->completionModel()->index(row, 0).data().toString();
        return rows;
    }
};

TEST_F(HtmlEditingTest, ClosesStartTagsAndCompletesEndTagsEachAsAnUndoStep)
{
    start();
    choose("mnuOptionsAutoCloseTags");
    EXPECT_EQ(stored("AutoCloseTags", "AutoCloseTags"), "True");

    type("<div class=\"a>b\">");
    EXPECT_EQ(editor().Text(), "<div class=\"a>b\"></div>");
    EXPECT_EQ(editor().SelStart(), 17);
    undo();
    EXPECT_EQ(editor().Text(), "<div class=\"a>b\">");
    undo();
    EXPECT_FALSE(editor().Text().contains('>'));

    const std::pair<const char *, const char *> cases[] = {
        {"<TABLE>", "<TABLE></TABLE>"},
        {"<br><img src=x><p/><hr>", "<br><img src=x><p/><hr>"},
        {"<!-- <b> -->", "<!-- <b> -->"},
        {"</i><?x?><!x>", "</i><?x?><!x>"},
        {"<script>if (a<b>c) x();", "<script>if (a<b>c) x();</script>"},
        {"<ul>\n<li>one</", "<ul>\n<li>one</li></ul>"},
        {"<p>a <b>b</ <I>c</", "<p>a <b>b</b> <I>c</I></p>"},
        {"<!-- </", "<!-- </"},
        {"a </", "a </"},
        {"<p>1/2", "<p>1/2</p>"},
    };
    for (const auto &[typed, expected] : cases) {
        SCOPED_TRACE(typed);
        fresh();
        const QStringList lines = QString(typed).split('\n');
        for (qsizetype line = 0; line < lines.size(); ++line) {
            if (line > 0)
                QTest::keyClick(activeEditor(), Qt::Key_Return);
            type(lines[line]);
        }
        EXPECT_EQ(editor().Text(), expected);
    }

    // Inside a script, "</" can only close the script; the completion is undone alone.
    fresh("<SCRIPT>\nx = 1;\n");
    type("</");
    EXPECT_EQ(editor().Text(), "<SCRIPT>\nx = 1;\n</SCRIPT>");
    undo();
    EXPECT_EQ(editor().Text(), "<SCRIPT>\nx = 1;\n</");

    // A ">" typed again before the end tag adds no second one.
    fresh("<b</b>", 2);
    type(">");
    EXPECT_EQ(editor().Text(), "<b></b>");

    choose("mnuOptionsAutoCloseTags");
    fresh();
    type("<b>");
    EXPECT_EQ(editor().Text(), "<b>");
}

TEST_F(HtmlEditingTest, EditingAStartTagsNameRenamesItsEndTagInTheSameUndoStep)
{
    start();
    choose("mnuOptionsRenameMatchingTags");
    EXPECT_EQ(stored("RenameMatchingTags", "RenameMatchingTags"), "True");
    fresh("<ul><li>one</li></ul>", 7);
    // Erased to nothing and typed anew, the name stays tied to its end tag.
    QTest::keyClick(activeEditor(), Qt::Key_Backspace);
    QTest::keyClick(activeEditor(), Qt::Key_Backspace);
    EXPECT_EQ(editor().Text(), "<ul><>one</l></ul>");
    type("dt");
    EXPECT_EQ(editor().Text(), "<ul><dt>one</dt></ul>");
    undo();
    EXPECT_EQ(editor().Text(), "<ul><d>one</d></ul>");
    // Undo renames nothing anew: Redo still has its step.
    QTest::keyClick(activeEditor(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(editor().Text(), "<ul><dt>one</dt></ul>");

    // A tag left open has no end tag to follow; the tag that has one, with a selection
    // of its name typed over, does.
    fresh("<p>x<p>y</p><DIV id=a>z</DIV>\n<b>w</b>", 2);
    type("re");
    EXPECT_EQ(editor().Text(), "<pre>x<p>y</p><DIV id=a>z</DIV>\n<b>w</b>");
    QTextCursor name = activeEditor()->textCursor();
    name.setPosition(15);
    name.setPosition(18, QTextCursor::KeepAnchor);
    activeEditor()->setTextCursor(name);
    type("my-s_e:c.2");
    EXPECT_EQ(editor().Text(), "<pre>x<p>y</p><my-s_e:c.2 id=a>z</my-s_e:c.2>\n<b>w</b>");
    // The caret moved on to another name, at the start of a line, renames that one's partner.
    editor().SetSelStart(int(editor().Text().indexOf("<b>") + 2));
    type("i");
    EXPECT_EQ(editor().Text(), "<pre>x<p>y</p><my-s_e:c.2 id=a>z</my-s_e:c.2>\n<bi>w</bi>");

    choose("mnuOptionsRenameMatchingTags");
    fresh("<b>x</b>", 2);
    type("i");
    EXPECT_EQ(editor().Text(), "<bi>x</b>");
}

TEST_F(HtmlEditingTest, MarksTheTagUnderTheCaretWithItsPartnerAndJumpsAndSelectsAlongThem)
{
    start();
    choose("mnuOptionsColorTagsWhileTyping");
    const QString page = "<ul>\n<li><b>x</b></li>\n<LI class=a>y\n</UL><br></i>";
    fresh(page);
    const std::pair<qsizetype, QStringList> cases[] = {
        {1, {"<ul>", "</UL>"}},
        {3, {"<ul>", "</UL>"}},
        {page.indexOf("</UL>") + 3, {"</UL>", "<ul>"}},
        {page.indexOf("<b>") + 1, {"<b>", "</b>"}},
        {page.indexOf("<LI") + 2, {"<LI class=a>!"}},
        {page.indexOf("class"), {}},
        {page.indexOf("</i>") + 3, {"</i>!"}},
        {page.indexOf("<br>") + 2, {}},
        {page.indexOf("x"), {}},
    };
    for (const auto &[caret, expected] : cases) {
        SCOPED_TRACE(caret);
        editor().SetSelStart(int(caret));
        EXPECT_EQ(marks(), expected);
    }

    // Go to Matching Tag goes to the partner's name and back.
    editor().SetSelStart(2);
    choose("mnuEditGoToMatchingTag");
    EXPECT_EQ(editor().SelStart(), page.indexOf("</UL>") + 2);
    choose("mnuEditGoToMatchingTag");
    EXPECT_EQ(editor().SelStart(), 1);

    // Select Element takes the element around the caret, then the next one out.
    editor().SetSelStart(int(page.indexOf("x")));
    for (const QString &element : {QStringLiteral("<b>x</b>"), QStringLiteral("<li><b>x</b></li>"), page.left(page.indexOf("<br>"))}) {
        choose("mnuEditSelectElement");
        EXPECT_EQ(editor().SelText(), element);
    }
    choose("mnuEditSelectElement");
    EXPECT_EQ(editor().SelText(), page.left(page.indexOf("<br>")));
    EXPECT_EQ(StartTagName(QStringView(u"<ab").first(2), 1), u"a") << "a name ends where its text does";

    // A page of the long length is still marked at once; a longer one once the caret rests.
    const QString lines = QStringLiteral("x\n").repeated(49'996);
    fresh("<b>" + lines + "</b>", 1);
    EXPECT_EQ(marks(), QStringList({"<b>", "</b>"}));
    fresh("<b>x" + lines + "</b>", 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return marks().size() == 2; }, 2000));

    // Without live colouring nothing is marked.
    choose("mnuOptionsColorTagsWhileTyping");
    editor().SetSelStart(2);
    EXPECT_TRUE(marks().isEmpty());
}

TEST_F(HtmlEditingTest, OffersElementsAttributesAndReferencesAndTakesTheChosenOne)
{
    start();
    choose("mnuOptionsCompletions");
    choose("mnuOptionsAutoCloseTags");
    ASSERT_NE(completer(), nullptr);

    type("<");
    EXPECT_TRUE(offered().isEmpty());
    type("fo");
    EXPECT_EQ(offered(), QStringList({"font (obsolete)", "footer", "form"}));
    // Typing goes on into the text while the list shows.
    QTest::keyClicks(list(), "o");
    EXPECT_EQ(editor().Text(), "<foo");
    EXPECT_EQ(offered(), QStringList({"footer"}));
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(editor().Text(), "<footer");

    type(" ");
    EXPECT_TRUE(offered().contains("class"));
    QTest::keyClicks(list(), "tabi");
    EXPECT_EQ(offered(), QStringList({"tabindex"}));
    QTest::keyClick(list(), Qt::Key_Tab);
    EXPECT_EQ(editor().Text(), "<footer tabindex=\"\"");
    EXPECT_EQ(editor().SelStart(), 18);

    fresh("<IMG ");
    type("a");
    EXPECT_EQ(offered().value(0), "alt");
    fresh("<TA");
    type("b");
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(editor().Text(), "<TABLE");

    fresh("caf");
    type("&eac");
    EXPECT_EQ(offered(), QStringList({QString("eacute  \u00E9")}));
    QTest::keyClick(list(), Qt::Key_Escape);
    EXPECT_FALSE(list()->isVisible());
    EXPECT_EQ(editor().Text(), "caf&eac");
    type("u");
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(editor().Text(), "caf&eacute;");

    // Nothing is offered inside a value, a comment or a word of text, nor once the switch is off.
    for (const char *typed : {"<a href=\"x", "<!-- <ta", "am"}) {
        SCOPED_TRACE(typed);
        fresh();
        type(typed);
        EXPECT_TRUE(offered().isEmpty());
    }
    choose("mnuOptionsCompletions");
    EXPECT_EQ(completer(), nullptr);
}

} // namespace
