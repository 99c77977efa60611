#include "dialogs/chosen_picture.h"

#include "dialogs/pickers.h"

#include <QFileInfo>
#include <QImageReader>

std::optional<ChosenPicture> ChoosePicture(DialogServices services)
{
    PickImageFile(services);
    ChosenPicture picture{services.results.PickedImagePath, services.results.PickedImageName, {}, 0};
    services.results.ResetDialogResults();
    if (picture.path.isEmpty())
        return std::nullopt;

    const std::optional<QImage> image = ReadPicture(services.program, picture.path);
    if (!image)
        return std::nullopt;
    picture.image = *image;
    picture.fileSize = QFileInfo(picture.path).size();
    return picture;
}

std::optional<QImage> ReadPicture(ProgramContext &program, const QString &path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        ReportUnreadableFile(program, path, QStringLiteral("picture"), reader.errorString());
        return std::nullopt;
    }
    return image;
}
