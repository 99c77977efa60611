#include "support/program_fixture.h"

#include "app/application_identity.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"

#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QWindow>

namespace {

using StartupTest = ProgramTest;

TEST_F(StartupTest, AGeometryValueAWindowCannotHaveIsPassedOverAndOnlyTheExactWordTrueChecksAutosave)
{
    const QStringList sides{"FormHeight", "FormWidth"};
    const QStringList all = sides + QStringList{"FormTop", "FormLeft"};
    const std::pair<const char *, QStringList> damaged[] = {
        {"tall", all},  {"nan", all},          {"inf", all},       {"-inf", all},       {"1e400", all},
        {"3e9", all},   {"99999999", sides},   {"16385", sides},   {"-16385", sides},
    };
    for (const auto &[value, keys] : damaged) {
        for (const QString &key : keys)
            store(key, key, value);
        frmMDI &window = start();
        EXPECT_EQ(window.size(), QSize(1024, 740)) << value;
        EXPECT_EQ(window.pos(), QPoint(60, 40)) << value;
    }
    // Positions are kept as stored, even far off the screens there are now.
    store("FormHeight", "FormHeight", "tall");
    store("FormWidth", "FormWidth", "16384");
    store("FormTop", "FormTop", "-40000.2");
    store("FormLeft", "FormLeft", "99999999");
    frmMDI &window = start();
    EXPECT_EQ(window.size(), QSize(16384, 740));
    EXPECT_EQ(window.pos(), QPoint(99999999, -40000));

    // Only the exact word True checks Autosave, and the frame's own item stores it.
    for (const char *value : {"False", "true", "TRUE", "1", "", "True"}) {
        store("Autosave", "Autosave", value);
        EXPECT_EQ(start().action("mnuOptionsAutosave")->isChecked(), QString(value) == "True") << value;
    }
    activeDocument()->close();
    for (const char *stays : {"False", "True"}) {
        choose("mnuOptionsAutosave");
        EXPECT_EQ(frame().action("mnuOptionsAutosave")->isChecked(), QString(stays) == "True");
        EXPECT_EQ(stored("Autosave", "Autosave"), stays);
    }
}

TEST_F(StartupTest, ClosingWithTwoChangedDocumentsAnsweredNoThenCancelKeepsEverything)
{
    frmMDI &frame = start();
    type("first");
    choose("mnuFileNew");
    type("second");
    messages().queue({MsgAnswer::No, MsgAnswer::Cancel});
    frame.close();
    ASSERT_EQ(messages().shown.size(), 2);
    EXPECT_EQ(messages().shown[0].title, "Untitled");
    EXPECT_EQ(messages().shown[1].title, "Untitled:2");
    EXPECT_EQ(openDocuments().size(), 2);
    EXPECT_EQ(openDocuments()[0]->editor().Text(), "first");
    EXPECT_EQ(openDocuments()[1]->editor().Text(), "second");
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(stored("FormHeight", "FormHeight").isEmpty());
}

} // namespace
