#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"
#include "rtf_test_support.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TEST(EditorSurface, CrLfBecomesOneLineBreakPositionsCountItOnceAndOnlyAScriptThatNeedsItIsShaped)
{
    RichTextBox edit;
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
    EXPECT_TRUE(edit.font().styleStrategy() & QFont::PreferNoShaping);
    surface.SetSelText(QString::fromUtf8("سلام"));
    EXPECT_FALSE(edit.font().styleStrategy() & QFont::PreferNoShaping) << "Arabic joins its letters";
}

class EditorSurfaceRichText : public ::testing::Test
{
protected:
    RichTextBox editor_;
    EditorSurface surface_{&editor_};
    RichTextBox otherEditor_;
    EditorSurface other_{&otherEditor_};
};

TEST_F(EditorSurfaceRichText, WrittenRichTextReadsBackWithTheSameTextAndFormatAndContentThatIsNoneIsRefused)
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

    // Content that is no rich text is refused with a reason, and the text is kept.
    error.clear();
    EXPECT_FALSE(other_.SetRichText(QByteArray(10, '\0'), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(other_.Text(), surface_.Text());
}

} // namespace
