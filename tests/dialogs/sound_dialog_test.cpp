#include "support/dialog_fixture.h"

#include <QFile>

namespace {

class SoundDialogTest : public DialogTest
{
protected:
    QDialog *dialog = nullptr;
};

TEST_F(SoundDialogTest, FourShapesOfTheTag)
{
    const struct
    {
        const char *browser, *play, *expected;
    } cases[] = {
        {"NETSCAPE", "LOOP", "<EMBED SRC=\"tune.mid\" AUTOSTART=\"TRUE\" LOOP=\"TRUE\" HIDDEN=\"TRUE\">"},
        {"NETSCAPE", "PLAY ONCE", "<EMBED SRC=\"tune.mid\" AUTOSTART=\"TRUE\" LOOP=\"FALSE\" HIDDEN=\"TRUE\">"},
        {"EXPLORER", "LOOP", "<BGSOUND SRC=\"tune.mid\" LOOP=\"INFINITE\">"},
        {"EXPLORER", "PLAY ONCE", "<BGSOUND SRC=\"tune.mid\" LOOP=\"1\">"},
    };
    for (const auto &c : cases) {
        start();
        selectText("Page");
        dialog = openFromMenu("mnuViewSound", "frmSound");
        fill(dialog, "txtSound", "tune.mid");
        pickItem(dialog, "cboBrowser", c.browser);
        pickItem(dialog, "cboLoop", c.play);
        click(dialog, "cmdOK");
        EXPECT_EQ(editorText(), QString("Page") + c.expected);
        EXPECT_FALSE(isOpen("frmSound"));
    }
}

TEST_F(SoundDialogTest, PickedFileGivesItsFullPathAndEstimate)
{
    store("TagCase", "TagCase", "True");
    start();
    dialog = openFromMenu("mnuInsertSound", "frmSound");
    const QString path = writeFile("Theme.MID", QByteArray(56000, 'x'));
    dialogs().answerFile(path);
    click(dialog, "cmdFindSound");
    EXPECT_EQ(fieldText(dialog, "txtSound"), path);
    EXPECT_EQ(caption(dialog, "lblDownloadTime"), "19.44");
    pickItem(dialog, "cboModem", "56");
    EXPECT_EQ(caption(dialog, "lblDownloadTime"), "10.00");

    dialogs().cancel();
    click(dialog, "cmdFindSound");
    EXPECT_EQ(fieldText(dialog, "txtSound"), path);

    // A file gone since the list was shown, or a folder, is named in a message and
    // changes neither the box nor the estimate.
    const QString gone = writeFile("gone.wav", "x");
    QFile::remove(gone);
    for (const auto &[chosen, reason] :
         {std::pair{gone, "File not found"}, std::pair{temp_.path(), "Not a regular file"}}) {
        messages().shown.clear();
        dialogs().answerFile(chosen);
        click(dialog, "cmdFindSound");
        EXPECT_EQ(onlyMessage(), "The file \"" + chosen + "\" cannot be read as a sound:\n" + reason);
        EXPECT_EQ(fieldText(dialog, "txtSound"), path);
        EXPECT_EQ(caption(dialog, "lblDownloadTime"), "10.00");
    }
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), "<embed src=\"" + path.toLower()
                                  + "\" autostart=\"true\" loop=\"true\" hidden=\"true\">");
}

}
