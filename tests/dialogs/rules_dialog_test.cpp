#include "support/dialog_fixture.h"

#include <QImage>
#include <QLabel>

namespace {

class RulesDialogTest : public DialogTest
{
protected:
    QDialog *dialog = nullptr;

    void openRules()
    {
        start();
        dialog = openFromMenu("mnuViewRules", "frmRules");
    }

    QString picture(const QString &name, const QColor &colour)
    {
        QImage image(60, 6, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = tempPath(name);
        image.save(path, "PNG");
        return path;
    }

    QImage preview() { return control<QLabel>(dialog, "Image1")->pixmap().toImage(); }
};

TEST_F(RulesDialogTest, PlainRules)
{
    const struct
    {
        const char *width, *widthAs, *shadow, *height, *expected;
    } cases[] = {
        {"75", "PERCENT", "YES", "", "<HR WIDTH=\"75%\">\n"},
        {"75", "PERCENT", "NO", "", "<HR WIDTH=\"75%\" NOSHADE>\n"},
        {"", "PERCENT", "YES", "", "<HR>\n"},
        {"300", "ABSOLUTE", "YES", "", "<HR WIDTH=\"300\">\n"},
        {"75", "PERCENT", "YES", "3", "<HR HEIGHT=\"3\" WIDTH=\"75%\">\n"},
    };
    for (const auto &c : cases) {
        openRules();
        fill(dialog, "txtWidth", c.width);
        pickItem(dialog, "cboWidth", c.widthAs);
        pickItem(dialog, "cboShadow", c.shadow);
        fill(dialog, "txtHeight", c.height);
        click(dialog, "cmdOK");
        EXPECT_EQ(editorText(), c.expected);
        EXPECT_FALSE(isOpen("frmRules"));
    }
}

TEST_F(RulesDialogTest, ChosenGraphicBecomesTheRuleUntilAPickIsCancelled)
{
    store("TagCase", "TagCase", "True");
    openRules();
    dialogs().answerFile(picture("Blue Bar.PNG", Qt::blue));
    click(dialog, "cmdUseGraphic");
    EXPECT_EQ(preview().pixelColor(preview().rect().center()), QColor(Qt::blue));

    // A file that is no picture is refused and the blue bar stays chosen.
    dialogs().answerFile(writeFile("notes.gif", "just text"));
    click(dialog, "cmdUseGraphic");
    EXPECT_TRUE(onlyMessage().contains("notes.gif"));
    EXPECT_EQ(preview().pixelColor(preview().rect().center()), QColor(Qt::blue));

    fill(dialog, "txtHeight", "8");
    pickItem(dialog, "cboShadow", "NO");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), "<img src=\"blue bar.png\" height=\"8\" width=\"75%\" noshade>\n");

    openRules();
    dialogs().answerFile(picture("bar.png", Qt::red));
    click(dialog, "cmdUseGraphic");
    dialogs().cancel();
    click(dialog, "cmdUseGraphic");
    EXPECT_TRUE(control<QLabel>(dialog, "Image1")->pixmap().isNull());
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), "<hr width=\"75%\">\n");
}

}
