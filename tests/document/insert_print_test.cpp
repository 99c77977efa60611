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

TEST_F(InsertPrintTest, InsertFileGoesInAtTheCaretOrOverTheSelectionAsPlainText)
{
    start();
    type("before after");
    EditorSurface &editor = activeDocument()->editor();
    editor.SetSelStart(7);
    choose("mnuInsertFile", writeFile("part.htm", "<b>in</b>\r\nside"));
    EXPECT_EQ(dialogs().requests[0].kind, ScriptedDialogs::Kind::Open);
    EXPECT_EQ(editor.Text(), "before <b>in</b>\nsideafter");
    EXPECT_EQ(editor.SelStart(), 21);
    EXPECT_EQ(openDocuments().size(), 1);

    // Eight-bit files are read as such; a rich text name still inserts its plain text.
    editor.SetText("one two three");
    editor.SetSelection(4, 3);
    choose("mnuInsertFile", writeFile("latin.txt", "caf\xE9"));
    EXPECT_EQ(editor.Text(), QString::fromUtf8("one café three"));
    // A stray byte in UTF-8 goes in as the letter it stands for, never as a byte's box.
    editor.SetText("");
    choose("mnuInsertFile", writeFile("mixed.htm", "gr\xC3\xBC\xC3\x9F caf\xE9"));
    EXPECT_EQ(editor.Text(), QString::fromUtf8("grüß café"));
    EXPECT_EQ(onlyMessage(), "File " + tempPath("mixed.htm") + " is UTF-8 but for a few stray bytes; the first, 0xE9, "
                             "is on line 1, column 9.\r\nEach went in as the Windows-1252 character it stands for.");
    messages().shown.clear();
    editor.SetText("");
    choose("mnuInsertFile", writeFile("doc.rtf", "{\\rtf1 x}"));
    EXPECT_EQ(editor.Text(), "{\\rtf1 x}");

    // Cancelled, nothing changes.
    choose("mnuInsertFile", {});
    EXPECT_TRUE(messages().shown.isEmpty());
    EXPECT_EQ(editor.Text(), "{\\rtf1 x}");
}

TEST_F(InsertPrintTest, PrintPrintsTheSelectionOrTheWholeDocumentAndCancelNothing)
{
    start();
    type("alpha beta gamma");
    dialogs().answerPrint(tempPath("all.pdf"));
    choose("mnuFilePrint");
    // The page number at the foot is Qt's own.
    EXPECT_EQ(pdfText(tempPath("all.pdf")), "alpha beta gamma 1");

    activeDocument()->editor().SetSelection(6, 4);
    dialogs().answerPrint(tempPath("selection.pdf"));
    choose("mnuFilePrint");
    EXPECT_EQ(pdfText(tempPath("selection.pdf")), "beta 1");

    choose("mnuFilePrint", {});
    EXPECT_EQ(dialogs().requests.size(), 3);
    // The dialog offers to print the selection only while there is one.
    EXPECT_FALSE(dialogs().requests[0].flags & cdl::PDSelection);
    EXPECT_TRUE(dialogs().requests[1].flags & cdl::PDSelection);
    EXPECT_EQ(QDir(temp_.path()).entryList({QStringLiteral("*.pdf")}).size(), 2);
}

} // namespace
