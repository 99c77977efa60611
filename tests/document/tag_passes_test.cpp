#include "support/program_fixture.h"

#include "document/notepad_window.h"
#include "document/tag_colouring.h"
#include "platform/color_number.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QAction>
#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstring>
#include <utility>

namespace {

// Color Tags Now and the tag case passes: each walks the tags a browser reads in one undo step.
class TagPassTest : public ProgramTest
{
protected:
    void setText(const QString &text)
    {
        editor().SetText(text);
        activeDocument()->state().Changed = false;
    }

    // The runs of text painted in the given colour, in order.
    QStringList paintedIn(const QColor &color)
    {
        QStringList runs;
        for (QTextBlock block = editor().document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const QBrush brush = fragment.charFormat().foreground();
                if (brush.style() != Qt::NoBrush && brush.color() == color)
                    runs << fragment.text();
            }
        return runs;
    }
};

const QColor Red(255, 0, 0);

TEST_F(TagPassTest, ColorTagsNowPaintsTheTagsOnlyInOneUndoStepAndMarksTheDocumentChanged)
{
    store("ColorOfTags", "ColorOfTags", "255");
    start();
    setText("a <b>bold</b>\n<p>c</p>");
    editor().SetSelection(6, 3);
    choose("mnuOptionsColorTagBrackets");
    EXPECT_EQ(paintedIn(Red), QStringList({"<b>", "</b>", "<p>", "</p>"}));
    EXPECT_EQ(editor().Text(), "a <b>bold</b>\n<p>c</p>");
    EXPECT_EQ(editor().SelStart(), 0);
    EXPECT_EQ(editor().SelLength(), 0);
    EXPECT_TRUE(activeDocument()->state().Changed);
    EXPECT_FALSE(frame().TagPassActive);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    choose("mnuEditUndoLast");
    EXPECT_TRUE(paintedIn(Red).isEmpty());

    // The pass by itself, as opening runs it, leaves the document unchanged.
    activeDocument()->state().Changed = true;
    ColorTags(frame());
    EXPECT_FALSE(activeDocument()->state().Changed);
    QTest::keyClick(activeEditor(), Qt::Key_Right);
    EXPECT_TRUE(activeDocument()->state().Changed);

    // Color Tags on Opening is a stored switch.
    for (const char *stays : {"True", "False"}) {
        choose("mnuOptionsColorTagBracketsOpening");
        EXPECT_EQ(menuItem("mnuOptionsColorTagBracketsOpening")->isChecked(), QString(stays) == "True");
        EXPECT_EQ(stored("ColorTags", "ColorTags"), stays);
    }
}

TEST_F(TagPassTest, PaintsTheTagsABrowserWouldReadAndNothingElse)
{
    const std::pair<const char *, QStringList> cases[] = {
        {"x > y <p>if a > b</p> >> <br>", {"<p>", "</p>", "<br>"}},
        {"<5 if a < b then <b>yes</b> 3<5 <", {"<b>", "</b>"}},
        {"<a title=\"x > y\" href='a>b'>link</a>", {"<a title=\"x > y\" href='a>b'>", "</a>"}},
        {"<img alt=it's src=a.gif> b'>", {"<img alt=it's src=a.gif>"}},
        {"<!-- <b> > c -->text <!---->x<!-->y", {"<!-- <b> > c -->", "<!---->", "<!-->"}},
        {"<!DOCTYPE html> <?xml v?> </ x> </>", {"<!DOCTYPE html>", "<?xml v?>", "</ x>", "</>"}},
        {"<script>if (a<b && c>d) go();</script>", {"<script>", "</script>"}},
        {"<script>s = '</strong>';</scripts><b></script> </ a=\">\">", {"<script>", "</script>", "</ a=\">"}},
        {"<script src=\"a.js\"></script> <p>", {"<script src=\"a.js\"></script>", "<p>"}},
        {"<STYLE type=\"text/css\">p > b { x: '<i>' }</scripts></style >done", {"<STYLE type=\"text/css\">", "</style >"}},
        {"<i>a</i> and <b title=\"open>rest", {"<i>", "</i>"}},
        {"<p>a</p> <!-- never closed <b>", {"<p>", "</p>"}},
        {"<p>a</p> <script>if (a<b) x(); <p>", {"<p>", "</p>", "<script>"}},
        {"<zoo> <Zed> <a=b=\">\">c", {"<zoo>", "<Zed>", "<a=b=\">"}},
        {"<a  =\">\"> <a x =\">\"> <a x y=\">\">", {"<a  =\">", "<a x =\">\">", "<a x y=\">\">"}},
        {"<script\tx>a<b></script\f> <style\nx>a<b></style> <i>",
         {"<script\tx>", "</script\f>", "<style", "x>", "</style>", "<i>"}},
    };
    store("ColorOfTags", "ColorOfTags", "255");
    start();
    for (const auto &[text, tags] : cases) {
        setText(text);
        choose("mnuOptionsColorTagBrackets");
        EXPECT_EQ(paintedIn(Red), tags) << text;
    }
}

TEST_F(TagPassTest, TagColorStoresTheChosenColourForTheNextPassAndCancelTakesTheTextColour)
{
    start();
    setText("<p>x</p>");
    dialogs().answerColor(255);
    choose("mnuOptionsChooseTagBracketColor");
    ASSERT_EQ(dialogs().requests.size(), 1);
    EXPECT_EQ(dialogs().requests[0].kind, ScriptedDialogs::Kind::Color);
    EXPECT_EQ(stored("ColorOfTags", "ColorOfTags"), "255");
    EXPECT_EQ(frame().TagColor, "255");
    EXPECT_TRUE(paintedIn(Red).isEmpty());
    choose("mnuOptionsColorTagBrackets");
    EXPECT_EQ(paintedIn(Red), QStringList({"<p>", "</p>"}));

    editor().SetSelStart(4);
    editor().SetSelColor(QColor(0, 128, 0));
    choose("mnuOptionsChooseTagBracketColor", {});
    const QString green = QString::number(toColorNumber(QColor(0, 128, 0)));
    EXPECT_EQ(stored("ColorOfTags", "ColorOfTags"), green);
    EXPECT_EQ(frame().TagColor, green);
}

TEST_F(TagPassTest, PassesChangeWhatABrowserReadsAsTagsAndCommentsAndLeaveTextAndCodeAlone)
{
    const struct
    {
        const char *item, *text, *expected;
    } cases[] = {
        {"mnuOptionsTagsLowercase",
         "<A HREF=\"Docs/Page.HTM\">Read THIS</A>\n<!-- Keep IN Sync -->\n<IMG SRC=Logo.GIF ALT='Tagsmith'>",
         "<a href=\"docs/page.htm\">Read THIS</a>\n<!-- keep in sync -->\n<img src=logo.gif alt='tagsmith'>"},
        // Text without tags stays as it is and still counts as changed.
        {"mnuOptionsTagsLowercase", "Nothing To Convert > here", "Nothing To Convert > here"},
        {"mnuOptionsTagsUppercase", "if x > y <p>then</p> say <!-- so --> & a < b",
         "if x > y <P>then</P> say <!-- SO --> & a < b"},
        {"mnuOptionsTagsUppercase", "<table\nborder=1 class=\"wide\">cell", "<TABLE\nBORDER=1 CLASS=\"WIDE\">cell"},
    };
    start();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        setText(c.text);
        editor().SetSelStart(int(strlen(c.text)));
        const int blocks = editor().document()->blockCount();
        choose(c.item);
        EXPECT_EQ(editor().Text(), c.expected);
        EXPECT_EQ(editor().document()->blockCount(), blocks);
        EXPECT_EQ(editor().SelStart(), 0);
        EXPECT_EQ(editor().SelLength(), 0);
        EXPECT_TRUE(activeDocument()->state().Changed);
    }
    EXPECT_FALSE(frame().LowercaseTags);

    // A tag across lines keeps each line's own ending.
    const QString path = writeFile("mixed.htm", "a\n<table\r\nborder=1>\n");
    open(path);
    choose("mnuOptionsTagsUppercase");
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), "a\n<TABLE\r\nBORDER=1>\n");
}

TEST_F(TagPassTest, APassIsOneUndoStepAndKeepsTheTagColour)
{
    start();
    setText("<p>one</p>\n<p>two</p>\n<br><hr>");
    // A coloured tag, and a word coloured between two plain tags.
    const auto colour = [&](int from, int to, const QColor &colour) {
        QTextCharFormat format;
        format.setForeground(colour);
        QTextCursor range(editor().document());
        range.setPosition(from);
        range.setPosition(to, QTextCursor::KeepAnchor);
        range.mergeCharFormat(format);
    };
    colour(0, 3, Qt::red);
    colour(14, 17, Qt::green);

    choose("mnuOptionsTagsUppercase");
    ASSERT_EQ(editor().Text(), "<P>one</P>\n<P>two</P>\n<BR><HR>");
    EXPECT_EQ(colorAt(activeDocument(), 1), QColor(Qt::red));
    EXPECT_NE(colorAt(activeDocument(), 3), QColor(Qt::red));
    for (const int at : {13, 14, 15, 16, 17})
        EXPECT_EQ(colorAt(activeDocument(), at) == QColor(Qt::green), at >= 14 && at < 17) << at;

    choose("mnuEditUndoLast");
    EXPECT_EQ(editor().Text(), "<p>one</p>\n<p>two</p>\n<br><hr>");
}

} // namespace
