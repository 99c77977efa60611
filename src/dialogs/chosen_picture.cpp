#include "dialogs/chosen_picture.h"

#include "dialogs/pickers.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

std::optional<ChosenPicture> ChoosePicture(DialogServices services)
{
    PickImageFile(services);
    ChosenPicture picture{services.results.PickedImagePath, services.results.PickedImageName, {}, 0};
    services.results.ResetDialogResults();
    if (picture.path.isEmpty())
        return std::nullopt;

    QImageReader reader(picture.path);
    picture.image = reader.read();
    picture.fileSize = QFileInfo(picture.path).size();
    if (picture.image.isNull()) {
        services.program.messages().show(QStringLiteral("The file \"%1\" cannot be read as a picture:\n%2")
                                              .arg(QDir::toNativeSeparators(picture.path), reader.errorString()),
                                          QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::Exclamation);
        return std::nullopt;
    }
    return picture;
}
