#include "support/program_fixture.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"

#include <QDir>
#include <QProcess>

namespace {

class InsertPrintTest : public ProgramTest
{
protected:
    // The text a printed PDF holds, as a reader extracts it, with its blanks collapsed.
    static std::string pdfText(const QString &pdf)
    {
        QProcess extract;
        extract.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        if (!extract.waitForFinished(30000) || extract.exitCode() != 0)
            return "<pdftotext failed: " + extract.errorString().toStdString() + ">";
        return QString::fromUtf8(extract.readAllStandardOutput()).simplified().toStdString();
    }
};

TEST_F(InsertPrintTest, InsertFileGoesInAtTheCaretWithNothingSelected)
{
    start();
    const QString path = writeFile("part.htm", "<b>in</b>\r\nside");
    type("before after");
    EditorSurface &editor = activeDocument()->editor();
    editor.SetSelStart(7);
    dialogs().answerFile(path);
    choose("mnuInsertFile");

    ASSERT_EQ(dialogs().requests.size(), 1);
    const ScriptedDialogs::Request &asked = dialogs().requests[0];
    EXPECT_EQ(asked.kind, ScriptedDialogs::Kind::Open);
    EXPECT_EQ(asked.filter, "HTML Files (*.htm; *.html)|*.htm; *.html|Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
    EXPECT_EQ(asked.defaultExt, ".htm");
    EXPECT_EQ(asked.flags, 6148u);
    EXPECT_TRUE(asked.cancelError);
    EXPECT_EQ(asked.fileName, "");

    EXPECT_EQ(editor.Text(), "before <b>in</b>\nsideafter");
    EXPECT_EQ(editor.SelStart(), 21);
    EXPECT_EQ(openDocuments().size(), 1);
}

TEST_F(InsertPrintTest, InsertFileReplacesTheSelectionAndReadsEightBitFiles)
{
    start();
    const QString path = writeFile("latin.txt", "caf\xE9");
    type("one two three");
    EditorSurface &editor = activeDocument()->editor();
    editor.SetSelStart(4);
    editor.SetSelLength(3);
    dialogs().answerFile(path);
    choose("mnuInsertFile");
    EXPECT_EQ(editor.Text(), QString::fromUtf8("one café three"));
}

TEST_F(InsertPrintTest, InsertFileOfRichTextNameStillInsertsItsPlainText)
{
    start();
    const QString path = writeFile("doc.rtf", "{\\rtf1 x}");
    dialogs().answerFile(path);
    choose("mnuInsertFile");
    EXPECT_EQ(activeDocument()->editor().Text(), "{\\rtf1 x}");
}

TEST_F(InsertPrintTest, InsertFileCancelledChangesNothingAndAnUnreadableFileIsReported)
{
    start();
    type("keep");
    dialogs().cancel();
    choose("mnuInsertFile");
    EXPECT_TRUE(messages().shown.isEmpty());
    dialogs().answerFile(tempPath("missing.htm"));
    choose("mnuInsertFile");
    EXPECT_EQ(activeDocument()->editor().Text(), "keep");
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown[0].text, "Can't open file " + tempPath("missing.htm"));
}

TEST_F(InsertPrintTest, PrintWithoutASelectionPrintsTheWholeDocument)
{
    start();
    type("alpha beta gamma");
    const QString pdf = tempPath("all.pdf");
    dialogs().answerPrint(pdf);
    choose("mnuFilePrint");
    ASSERT_EQ(dialogs().requests.size(), 1);
    EXPECT_EQ(dialogs().requests[0].kind, ScriptedDialogs::Kind::Printer);
    EXPECT_EQ(dialogs().requests[0].flags, 264u);
    EXPECT_TRUE(dialogs().requests[0].cancelError);
    // The page number at the foot is Qt's own.
    EXPECT_EQ(pdfText(pdf), "alpha beta gamma 1");
}

TEST_F(InsertPrintTest, PrintWithASelectionPrintsOnlyTheSelection)
{
    start();
    type("alpha beta gamma");
    activeDocument()->editor().SetSelStart(6);
    activeDocument()->editor().SetSelLength(4);
    const QString pdf = tempPath("selection.pdf");
    dialogs().answerPrint(pdf);
    choose("mnuFilePrint");
    ASSERT_EQ(dialogs().requests.size(), 1);
    EXPECT_EQ(dialogs().requests[0].flags, 265u);
    EXPECT_EQ(pdfText(pdf), "beta 1");
}

TEST_F(InsertPrintTest, CancelledPrintPrintsNothing)
{
    start();
    type("text");
    dialogs().cancel();
    choose("mnuFilePrint");
    EXPECT_EQ(dialogs().requests.size(), 1);
    EXPECT_TRUE(QDir(temp_.path()).entryList({QStringLiteral("*.pdf")}).isEmpty());
}

} // namespace
