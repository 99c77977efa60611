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

TEST(EditorSurface, KeepsNoBreakSpacesClampsTheSelectionAndTellsOfEveryChange)
{
    QTextEdit edit;
    EditorSurface surface(&edit);
    QSignalSpy changes(&surface, &EditorSurface::SelChange);
    surface.SetText(QString("a") + QChar(0xA0) + "bc");
    EXPECT_EQ(surface.Text(), QString("a") + QChar(0xA0) + "bc");
    EXPECT_GT(changes.count(), 0);
    changes.clear();
    surface.SetSelStart(99);
    EXPECT_EQ(surface.SelStart(), 4);
    EXPECT_GT(changes.count(), 0);
    surface.SetSelStart(2);
    changes.clear();
    surface.SetSelLength(99);
    EXPECT_EQ(surface.SelText(), "bc");
    EXPECT_GT(changes.count(), 0);
}

} // namespace
