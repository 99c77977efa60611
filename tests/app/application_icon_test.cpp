#include "support/program_fixture.h"

#include <QDialog>
#include <QImage>

namespace {

class ApplicationIconTest : public ProgramTest
{
};

// The icon is a scalable drawing: it only shows when the resource is linked in and Qt's
// SVG support is installed, so draw it at a launcher's and a title bar's size.
TEST_F(ApplicationIconTest, TheFrameAndTheWindowsItOwnsShowTheDrawnIcon)
{
    frmMDI &frame = start();
    for (int size : {16, 256}) {
        const QImage picture = frame.windowIcon().pixmap(size).toImage();
        ASSERT_EQ(picture.size(), QSize(size, size)) << size;
        // The corners are transparent; the middle is the painted tile.
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(picture.pixel(size / 2, size * 3 / 4)), 255) << size;
    }
    QDialog owned(&frame);
    EXPECT_EQ(owned.windowIcon().cacheKey(), frame.windowIcon().cacheKey());
}

} // namespace
