#include "support/program_fixture.h"

#include "about/about_box.h"

#include <QImage>
#include <QLabel>

namespace {

class ApplicationIconTest : public ProgramTest
{
};

// The icon is a scalable drawing: it only shows when the resource is linked in and Qt's
// SVG support is installed, so draw it at a launcher's and a title bar's size.
TEST_F(ApplicationIconTest, TheFrameAndTheAboutBoxShowTheDrawnIcon)
{
    frmMDI &frame = start();
    for (int size : {16, 256}) {
        const QImage picture = frame.windowIcon().pixmap(size).toImage();
        ASSERT_EQ(picture.size(), QSize(size, size)) << size;
        // The corners are transparent; the middle is the painted tile.
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(picture.pixel(size / 2, size * 3 / 4)), 255) << size;
    }

    choose("mnuHelpAbout");
    auto *about = qobject_cast<frmAbout *>(frame.dialogs().find("frmAbout"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowIcon().cacheKey(), frame.windowIcon().cacheKey());
    EXPECT_EQ(about->picIcon->pixmap().toImage(), frame.windowIcon().pixmap(64).toImage());
    EXPECT_FALSE(about->picIcon->pixmap().isNull());
}

} // namespace
