#pragma once

class QImage;
class QLabel;
class QWidget;

// The preview of a chosen picture (Image1).
QLabel *MakePicturePreview(QWidget *parent);
// Shows a chosen picture in the preview, scaled down to fit and never enlarged.
void ShowPicturePreview(QLabel *preview, const QImage &image);
