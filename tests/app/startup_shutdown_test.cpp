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

// The title Qt's X11 and Wayland windows hand the desktop: the window's own title, with
// " — " and the application's display name after it when one was set and the title does
// not end with it already.
QString titleOnDesktop(const QString &title)
{
    const QString displayName = QGuiApplication::applicationDisplayName();
    if (displayName == QCoreApplication::applicationName() || title.endsWith(displayName))
        return title;
    return title + QStringLiteral(" \u2014 ") + displayName;
}

TEST_F(StartupTest, EveryWindowReachesTheDesktopCaptionedExactlyAsTheProgramSays)
{
    const QString testName = QCoreApplication::applicationName();
    SetApplicationIdentity();
    frmMDI &frame = start();
    QStringList shown = {titleOnDesktop(frame.windowHandle()->title())};
    for (const auto &[item, formName] : {std::pair{"mnuEditFind", "frmFind"}, std::pair{"mnuEditReplace", "frmReplace"},
                                         std::pair{"mnuViewHex", "frmRGB"}}) {
        choose(item);
        QDialog *dialog = frame.dialogs().find(formName);
        ASSERT_TRUE(dialog && dialog->windowHandle()) << formName;
        shown << titleOnDesktop(dialog->windowHandle()->title());
    }
    type("changed");
    choose("mnuFileClose");
    ASSERT_EQ(messages().shown.size(), 1);
    shown << titleOnDesktop(messages().shown[0].title);
    EXPECT_EQ(shown, QStringList({"TAGSMITH, v. 2.92", "Find", "Find and Replace", "Hex Value", "Untitled"}));
    QCoreApplication::setApplicationName(testName);
}

TEST_F(StartupTest, FirstRunOpensOneUntitledWindowClosingItLeavesTheFramesMenusAndTheGeometryIsKept)
{
    frmMDI &frame = start();
    EXPECT_FALSE(frame.action("mnuOptionsAutosave")->isChecked());
    EXPECT_EQ(captions(), QStringList{"Untitled"});
    EXPECT_FALSE(activeDocument()->state().Changed);
    // The active document's menus stand in the frame's bar.
    EXPECT_NE(menuItem("mnuInsertBold"), nullptr);
    EXPECT_EQ(menuItem("mnuOptionsAutosave"), nullptr);

    choose("mnuFileClose");
    EXPECT_TRUE(openDocuments().isEmpty());
    EXPECT_TRUE(frame.isVisible());
    EXPECT_NE(menuItem("mnuOptionsAutosave"), nullptr);
    EXPECT_EQ(menuItem("mnuInsertBold"), nullptr);
    EXPECT_TRUE(stored("FormWidth", "FormWidth").isEmpty());
    // The frame's own New brings the document menus back.
    choose("mnuFileNew");
    EXPECT_EQ(activeDocument()->Caption(), "Untitled:1");
    EXPECT_NE(menuItem("mnuInsertBold"), nullptr);
    // Shutdown stores the geometry, which the next run restores exactly.
    frame.resize(700, 500);
    frame.move(33, 44);
    choose("mnuFileExit");
    EXPECT_FALSE(frame.isVisible());
    QStringList geometry;
    for (const char *key : {"FormHeight", "FormWidth", "FormTop", "FormLeft"})
        geometry << stored(key, key);
    EXPECT_EQ(geometry, QStringList({"500", "700", "44", "33"}));

    frmMDI &again = start();
    EXPECT_EQ(again.size(), QSize(700, 500));
    EXPECT_EQ(again.pos(), QPoint(33, 44));

    // A frame made small comes back at that size; one too small is stored as it really was.
    choose("mnuFileClose");
    again.resize(1024, 144);
    ASSERT_EQ(again.height(), 144);
    choose("mnuFileExit");
    EXPECT_EQ(start().size(), QSize(1024, 144));
    store("FormHeight", "FormHeight", "1");
    frmMDI &least = start();
    const int shown = least.height();
    EXPECT_GT(shown, 1);
    choose("mnuFileExit");
    EXPECT_EQ(stored("FormHeight", "FormHeight"), QString::number(shown));
}

TEST_F(StartupTest, AGeometryValueThatIsNotANumberAWindowCanHaveIsPassedOver)
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
        frmMDI &frame = start();
        EXPECT_EQ(frame.size(), QSize(1024, 740)) << value;
        EXPECT_EQ(frame.pos(), QPoint(60, 40)) << value;
    }
    // Positions are kept as stored, even far off the screens there are now.
    store("FormHeight", "FormHeight", "tall");
    store("FormWidth", "FormWidth", "16384");
    store("FormTop", "FormTop", "-40000.2");
    store("FormLeft", "FormLeft", "99999999");
    frmMDI &frame = start();
    EXPECT_EQ(frame.size(), QSize(16384, 740));
    EXPECT_EQ(frame.pos(), QPoint(99999999, -40000));
}

TEST_F(StartupTest, OnlyTheExactWordTrueChecksAutosaveAndTheFramesItemStoresIt)
{
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
