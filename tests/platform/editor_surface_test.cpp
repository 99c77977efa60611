#include "platform/editor_surface.h"

#include <QSignalSpy>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

TEST(EditorSurface, CrLfBecomesOneLineBreakAndPositionsCountItOnce)
{
    QTextEdit edit;
    EditorSurface surface(&edit);
    surface.SetText("a\r\nb\rc\nd");
    EXPECT_EQ(surface.Text(), "a\nb\nc\nd");
    surface.SetSelStart(2);
    surface.SetSelLength(3);
    EXPECT_EQ(surface.SelText(), "b\nc");
    surface.SetSelText("<B>\r\nX</B>");
    EXPECT_EQ(surface.Text(), "a\n<B>\nX</B>\nd");
    EXPECT_EQ(surface.SelStart(), 11);
    EXPECT_EQ(surface.SelLength(), 0);
}

TEST(EditorSurface, TextKeepsNoBreakSpaces)
{
    QTextEdit edit;
    EditorSurface surface(&edit);
    surface.SetText(QString("a") + QChar(0xA0) + "b");
    EXPECT_EQ(surface.Text(), QString("a") + QChar(0xA0) + "b");
}

TEST(EditorSurface, SelectionIsClampedToTheText)
{
    QTextEdit edit;
    EditorSurface surface(&edit);
    surface.SetText("abc");
    surface.SetSelStart(99);
    EXPECT_EQ(surface.SelStart(), 3);
    surface.SetSelStart(1);
    surface.SetSelLength(99);
    EXPECT_EQ(surface.SelText(), "bc");
}

TEST(EditorSurface, SelChangeFollowsEditsAndCaretMoves)
{
    QTextEdit edit;
    EditorSurface surface(&edit);
    QSignalSpy spy(&surface, &EditorSurface::SelChange);
    surface.SetText("abc");
    EXPECT_GT(spy.count(), 0);
    spy.clear();
    surface.SetSelStart(1);
    EXPECT_GT(spy.count(), 0);
    spy.clear();
    surface.SetSelLength(1);
    EXPECT_GT(spy.count(), 0);
}

} // namespace
