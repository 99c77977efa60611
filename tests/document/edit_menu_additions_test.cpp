#include "support/program_fixture.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"

#include <QAction>
#include <QApplication>
#include <QTest>

namespace {

class EditMenuAdditionsTest : public ProgramTest
{
protected:
    void keys(const QKeySequence &sequence)
    {
        QApplication::setActiveWindow(&frame());
        QTest::keySequence(activeEditor(), sequence);
        QCoreApplication::processEvents();
    }
};

TEST_F(EditMenuAdditionsTest, RedoTakesBackAnUndoByMenuAndByBothKeys)
{
    start();
    EXPECT_FALSE(menuItem("mnuEditRedo")->isEnabled());
    type("<b>");
    for (const QKeySequence &redo : {QKeySequence(), QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}) {
        choose("mnuEditUndoLast");
        EXPECT_EQ(activeDocument()->editor().Text(), "");
        ASSERT_TRUE(menuItem("mnuEditRedo")->isEnabled());
        activeDocument()->state().Changed = false;
        if (redo.isEmpty())
            choose("mnuEditRedo");
        else
            keys(redo);
        EXPECT_EQ(activeDocument()->editor().Text(), "<b>") << redo.toString().toStdString();
        EXPECT_FALSE(menuItem("mnuEditRedo")->isEnabled());
        EXPECT_TRUE(activeDocument()->state().Changed);
    }
}

} // namespace
