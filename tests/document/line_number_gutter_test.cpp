#include "support/program_fixture.h"

#include "document/line_number_gutter.h"
#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QAction>
#include <QCoreApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

namespace {

class LineNumberGutterTest : public ProgramTest
{
protected:
    LineNumberGutter *gutter() { return GutterOf(activeDocument()); }

    // From the editor's viewport to the gutter's coordinates.
    QPoint toGutter(const QPoint &point)
    {
        return activeEditor()->viewport()->mapTo(activeDocument(), point) - gutter()->mapTo(activeDocument(), QPoint());
    }

    // Where the line's first row stands, in the gutter's coordinates.
    QRect rowOf(int line)
    {
        const QTextCursor start(activeEditor()->document()->findBlockByNumber(line - 1));
        return activeEditor()->cursorRect(start).translated(toGutter(QPoint()));
    }

    bool inView(int line)
    {
        const QRect row = rowOf(line);
        const int top = toGutter(QPoint()).y();
        return row.bottom() >= top && row.top() < top + activeEditor()->viewport()->height();
    }
};

TEST_F(LineNumberGutterTest, AScrolledViewIsNumberedLineByLineBesideItsText)
{
    start();
    QStringList lines;
    for (int line = 1; line <= 500; ++line)
        lines.append(line == 250 ? QStringLiteral("wrapped ").repeated(100) : QStringLiteral("<p>%1</p>").arg(line));
    activeDocument()->editor().SetText(lines.join('\n'));
    // Numbered before the editor has painted, and so laid out, any line.
    const QList<LineNumberGutter::ShownNumber> unpainted = gutter()->shownNumbers();
    ASSERT_GT(unpainted.size(), 3);
    EXPECT_EQ(unpainted[3].line, 4);
    QScrollBar *scroll = activeEditor()->verticalScrollBar();
    scroll->setValue(scroll->maximum() / 2);
    QCoreApplication::processEvents();

    const QList<LineNumberGutter::ShownNumber> shown = gutter()->shownNumbers();
    ASSERT_GT(shown.size(), 3);
    EXPECT_FALSE(inView(shown.first().line - 1));
    EXPECT_FALSE(inView(shown.last().line + 1));
    for (int i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].line, shown.first().line + i);
        const QRect row = rowOf(shown[i].line);
        EXPECT_TRUE(inView(shown[i].line)) << shown[i].line;
        EXPECT_GT(shown[i].baseline, row.top()) << shown[i].line;
        EXPECT_LE(shown[i].baseline, row.bottom()) << shown[i].line;
    }

    // Page Down scrolls the view without the scroll bar's signals: the numbers follow it.
    class Paints : public QObject
    {
    public:
        int count = 0;

    protected:
        bool eventFilter(QObject *, QEvent *event) override
        {
            count += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } paints;
    gutter()->installEventFilter(&paints);
    for (int press = 1; press <= 3; ++press) {
        QTest::keyClick(activeEditor(), Qt::Key_PageDown);
        QCoreApplication::processEvents();
        EXPECT_EQ(paints.count, press);
    }
}

// The text area's width is settled before a page's text goes in, with the numbers of its
// lines beside it and its scroll bar in place: each change of that width after would have
// every line of the page laid out again.
TEST_F(LineNumberGutterTest, ALongPageOpensIntoATextAreaOfItsFinalWidth)
{
    class WidthChanges : public QObject
    {
    public:
        int afterText = 0;

    protected:
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            const auto *editor = dynamic_cast<RichTextBox *>(watched->parent());
            if (event->type() == QEvent::Resize && editor && watched == editor->viewport()
                && editor->document()->characterCount() > 1000)
                ++afterText;
            return false;
        }
    } widthChanges;
    start();
    QCoreApplication::instance()->installEventFilter(&widthChanges);
    // 1,000 lines: the last is the first to need a fourth digit.
    open(writeFile("long.htm", "\n" + QByteArray("<p>line</p>\n").repeated(998)));
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&widthChanges);
    EXPECT_EQ(widthChanges.afterText, 0);
    EXPECT_TRUE(activeEditor()->verticalScrollBar()->isVisible());
    EXPECT_EQ(activeEditor()->viewport()->width(), int(0.95f * float(activeEditor()->width())));

    // The scroll bar still goes with a text that fits.
    activeDocument()->editor().SetText("short");
    QCoreApplication::processEvents();
    EXPECT_FALSE(activeEditor()->verticalScrollBar()->isVisible());
}

TEST_F(LineNumberGutterTest, ViewLineNumbersHidesThemInEveryWindowAndIsRemembered)
{
    start();
    choose("mnuFileNew");
    ASSERT_EQ(openDocuments().size(), 2);
    for (frmNotePad *window : openDocuments())
        EXPECT_TRUE(GutterOf(window)->isVisible());
    EXPECT_TRUE(menuItem("mnuViewLineNumbers")->isChecked());

    // Lines wrap at 95 % of the editor's width (the text's own area is that wide), whatever
    // changed that width.
    const auto wrapsAtItsWidth = [](frmNotePad *window) {
        const RichTextBox *editor = window->RichTextBox1;
        return editor->viewport()->width() == int(0.95f * float(editor->width()));
    };
    activeDocument()->resize(500, 300);
    EXPECT_TRUE(wrapsAtItsWidth(activeDocument()));
    // A click in the strip beside the text puts the caret at the end of the line beside it.
    activeDocument()->editor().SetText("first line\nsecond");
    RichTextBox *editor = activeEditor();
    const QRect text = editor->viewport()->geometry();
    const int firstLine = editor->cursorRect(QTextCursor(editor->document()->firstBlock())).center().y();
    QTest::mouseClick(editor, Qt::LeftButton, {}, QPoint(text.right() + 3, text.top() + firstLine));
    EXPECT_EQ(activeDocument()->editor().SelStart(), 10);
    const int wrapped = activeEditor()->viewport()->width();
    choose("mnuViewLineNumbers");
    EXPECT_GT(activeEditor()->viewport()->width(), wrapped);
    for (frmNotePad *window : openDocuments()) {
        EXPECT_TRUE(wrapsAtItsWidth(window));
        EXPECT_FALSE(GutterOf(window)->isVisible());
        EXPECT_FALSE(window->action("mnuViewLineNumbers")->isChecked());
    }
    EXPECT_EQ(stored("LineNumbers", "LineNumbers"), "False");

    start();
    EXPECT_FALSE(GutterOf(activeDocument())->isVisible());
    choose("mnuViewLineNumbers");
    EXPECT_TRUE(GutterOf(activeDocument())->isVisible());
    EXPECT_EQ(stored("LineNumbers", "LineNumbers"), "True");
}

} // namespace
