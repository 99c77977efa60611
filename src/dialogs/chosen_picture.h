#pragma once

#include "dialogs/dialog_services.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// A picture file as the dialogs use it: its size in pixels, and a copy of it no larger
// than a preview needs.
struct PictureContent
{
    QSize size;
    QImage preview;
};

struct ChosenPicture
{
    QString path;
    QString name;  // without its folder
    PictureContent content;
    qint64 fileSize = 0;
};

// Runs the picture picker and reads the chosen file. Nothing when the user cancelled, or
// when the file cannot be read as a picture: then a message names the file and the
// caller keeps what it showed before. The shared results are empty afterwards.
std::optional<ChosenPicture> ChoosePicture(DialogServices services);

// Reads the picture file at path. Nothing when it cannot be read as a picture: then a
// message names the file.
std::optional<PictureContent> ReadPicture(ProgramContext &program, const QString &path);
