#include "support/program_fixture.h"

#include "document/html_colours.h"
#include "document/notepad_window.h"
#include "document/tag_colouring.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QAction>
#include <QPaintEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <functional>

namespace {

const QColor blue(0, 0, 255);

class HtmlHighlightingTest : public ProgramTest
{
protected:
    // Each character as the layout paints it: t tag, a attribute name, v value or string,
    // c comment, d doctype, r reference, n number, k keyword, '.' unpainted; lines
    // joined with "|".
    QString paint()
    {
        const HtmlColours colours(activeEditor()->palette(), TagColorFor(frame(), activeDocument()->editor()));
        const QList<QPair<QColor, QChar>> letters = {
            {colours.tag().foreground().color(), 't'},
            {colours.of(TagPart::AttributeName).foreground().color(), 'a'},
            {colours.of(TagPart::AttributeValue).foreground().color(), 'v'},
            {colours.of(TagPart::Comment).foreground().color(), 'c'},
            {colours.of(TagPart::Doctype).foreground().color(), 'd'},
            {colours.reference().foreground().color(), 'r'},
            {colours.of(CodePart::Number).foreground().color(), 'n'},
            {colours.of(CodePart::Keyword).foreground().color(), 'k'},
        };
        QString painted;
        for (QTextBlock block = activeEditor()->document()->begin(); block.isValid(); block = block.next()) {
            QString line(block.length() - 1, QLatin1Char('.'));
            for (const QTextLayout::FormatRange &range : block.layout()->formats())
                for (const auto &[color, letter] : letters)
                    if (range.format.foreground().color() == color)
                        line.replace(range.start, range.length, QString(range.length, letter));
            painted += line + (block.next().isValid() ? QStringLiteral("|") : QString());
        }
        return painted;
    }

    void settle() { QCoreApplication::processEvents(); }

    void show(const QString &text)
    {
        editor().SetText(text);
        settle();
    }
};

TEST_F(HtmlHighlightingTest, EachKindOfTokenHasItsColourAnEditRecoloursWhatItChangesAndADarkBaseLightensDarkColours)
{
    start();
    // The other helpers read what is typed too, and leave the colouring as it is.
    for (const char *item : {"mnuOptionsColorTagsWhileTyping", "mnuOptionsAutoCloseTags", "mnuOptionsCompletions"})
        choose(item);
    show("<!DOCTYPE html>\n"
         "<p class=\"a>b\" id=c hidden dir=x>x &amp; &#233; &#xE9; &#; &no a&b; y</p>\n"
         "<!-- <b>\n"
         "--><i\n"
         "title='x\n"
         "'>\n"
         "<script type=module>a &lt;\n"
         "if (a < b && c > d) go(\"</p>\", 12 / 4); // note\n"
         "/*/ long\n"
         "*/ var s = false || `a\n"
         "b`;</SCRIPT\n"
         "><style>p a:b { color: red; margin: 2px; width: 50% } i:j /* x */</style>");
    EXPECT_EQ(paint().split('|'), QStringList({
        "ddddddddddddddd",
        "tt.aaaaa.vvvvv.aa.v.aaaaaa.aaa.vt..rrrrr.rrrrrr.rrrrrr..........rrr..tttt",
        "cccccccc",
        "ccctt",
        "aaaaa.vv",
        "vt",
        "ttttttt.aaaa.vvvvvvt......",
        "kk.....................vvvvvv..nn...n...ccccccc",
        "cccccccc",
        "cc.kkk.....kkkkk....vv",
        "vv.tttttttt",
        "tttttttt........aaaaa.......aaaaaa..nnn..aaaaa..nnn.......ccccccctttttttt",
    }));

    // Closing the comment early changes how the lines below read, and they are read again.
    QTextCursor cursor(activeEditor()->document()->findBlockByNumber(2));
    cursor.movePosition(QTextCursor::EndOfBlock);
    activeEditor()->setTextCursor(cursor);
    type(" -->");
    settle();
    EXPECT_EQ(paint().split('|').mid(2, 3), QStringList({"cccccccccccc", "...tt", "aaaaa.vv"}));

    // On a dark base, a colour darker than a lightness of 150 is lightened.
    const QPalette dark(Qt::white, Qt::black);
    EXPECT_EQ(HtmlColours(dark, QColor(150, 150, 150)).tag().foreground().color(), QColor(150, 150, 150));
    EXPECT_EQ(HtmlColours(dark, QColor(0, 0, 200)).tag().foreground().color().lightness(), 170);
}

TEST_F(HtmlHighlightingTest, ALongScriptIsColouredToItsEndWhenTheColouringIsTurnedOn)
{
    start();
    // A long script, closed or never closed (its end tag cut off by the page's end), is
    // coloured to its end when the colouring is turned on: its last lines as they come into view.
    for (const QString &end : {QStringLiteral("</script></body></html>"), QStringLiteral("</script")}) {
        QString page = QStringLiteral("<html><body><script>\n");
        while (page.size() < 400'000)
            page += QStringLiteral("  if (i < n) { total = total + i; }\n");
        show(page + end);
        choose("mnuOptionsColorTagsWhileTyping");
        QTest::keyClick(activeEditor(), Qt::Key_End, Qt::ControlModifier);
        settle();
        const QStringList lines = paint().split('|');
        EXPECT_EQ(lines.value(lines.size() - 2), "..kk...............................");
        EXPECT_EQ(lines.last(), QString(end.size(), end.endsWith(u'>') ? QLatin1Char('t') : QLatin1Char('.')));
        choose("mnuOptionsColorTagsWhileTyping");
    }
}

// The part of the text area painted since it was last cleared.
class PaintedArea : public QObject
{
public:
    QRect painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted |= static_cast<QPaintEvent *>(event)->region().boundingRect();
        return false;
    }
};

TEST_F(HtmlHighlightingTest, TagsColourAsTheyAreTypedAndLoseItWhenTheirBracketGoes)
{
    start();
    choose("mnuOptionsColorTagsWhileTyping");
    type("a <b>");
    EXPECT_EQ(paint(), "..ttt");
    // A tag still being typed shows as one.
    QTest::keyClick(activeEditor(), Qt::Key_Backspace);
    EXPECT_EQ(paint(), "..tt");
    type(">bold</b> x > y");
    EXPECT_EQ(paint(), "..ttt....tttt......");

    // A tag across lines ends at its closing bracket, wherever that goes.
    const auto tagsPainted = [&] { return paint().replace(QRegularExpression("[^t|]"), QStringLiteral(".")); };
    editor().SetText("<a\nhref=x>t");
    settle();
    EXPECT_EQ(tagsPainted(), "tt|......t.");
    editor().SetSelection(9, 1);
    QTest::keyClick(activeEditor(), Qt::Key_Delete);
    QTest::keyClick(activeEditor(), Qt::Key_Return);
    type(">");
    settle();
    EXPECT_EQ(tagsPainted(), "tt|......|t.");

    // The colour never reaches the document itself.
    const QTextCursor at(activeEditor()->document()->findBlockByNumber(1));
    EXPECT_EQ(at.charFormat().foreground().style(), Qt::NoBrush);
    choose("mnuFileSaveAs", tempPath("page.rtf"));
    EXPECT_FALSE(readFile(tempPath("page.rtf")).contains("\\blue255"));

    // Nor does it change the line endings of the lines typed on.
    choose("mnuFileOpen", writeFile("mixed.htm", "<p\r\nclass=x>a</p>\n<b>\rc\r\n"));
    type("<i>");
    editor().SetSelStart(12);
    type("b");
    settle();
    choose("mnuFileSave");
    EXPECT_EQ(readFile(tempPath("mixed.htm")), "<i><p\r\nclass=bx>a</p>\n<b>\rc\r\n");
}

// A key costs the lines it changes, not the page in view; colouring costs the lines shown.
TEST_F(HtmlHighlightingTest, EditsAndColouringLayOutAndRepaintWhatTheyChange)
{
    start();
    QString page;
    for (int line = 1; line <= 2000; ++line)
        page += line == 6 ? QStringLiteral("<p class=x>%1end</p>\n").arg(QString("word ").repeated(80))
                          : QStringLiteral("<p class=x>line %1</p>\n").arg(line, 2, 10, QLatin1Char('0'));
    editor().SetText(page);
    const int lineHeight = qRound(activeEditor()->blockBoundingGeometry(activeEditor()->document()->begin()).height());
    const int fifthLine = 4 * 23;
    PaintedArea area;
    activeEditor()->viewport()->installEventFilter(&area);
    const auto paintAfter = [&](const std::function<void()> &edit) {
        settle();
        area.painted = QRect();
        edit();
        settle();
        return area.painted;
    };

    // Text put in place of the end of one line and most of the next, a long wrapped one:
    // the page is as long as the same text opened afresh.
    const int keptWords = page.indexOf("end</p>") - 150;
    editor().SetSelection(fifthLine + 13, keptWords - fifthLine - 13);
    editor().SetSelText(QStringLiteral("x</p>\n"));
    settle();
    EXPECT_EQ(activeEditor()->document()->findBlockByNumber(5).text(), page.mid(keptWords, 157));
    const auto expectLengthAsOpenedAfresh = [&] {
        const int edited = activeEditor()->verticalScrollBar()->maximum();
        editor().SetText(editor().Text());
        settle();
        EXPECT_EQ(edited, activeEditor()->verticalScrollBar()->maximum());
    };
    expectLengthAsOpenedAfresh();
    editor().SetSelStart(fifthLine);
    EXPECT_LE(paintAfter([&] { QTest::keyClick(activeEditor(), Qt::Key_Delete); }).height(), 2 * lineHeight);

    choose("mnuOptionsColorTagsWhileTyping");
    settle();
    int laidOut = 0;
    int coloured = 0;
    for (QTextBlock block = activeEditor()->document()->begin(); block.isValid(); block = block.next()) {
        laidOut += block.layout()->lineCount() > 0 ? 1 : 0;
        coloured += block.layout()->formats().isEmpty() ? 0 : 1;
    }
    EXPECT_LT(laidOut, 100);
    EXPECT_GT(coloured, 10);
    EXPECT_LT(coloured, 100);

    editor().SetSelStart(fifthLine + 7);
    const QRect typed = paintAfter([&] { type("ab"); });
    EXPECT_GT(typed.height(), 0);
    EXPECT_LE(typed.height(), 2 * lineHeight);

    // A comment opened colours, and so repaints, every line below it, and the page's last
    // line, coloured when it was last shown, reads as comment when it is shown again.
    const QTextBlock lastLine = activeEditor()->document()->lastBlock().previous();
    const auto colourOf = [](const QTextBlock &line) {
        return line.layout()->formats().value(0).format.foreground().color();
    };
    QTest::keyClick(activeEditor(), Qt::Key_End, Qt::ControlModifier);
    settle();
    EXPECT_EQ(colourOf(lastLine), blue);
    editor().SetSelStart(fifthLine);
    const QRect opened = paintAfter([&] { type("<!--"); });
    EXPECT_GE(opened.bottom(), activeEditor()->viewport()->height() - lineHeight);
    const QColor comment = colourOf(activeEditor()->document()->findBlockByNumber(6));
    EXPECT_NE(comment, blue);
    QTest::keyClick(activeEditor(), Qt::Key_End, Qt::ControlModifier);
    settle();
    EXPECT_EQ(colourOf(lastLine), comment);

    // Lines typed over go from the page's length.
    editor().SetSelection(fifthLine + 2, 300);
    type("y");
    settle();
    expectLengthAsOpenedAfresh();
}


} // namespace
