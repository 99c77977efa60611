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

};

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
    // A click in the strip beside the text puts the caret at the end of the line beside it,
    // and one in its top row at the text's start; one below it, in the frame, does nothing.
    activeDocument()->editor().SetText("first line\nsecond");
    RichTextBox *editor = activeEditor();
    const QRect text = editor->viewport()->geometry();
    const int firstLine = editor->cursorRect(QTextCursor(editor->document()->firstBlock())).center().y();
    for (const auto &[y, caret] : {std::pair{text.top() + firstLine, 10}, {text.top(), 0}, {text.bottom() + 1, 0}}) {
        QTest::mouseClick(editor, Qt::LeftButton, {}, QPoint(text.right() + 3, y));
        EXPECT_EQ(activeDocument()->editor().SelStart(), caret) << y;
    }
    EXPECT_EQ(activeDocument()->grab().toImage().pixelColor(editor->mapTo(activeDocument(), QPoint(text.right() + 3, text.center().y()))),
              editor->palette().color(QPalette::Base)) << "the strip takes the text's background";
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

    // Beside a scrolled view, each line in view has its number, from the first one shown.
    activeDocument()->editor().SetText(QString("line\n").repeated(200));
    activeEditor()->verticalScrollBar()->setValue(30);
    const QList<LineNumberGutter::ShownNumber> shown = GutterOf(activeDocument())->shownNumbers();
    ASSERT_GT(shown.size(), 2);
    EXPECT_EQ(std::pair(shown.first().line, shown.last().line), std::pair(31, 30 + int(shown.size())));
    EXPECT_LT(shown.first().baseline, shown[1].baseline);
}

} // namespace
