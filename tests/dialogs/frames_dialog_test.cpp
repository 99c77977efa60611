#include "support/dialog_fixture.h"

#include "dialogs/frame_style_picture.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdlib>

namespace {

class FramesDialogTest : public DialogTest
{
protected:
    QDialog *dialog = nullptr;

    // Which of the controls that follow the style are enabled, in the order: first
    // slider and its labels, second slider and its labels, frames 1 and 2, frame 3.
    QList<bool> enabledGroups()
    {
        const auto all = [this](const QStringList &names) {
            bool first = control<QWidget>(dialog, names[0])->isEnabled();
            for (const QString &name : names)
                EXPECT_EQ(control<QWidget>(dialog, name)->isEnabled(), first) << name.toStdString();
            return first;
        };
        return {all({"Slider1", "Label1", "Label2", "Label5", "Label6"}),
                all({"Slider2", "Label3", "Label4", "Label7", "Label8"}),
                all({"txtFrameOneName", "txtFrameOneSource", "cmdFrameOneSource", "Label9", "txtFrameTwoName",
                     "txtFrameTwoSource", "cmdFrameTwoSource", "Label10"}),
                all({"txtFrameThreeName", "txtFrameThreeSource", "cmdFrameThreeSource", "Label11"})};
    }
};

TEST_F(FramesDialogTest, EachStyleChosenByItsOptionOrItsPictureEnablesItsControls)
{
    const struct
    {
        const char *option;
        QList<bool> enabled;
    } cases[] = {
        {"Option4", {true, true, true, true}},
        {"Option2", {false, true, true, false}},
        {"Option3", {true, true, true, true}},
        {"Option1", {true, false, true, false}},
    };
    start();
    dialog = openFromMenu("mnuViewFrames", "frmFrames");
    EXPECT_TRUE(control<QRadioButton>(dialog, "Option1")->isChecked());
    EXPECT_EQ(control<QPushButton>(dialog, "cmdFrameOneSource")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_1));
    EXPECT_EQ(enabledGroups(), cases[3].enabled);
    for (const auto &[label, text] : {std::pair{"Label5", "Left"}, {"Label8", "Bottom"}, {"Label9", "Frame 1 Name"}})
        EXPECT_EQ(control<QLabel>(dialog, label)->text(), text);
    for (bool byPicture : {false, true}) {
        for (const auto &c : cases) {
            auto *option = control<QRadioButton>(dialog, c.option);
            const int middle = option->mapTo(dialog, option->rect().center()).x();
            // The picture drawn above each option chooses that option.
            if (byPicture) {
                for (auto *picture : dialog->findChildren<FrameStylePicture *>())
                    if (std::abs(picture->mapTo(dialog, picture->rect().center()).x() - middle) < option->width() / 2)
                        QTest::mouseClick(picture, Qt::LeftButton);
            } else {
                click(dialog, c.option);
            }
            for (const char *other : {"Option1", "Option2", "Option3", "Option4"})
                EXPECT_EQ(control<QRadioButton>(dialog, other)->isChecked(), QString(other) == c.option) << other;
            EXPECT_EQ(enabledGroups(), c.enabled) << c.option;
        }
    }
}

} // namespace
