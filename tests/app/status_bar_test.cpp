#include "support/program_fixture.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QLabel>
#include <QStatusBar>
#include <QTest>

namespace {

class StatusBarTest : public ProgramTest
{
protected:
    QString shown(const char *label) { return frame().statusBar()->findChild<QLabel *>(QLatin1String(label))->text(); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(activeEditor(), key, modifiers);
    }
};

TEST_F(StatusBarTest, CaretLineColumnAndSelectionFollowMovesAndSelections)
{
    start();
    activeDocument()->editor().SetText(QString::fromUtf8("one\nt\xF0\x9F\x98\x80o\nthree"));
    activeDocument()->editor().SetSelStart(0);
    EXPECT_EQ(shown("lblCaret"), "Ln 1, Col 1");
    press(Qt::Key_Down);
    press(Qt::Key_End);
    EXPECT_EQ(shown("lblCaret"), "Ln 2, Col 4");
    press(Qt::Key_Down);
    press(Qt::Key_Home);
    EXPECT_EQ(shown("lblCaret"), "Ln 3, Col 1");
    press(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(shown("lblCaret"), "Ln 3, Col 6");
    EXPECT_EQ(shown("lblSelection"), "5 selected");
    press(Qt::Key_Left);
    EXPECT_EQ(shown("lblCaret"), "Ln 3, Col 1");
    // A letter with its accent and an emoji with its skin tone are one character each.
    activeDocument()->editor().SetText(QStringLiteral("ae\u0301\U0001F44D\U0001F3FDb"));
    press(Qt::Key_End);
    EXPECT_EQ(shown("lblCaret"), "Ln 1, Col 5");
    press(Qt::Key_Left, Qt::ShiftModifier);
    press(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(shown("lblSelection"), "2 selected");
    EXPECT_EQ(shown("lblCaret"), "Ln 1, Col 3");
    // A caret between a letter and its accent, as a find for the bare letter leaves it, is
    // in that letter's column.
    activeDocument()->editor().SetSelStart(2);
    EXPECT_EQ(shown("lblCaret"), "Ln 1, Col 2");

    // Each label is as wide as its text, however often and however far its width changes.
    QLabel *caret = frame().statusBar()->findChild<QLabel *>(QStringLiteral("lblCaret"));
    activeDocument()->editor().SetText(QString(1000, 'w') + "\n" + QString(8, 'i'));
    for (int at : {0, 1000, 1001, 1009, 999, 1005, 3}) {
        activeDocument()->editor().SetSelStart(at);
        EXPECT_EQ(caret->width(), caret->sizeHint().width()) << shown("lblCaret").toStdString();
    }
    EXPECT_EQ(shown("lblCaret"), "Ln 1, Col 4");

    // The labels draw in the bar's font, whatever the desktop makes it.
    frame().statusBar()->setFont(QFont(QStringLiteral("DejaVu Serif"), 15));
    for (const char *label : {"lblCaret", "lblSelection", "lblChanged", "lblEncoding", "lblLineEnding"}) {
        const QFont font = frame().statusBar()->findChild<QLabel *>(QLatin1String(label))->font();
        EXPECT_EQ(font.family(), "DejaVu Serif") << label;
        EXPECT_EQ(font.pointSize(), 15) << label;
    }
    EXPECT_EQ(shown("lblSelection"), "");
}

} // namespace
