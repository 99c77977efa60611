#include "support/program_fixture.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QAction>
#include <QPaintEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <functional>

namespace {

const QColor blue(0, 0, 255);

class LiveTagColouringTest : public ProgramTest
{
protected:
    // What each character is painted in: the live colour over the document's own format.
    QString paint()
    {
        QString painted;
        QTextDocument *document = activeEditor()->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (int at = 0; at < block.length() - 1; ++at) {
                bool live = false;
                for (const QTextLayout::FormatRange &range : block.layout()->formats())
                    if (at >= range.start && at < range.start + range.length)
                        live = range.format.foreground().color() == blue;
                painted += live ? QLatin1Char('T') : QLatin1Char('.');
            }
            if (block.next().isValid())
                painted += QLatin1Char('|');
        }
        return painted;
    }

    void settle() { QCoreApplication::processEvents(); }
};

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

TEST_F(LiveTagColouringTest, TagsColourAsTheyAreTypedAndLoseItWhenTheirBracketGoes)
{
    start();
    EXPECT_FALSE(menuItem("mnuOptionsColorTagsWhileTyping")->isChecked());
    type("<i>");
    EXPECT_EQ(paint(), "...");
    activeDocument()->state().Changed = false;
    choose("mnuOptionsColorTagsWhileTyping");
    settle();
    EXPECT_EQ(paint(), "TTT");
    EXPECT_FALSE(activeDocument()->state().Changed);
    EXPECT_EQ(stored("ColorTagsWhileTyping", "ColorTagsWhileTyping"), "True");

    activeDocument()->editor().SetText("");
    type("a <b>");
    EXPECT_EQ(paint(), "..TTT");
    // A tag still being typed shows as one.
    QTest::keyClick(activeEditor(), Qt::Key_Backspace);
    EXPECT_EQ(paint(), "..TT");
    type(">bold</b> x > y");
    EXPECT_EQ(paint(), "..TTT....TTTT......");

    // A tag across lines ends at its closing bracket, wherever that goes.
    activeDocument()->editor().SetText("<a\nhref=x>t");
    settle();
    EXPECT_EQ(paint(), "TT|......T.");
    activeDocument()->editor().SetSelection(9, 1);
    QTest::keyClick(activeEditor(), Qt::Key_Delete);
    QTest::keyClick(activeEditor(), Qt::Key_Return);
    type(">");
    settle();
    EXPECT_EQ(paint(), "TT|......|T.");

    // The colour never reaches the document itself.
    const QTextCursor at(activeEditor()->document()->findBlockByNumber(1));
    EXPECT_EQ(at.charFormat().foreground().style(), Qt::NoBrush);
    choose("mnuFileSaveAs", tempPath("page.rtf"));
    EXPECT_FALSE(readFile(tempPath("page.rtf")).contains("\\blue255"));

    // Nor does it change the line endings of the lines typed on.
    choose("mnuFileOpen", writeFile("mixed.htm", "<p\r\nclass=x>a</p>\n<b>\rc\r\n"));
    type("<i>");
    activeDocument()->editor().SetSelStart(12);
    type("b");
    settle();
    choose("mnuFileSave");
    EXPECT_EQ(readFile(tempPath("mixed.htm")), "<i><p\r\nclass=bx>a</p>\n<b>\rc\r\n");
}

// A key costs the lines it changes, not the page in view; colouring costs the lines shown.
TEST_F(LiveTagColouringTest, EditsAndColouringLayOutAndRepaintWhatTheyChange)
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

TEST_F(LiveTagColouringTest, RememberedForEveryWindowAndTurnedOffEverywhere)
{
    store("ColorTagsWhileTyping", "ColorTagsWhileTyping", "True");
    start();
    type("<p>");
    choose("mnuFileNew");
    type("<h1>");
    settle();
    EXPECT_TRUE(menuItem("mnuOptionsColorTagsWhileTyping")->isChecked());
    EXPECT_EQ(paint(), "TTTT");

    // A new tag colour reaches every window's live colouring.
    dialogs().answerColor(255);
    choose("mnuOptionsChooseTagBracketColor");
    settle();
    for (frmNotePad *window : openDocuments())
        EXPECT_EQ(window->RichTextBox1->document()->begin().layout()->formats().value(0).format.foreground().color(),
                  QColor(Qt::red));

    // A window closed, which Qt has yet to delete, is left as it is.
    const QPointer<frmNotePad> closed = openDocuments().first();
    closed->closeWithoutPrompt();
    choose("mnuOptionsColorTagsWhileTyping");
    ASSERT_FALSE(closed.isNull());
    EXPECT_TRUE(closed->action("mnuOptionsColorTagsWhileTyping")->isChecked());
    for (frmNotePad *window : openDocuments()) {
        EXPECT_FALSE(window->action("mnuOptionsColorTagsWhileTyping")->isChecked());
        EXPECT_TRUE(window->RichTextBox1->document()->begin().layout()->formats().isEmpty());
    }
    EXPECT_EQ(stored("ColorTagsWhileTyping", "ColorTagsWhileTyping"), "False");
}

} // namespace
