#include "platform/editor_surface.h"
#include "rtf_test_support.h"

#include <QTextCursor>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class EditorSurfaceRichText : public ::testing::Test
{
protected:
    QTextEdit editor_;
    EditorSurface surface_{&editor_};
    QTextEdit otherEditor_;
    EditorSurface other_{&otherEditor_};
};

TEST_F(EditorSurfaceRichText, WrittenRichTextReadsBackWithTheSameTextAndFormat)
{
    surface_.SetText("Heading\nbody with a tab\there");
    surface_.SetSelStart(0);
    surface_.SetSelLength(7);
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    heading.setFontPointSize(16.5);
    heading.setForeground(QColor(10, 20, 200));
    surface_.MergeSelFormat(heading);

    QString error;
    other_.SetText("replaced");
    ASSERT_TRUE(other_.SetRichText(surface_.RichText(), &error)) << error.toStdString();

    EXPECT_EQ(other_.Text(), surface_.Text());
    EXPECT_EQ(propertiesOf(*other_.document()), propertiesOf(*surface_.document()));
    EXPECT_EQ(other_.SelStart(), 0);
    EXPECT_FALSE(other_.document()->isUndoAvailable());
}

TEST_F(EditorSurfaceRichText, ContentThatIsNoRichTextIsRefusedWithAReasonAndTheTextKept)
{
    surface_.SetText("kept");
    QString error;
    EXPECT_FALSE(surface_.SetRichText(QByteArray(10, '\0'), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(surface_.Text(), "kept");
}

} // namespace
