#pragma once

#include "dialogs/dialog_services.h"

#include <QImage>
#include <QString>

#include <optional>

struct ChosenPicture
{
    QString path;
    QString name;  // without its folder
    QImage image;
    qint64 fileSize = 0;
};

// Runs the picture picker and reads the chosen file. Nothing when the user cancelled, or
// when the file cannot be read as a picture: then a message names the file and the
// caller keeps what it showed before. The shared results are empty afterwards.
std::optional<ChosenPicture> ChoosePicture(DialogServices services);

// Reads the picture file at path. Nothing when it cannot be read as a picture: then a
// message names the file.
std::optional<QImage> ReadPicture(ProgramContext &program, const QString &path);
