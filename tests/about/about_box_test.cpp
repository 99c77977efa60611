#include "support/program_fixture.h"

#include "about/about_box.h"
#include "document/notepad_window.h"
#include "platform/rich_text_box.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class AboutBoxTest : public ProgramTest
{
protected:
    frmAbout *openAbout()
    {
        choose("mnuHelpAbout");
        return qobject_cast<frmAbout *>(frame().dialogs().find("frmAbout"));
    }

    void setMemory(int load, std::uint64_t totalPhys)
    {
        MemoryFigures &figures = memory().figures;
        figures.MemoryLoad = load;
        figures.TotalPhys = totalPhys;
        figures.AvailPhys = 16'999'999;
        figures.TotalPageFile = 6'000'000'000;
        figures.AvailPageFile = 999'999;
    }
};

// The icon is a scalable drawing: it only shows when the resource is linked in and Qt's
// SVG support is installed, so draw it at a launcher's and a title bar's size.
TEST_F(AboutBoxTest, ShowsTheIconAndTheFiveLinesInDecimalMegabytesWarnsOnLowMemoryAndOkOrTheLastDocumentClosesIt)
{
    frmMDI &frame = start();
    for (int size : {16, 256}) {
        const QImage picture = frame.windowIcon().pixmap(size).toImage();
        ASSERT_EQ(picture.size(), QSize(size, size)) << size;
        // The corners are transparent; the middle is the painted tile.
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(picture.pixel(size / 2, size * 3 / 4)), 255) << size;
    }
    frmAbout *about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowIcon().cacheKey(), frame.windowIcon().cacheKey());
    EXPECT_EQ(about->picIcon->pixmap().toImage(), frame.windowIcon().pixmap(64).toImage());
    const QList<QLabel *> lines = {about->lblMemoryLoad, about->lblTotalPhys, about->lblAvailPhys,
                                   about->lblTotalPageFile, about->lblAvailPageFile};
    for (QLabel *label : lines)
        EXPECT_TRUE(label->text().isEmpty()) << label->objectName().toStdString();
    EXPECT_TRUE(about->Timer1->isActive());
    // A second choice raises the open box rather than making another.
    EXPECT_EQ(openAbout(), about);

    setMemory(74, 67'108'864);
    about->Timer1_Timer();
    QStringList shown;
    for (QLabel *label : lines)
        shown << label->text();
    // Beyond 32 bits: machines with more than 2 GB show their real figure.
    EXPECT_EQ(shown, QStringList({"Memory Utilization: 74%", "Physical Memory: 67 mB", "Free Physical Memory: 16 mB",
                                  "Virtual Memory: 6000 mB", "Free Virtual Memory: 0 mB"}));
    EXPECT_TRUE(messages().shown.isEmpty());

    setMemory(75, 8'000'000'000);
    about->Timer1_Timer();
    EXPECT_EQ(onlyMessage(), "Available System-Wide Memory Resources are 25%");
    EXPECT_EQ(about->lblMemoryLoad->text(), "Memory Utilization: 75%");
    // Ticks that come while the warning is still open refresh the figures only.
    memory().figures.MemoryLoad = 90;
    messages().whileShown = [about] { about->Timer1_Timer(); };
    about->Timer1_Timer();
    EXPECT_EQ(messages().shown.size(), 2);
    EXPECT_EQ(messages().shown[1].text, "Available System-Wide Memory Resources are 10%");
    messages().whileShown = nullptr;
    // Once answered, the next tick warns again.
    about->Timer1_Timer();
    EXPECT_EQ(messages().shown.size(), 3);

    frame.setFocus();
    QTest::mouseClick(about->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.dialogs().find("frmAbout"), nullptr);
    EXPECT_EQ(frame.focusWidget(), activeEditor());

    ASSERT_NE(openAbout(), nullptr);
    choose("mnuFileClose");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame.dialogs().find("frmAbout"), nullptr);
}

} // namespace
