#include "platform/editor_surface.h"
#include "rtf_test_support.h"

#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class EditorSurfaceRichText : public ::testing::Test
{
protected:
    QString path(const char *name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir_;
    QTextEdit editor_;
    EditorSurface surface_{&editor_};
    QTextEdit otherEditor_;
    EditorSurface other_{&otherEditor_};
};

TEST_F(EditorSurfaceRichText, SavedFileLoadsWithTheSameTextAndFormat)
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
    ASSERT_TRUE(surface_.SaveRichText(path("doc.rtf"), &error)) << error.toStdString();
    other_.SetText("replaced");
    ASSERT_TRUE(other_.LoadRichText(path("doc.rtf"), &error)) << error.toStdString();

    EXPECT_EQ(other_.Text(), surface_.Text());
    EXPECT_EQ(propertiesOf(*other_.document()), propertiesOf(*surface_.document()));
    EXPECT_EQ(other_.SelStart(), 0);
    EXPECT_FALSE(other_.document()->isUndoAvailable());
}

TEST_F(EditorSurfaceRichText, SavingReplacesTheOldFile)
{
    ASSERT_TRUE(writeFileBytes(path("doc.rtf"), QByteArray(100000, 'x')));
    surface_.SetText("short");
    ASSERT_TRUE(surface_.SaveRichText(path("doc.rtf"), nullptr));
    ASSERT_TRUE(other_.LoadRichText(path("doc.rtf"), nullptr));
    EXPECT_EQ(other_.Text(), "short");
}

TEST_F(EditorSurfaceRichText, FailuresReportTheReasonAndKeepTheText)
{
    surface_.SetText("kept");
    ASSERT_TRUE(writeFileBytes(path("zeros.rtf"), QByteArray(10, '\0')));
    for (const QString &file : {path("missing.rtf"), path("zeros.rtf"), dir_.path()}) {
        SCOPED_TRACE(file.toStdString());
        QString error;
        EXPECT_FALSE(surface_.LoadRichText(file, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(surface_.Text(), "kept");
    }
    QString error;
    EXPECT_FALSE(surface_.SaveRichText(dir_.filePath("no/such/folder/doc.rtf"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(surface_.SaveRichText(dir_.path(), &error)); // a folder, not a file
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
