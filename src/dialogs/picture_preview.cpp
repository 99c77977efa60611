#include "dialogs/picture_preview.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

QLabel *MakePicturePreview(QWidget *parent)
{
    auto *preview = new QLabel(parent);
    preview->setObjectName(QStringLiteral("Image1"));
    preview->setMinimumSize(160, 120);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return preview;
}

void ShowPicturePreview(QLabel *preview, const QImage &image)
{
    const QSize room = preview->contentsRect().size().boundedTo(preview->minimumSize());
    const QImage shown = image.width() > room.width() || image.height() > room.height()
                             ? image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                             : image;
    preview->setPixmap(QPixmap::fromImage(shown));
}
