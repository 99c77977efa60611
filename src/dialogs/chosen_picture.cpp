#include "dialogs/chosen_picture.h"

#include "dialogs/pickers.h"

#include <QFileInfo>
#include <QImageReader>

namespace {

// More than any preview box shows. JPEG decodes straight to this size, so a camera photo
// never comes near Qt's decoding limit.
constexpr QSize kPreviewBound(640, 640);
// Formats that cannot decode to a smaller size decode whole first. Qt refuses anything
// over its allocation limit (about 33 megapixels); a picture up to this many megabytes
// decoded is let through.
constexpr qint64 kLargestDecodeMegabytes = 1024;

// Lifts Qt's allocation limit to what one picture of this size and format needs, while it
// is read.
class DecodingRoom
{
public:
    DecodingRoom(QSize size, QImage::Format format) : saved_(QImageReader::allocationLimit())
    {
        // Most pictures decode to four bytes a pixel; sixteen bits a channel takes eight.
        const qint64 pixelBytes = qMax(4, QImage::toPixelFormat(format).bitsPerPixel() / 8);
        const qint64 needed = qint64(size.width()) * size.height() * pixelBytes / (1024 * 1024) + 1;
        if (size.isValid() && saved_ > 0 && needed > saved_ && needed <= kLargestDecodeMegabytes)
            QImageReader::setAllocationLimit(int(needed));
    }
    ~DecodingRoom() { QImageReader::setAllocationLimit(saved_); }
    DecodingRoom(const DecodingRoom &) = delete;
    DecodingRoom &operator=(const DecodingRoom &) = delete;

private:
    const int saved_;
};

} // namespace

std::optional<ChosenPicture> ChoosePicture(DialogServices services)
{
    PickImageFile(services);
    ChosenPicture picture{services.results.PickedImagePath, services.results.PickedImageName, {}, 0};
    services.results.ResetDialogResults();
    if (picture.path.isEmpty())
        return std::nullopt;

    const std::optional<PictureContent> content = ReadPicture(services.program, picture.path);
    if (!content)
        return std::nullopt;
    picture.content = *content;
    picture.fileSize = QFileInfo(picture.path).size();
    return picture;
}

std::optional<PictureContent> ReadPicture(ProgramContext &program, const QString &path)
{
    QImageReader reader(path);
    // The size comes from the file's header; only the preview is decoded.
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kPreviewBound.width() || size.height() > kPreviewBound.height()))
        reader.setScaledSize(size.scaled(kPreviewBound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const DecodingRoom room(size, reader.imageFormat());
    const QImage preview = reader.read();
    if (preview.isNull()) {
        ReportUnreadableFile(program, path, QStringLiteral("picture"), reader.errorString());
        return std::nullopt;
    }
    return PictureContent{size.isValid() ? size : preview.size(), preview};
}
