#include "support/program_fixture.h"

#include "document/file_commands.h"
#include "document/notepad_window.h"
#include "platform/editor_surface.h"

#include <QAction>
#include <QFileInfo>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

class OpenSaveTest : public ProgramTest
{
protected:
    // Opens a file as the user does: File > Open and the name typed into the dialog.
    frmNotePad *openThroughDialog(const QString &path)
    {
        dialogs().answerFile(path);
        choose("mnuFileOpen");
        return activeDocument();
    }

    // Types characters that have no key of their own, as an input method delivers them.
    void typeCharacter(const QString &character)
    {
        QTest::sendKeyEvent(QTest::Click, activeEditor(), Qt::Key_unknown, character, Qt::NoModifier);
    }
};

TEST_F(OpenSaveTest, OpenAsksForAnExistingFileAndShowsItUnchangedInANewWindow)
{
    start();
    const QString path = writeFile("page.htm", "<p>hello</p>\r\n");
    frmNotePad *opened = openThroughDialog(path);

    ASSERT_EQ(dialogs().requests.size(), 1);
    const ScriptedDialogs::Request &asked = dialogs().requests[0];
    EXPECT_EQ(asked.kind, ScriptedDialogs::Kind::Open);
    EXPECT_EQ(asked.filter, "HTML Files (*.htm; *.html)|*.htm; *.*htm; *.html; *.*html|Text Files (*.txt)|*.txt|"
                            "Rich Text Files (*.rtf)|*.rtf|All Files (*.*)|*.*");
    EXPECT_EQ(asked.defaultExt, ".htm");
    EXPECT_EQ(asked.flags, 6148u);
    EXPECT_TRUE(asked.cancelError);
    EXPECT_EQ(asked.fileName, "");

    ASSERT_EQ(openDocuments().size(), 2);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->Caption(), path);
    EXPECT_EQ(opened->Tag(), "2");
    EXPECT_EQ(opened->editor().Text(), "<p>hello</p>\n");
    EXPECT_FALSE(opened->state().Changed);
    EXPECT_TRUE(messages().shown.isEmpty());
}

TEST_F(OpenSaveTest, TheFramesOwnOpenWorksWithNoDocumentLeft)
{
    start();
    choose("mnuFileClose");
    ASSERT_TRUE(openDocuments().isEmpty());
    const QString path = writeFile("notes.txt", "plain");
    frmNotePad *opened = openThroughDialog(path);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->Caption(), path);
    EXPECT_EQ(opened->Tag(), "1");
    EXPECT_EQ(opened->editor().Text(), "plain");
    // The opened document's menus now stand in the frame's bar.
    EXPECT_NE(menuItem("mnuInsertFile"), nullptr);
}

TEST_F(OpenSaveTest, ColourOnOpeningPaintsTheTagsAndLeavesTheDocumentUnchanged)
{
    store("ColorTags", "ColorTags", "True");
    store("ColorOfTags", "ColorOfTags", "255");
    start();
    frmNotePad *opened = openThroughDialog(writeFile("tags.htm", "<b>x</b>"));
    QTextCursor cursor(opened->RichTextBox1->document());
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(255, 0, 0));
    cursor.setPosition(4);
    EXPECT_NE(cursor.charFormat().foreground().color(), QColor(255, 0, 0));
    EXPECT_FALSE(opened->state().Changed);
    EXPECT_EQ(opened->editor().SelStart(), 0);

    store("ColorTags", "ColorTags", "False");
    opened = openThroughDialog(writeFile("plain.htm", "<i>y</i>"));
    cursor = QTextCursor(opened->RichTextBox1->document());
    cursor.setPosition(1);
    EXPECT_NE(cursor.charFormat().foreground().color(), QColor(255, 0, 0));
}

TEST_F(OpenSaveTest, CancelledOpenChangesNothing)
{
    start();
    dialogs().cancel();
    choose("mnuFileOpen");
    EXPECT_EQ(openDocuments().size(), 1);
    EXPECT_TRUE(messages().shown.isEmpty());
    EXPECT_TRUE(stored("Recent Files", "RecentFile1").isEmpty());
}

struct RoundTrip
{
    const char *name;
    QByteArray bytes;
};

// Named by the case, not dumped byte by byte, in the test list and in failures.
void PrintTo(const RoundTrip &value, std::ostream *out)
{
    *out << value.name;
}

class OpenThenSave : public OpenSaveTest, public ::testing::WithParamInterface<RoundTrip>
{
};

TEST_P(OpenThenSave, GivesBackTheIdenticalBytes)
{
    start();
    const QString path = writeFile(QStringLiteral("file.htm"), GetParam().bytes);
    openThroughDialog(path);
    choose("mnuFileSave");
    EXPECT_TRUE(messages().shown.isEmpty());
    EXPECT_EQ(readFile(path).toHex(' '), GetParam().bytes.toHex(' '));
    // Saving a document that has a file asks for no name.
    EXPECT_EQ(dialogs().requests.size(), 1);
}

QByteArray windows1252Controls()
{
    QByteArray bytes("<p>");
    for (int b = 0x80; b <= 0x9F; ++b)
        bytes.append(char(b));
    return bytes + "</p>\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenThenSave,
    ::testing::Values(RoundTrip{"Utf8", "<p>caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80</p>\n"},
                      RoundTrip{"Utf8WithMark", "\xEF\xBB\xBF<p>\xC3\xA9</p>\r\n"},
                      RoundTrip{"Windows1252", windows1252Controls()},
                      RoundTrip{"CrLf", "<html>\r\n<body>\r\n</body>\r\n</html>\r\n"},
                      RoundTrip{"Lf", "<html>\n<body>\n</body>\n</html>\n"},
                      RoundTrip{"Cr", "<html>\r<body>\r</body>\r</html>\r"},
                      RoundTrip{"NoFinalLineBreak", "<p>a</p>\r\n<p>b</p>"},
                      RoundTrip{"Empty", QByteArray()}),
    [](const ::testing::TestParamInfo<RoundTrip> &info) { return std::string(info.param.name); });

TEST_F(OpenSaveTest, AnEightBitFileStaysEightBitUntilItHoldsACharacterThatDoesNotFit)
{
    start();
    const QString path = writeFile("old.htm", "caf\xE9\r\n");
    openThroughDialog(path);
    activeDocument()->editor().SetSelStart(4);
    typeCharacter(QString::fromUtf8("\u20AC"));
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), "caf\xE9\x80\r\n");

    typeCharacter(QString::fromUtf8("\u4E2D"));
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), "caf\xC3\xA9\xE2\x82\xAC\xE4\xB8\xAD\r\n");
}

TEST_F(OpenSaveTest, UpperCaseRtfIsPlainText)
{
    start();
    const QByteArray source = "{\\rtf1\\ansi {\\b bold}}\r\n";
    const QString path = writeFile("letter.RTF", source);
    frmNotePad *opened = openThroughDialog(path);
    EXPECT_EQ(opened->editor().Text(), "{\\rtf1\\ansi {\\b bold}}\n");
    type("x");
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), "x{\\rtf1\\ansi {\\b bold}}\r\n");
}

TEST_F(OpenSaveTest, LowerCaseRtfIsRichTextBothWays)
{
    start();
    const QString path = writeFile("letter.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 plain {\\b bold}\\par}");
    frmNotePad *opened = openThroughDialog(path);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->Caption(), path);
    EXPECT_EQ(opened->editor().Text(), "plain bold");
    EXPECT_FALSE(opened->state().Changed);
    QTextCursor cursor(opened->RichTextBox1->document());
    cursor.setPosition(8);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);

    type("new ");
    choose("mnuFileSave");
    EXPECT_TRUE(messages().shown.isEmpty());
    EXPECT_TRUE(readFile(path).startsWith("{\\rtf1"));
    EXPECT_FALSE(activeDocument()->state().Changed);
    frmNotePad *again = openThroughDialog(path);
    EXPECT_EQ(again->editor().Text(), "new plain bold");
}

TEST_F(OpenSaveTest, RichTextFromOtherWritersKeepsLinksFootnoteMarksAndWholeCharacters)
{
    start();
    // AbiWord stars the link's result; a font name runs past the reader's limit in the
    // middle of a character written as a surrogate pair.
    const QString path = writeFile("other.rtf",
                                   "{\\rtf1{\\fonttbl{\\f0 " + QByteArray(127, 'F') + "\\u-10179?\\u-8704?;}}\\f0 A link: "
                                   "{\\field{\\*\\fldinst{HYPERLINK \"http://example.com\"}}"
                                   "{\\*\\fldrslt{\\ul example link text}}} here."
                                   "{\\super\\chftn}{\\*\\footnote{\\super\\chftn} Note.}"
                                   " Again{\\super\\chftn}{\\footnote\\chftn n}\\par}");
    frmNotePad *opened = openThroughDialog(path);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->editor().Text(), "A link: example link text here.1 Again2");
    QTextCursor cursor(opened->RichTextBox1->document());
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().fontFamilies().toStringList(), QStringList{QString(127, 'F')});
}

TEST_F(OpenSaveTest, SaveAsUnderAnRtfNameWritesRichText)
{
    start();
    type("<p>text</p>");
    const QString path = tempPath("page.rtf");
    dialogs().answerFile(path);
    choose("mnuFileSaveAs");
    EXPECT_TRUE(readFile(path).startsWith("{\\rtf1"));
    EXPECT_EQ(activeDocument()->Caption(), path);
}

TEST_F(OpenSaveTest, AnRtfNameWithNothingReadableGetsNoWindowThatCouldOverwriteIt)
{
    start();
    const QByteArray bytes(16, '\0');
    const QString path = writeFile("broken.rtf", bytes);
    openThroughDialog(path);
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_TRUE(messages().shown[0].text.startsWith("Can't open file " + path + "\r\n"));
    EXPECT_EQ(openDocuments().size(), 1);
    EXPECT_EQ(readFile(path), bytes);
    // The slot taken for the window is free again for the next document.
    choose("mnuFileNew");
    EXPECT_EQ(activeDocument()->Tag(), "2");
}

TEST_F(OpenSaveTest, SaveOnAnUntitledDocumentAsksForANameAndDoesNotListIt)
{
    start();
    type("<p>new</p>");
    dialogs().cancel();
    choose("mnuFileSave");
    ASSERT_EQ(dialogs().requests.size(), 1);
    const ScriptedDialogs::Request &asked = dialogs().requests[0];
    EXPECT_EQ(asked.kind, ScriptedDialogs::Kind::Save);
    EXPECT_EQ(asked.fileName, "");
    EXPECT_EQ(asked.flags, 10246u);
    EXPECT_EQ(asked.filter, OpenFilter());
    EXPECT_EQ(activeDocument()->Caption(), "Untitled");
    EXPECT_TRUE(activeDocument()->state().Changed);

    const QString path = tempPath("new.htm");
    dialogs().answerFile(path);
    choose("mnuFileSave");
    EXPECT_EQ(readFile(path), "<p>new</p>");
    EXPECT_EQ(activeDocument()->Caption(), path);
    EXPECT_FALSE(activeDocument()->state().Changed);
    EXPECT_TRUE(stored("Recent Files", "RecentFile1").isEmpty());
}

TEST_F(OpenSaveTest, SaveAsKeepsTheDefaultExtensionTheLastDialogLeft)
{
    start();
    openThroughDialog(writeFile("a.htm", "a"));
    dialogs().cancel();
    choose("mnuFileSaveAs");
    ASSERT_EQ(dialogs().requests.size(), 2);
    EXPECT_EQ(dialogs().requests[1].kind, ScriptedDialogs::Kind::Save);
    EXPECT_EQ(dialogs().requests[1].fileName, tempPath("a.htm"));
    EXPECT_EQ(dialogs().requests[1].defaultExt, ".htm");
}

TEST_F(OpenSaveTest, AFailedSaveKeepsTheOldFileTheCaptionAndTheChangedMark)
{
    start();
    // The longest name a folder holds: the file itself exists, but the temporary file a
    // save writes first cannot be made beside it, so the save fails at any privilege.
    const QString path = writeFile(QString(251, QLatin1Char('n')) + ".htm", "old bytes");
    ASSERT_EQ(readFile(path), "old bytes");
    openThroughDialog(path);
    type("new ");
    choose("mnuFileSave");

    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown[0].title, "Tagsmith");
    EXPECT_EQ(messages().shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(messages().shown[0].buttons, MsgButtons::Ok);
    EXPECT_FALSE(messages().shown[0].text.isEmpty());
    EXPECT_EQ(readFile(path), "old bytes");
    EXPECT_EQ(activeDocument()->Caption(), path);
    EXPECT_TRUE(activeDocument()->state().Changed);
    EXPECT_EQ(activeDocument()->editor().Text(), "new old bytes");
}

TEST_F(OpenSaveTest, SavingIntoAFolderThatIsNotThereKeepsTheDocumentUntitled)
{
    start();
    type("text");
    dialogs().answerFile(tempPath("no-such-folder/page.htm"));
    choose("mnuFileSaveAs");
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(activeDocument()->Caption(), "Untitled");
    EXPECT_TRUE(activeDocument()->state().Changed);
    EXPECT_FALSE(QFileInfo::exists(tempPath("no-such-folder")));
}

} // namespace
