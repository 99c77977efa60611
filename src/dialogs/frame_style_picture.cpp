#include "dialogs/frame_style_picture.h"

#include <QMouseEvent>
#include <QPainter>

FrameStylePicture::FrameStylePicture(int style, QWidget *parent) : QWidget(parent), style_(style)
{
    setObjectName(QStringLiteral("Picture%1").arg(style));
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
}

void FrameStylePicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF box = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.fillRect(box, palette().base());
    painter.setPen(QPen(isEnabled() ? palette().color(QPalette::WindowText) : palette().color(QPalette::Mid), 1));
    painter.drawRect(box);

    const qreal midX = box.center().x();
    const qreal midY = box.center().y();
    // Each frame as the rectangle it covers, in frame order.
    QList<QRectF> frames;
    switch (style_) {
    case 1:
        painter.drawLine(QPointF(midX, box.top()), QPointF(midX, box.bottom()));
        frames = {QRectF(box.topLeft(), QPointF(midX, box.bottom())), QRectF(QPointF(midX, box.top()), box.bottomRight())};
        break;
    case 2:
        painter.drawLine(QPointF(box.left(), midY), QPointF(box.right(), midY));
        frames = {QRectF(box.topLeft(), QPointF(box.right(), midY)), QRectF(QPointF(box.left(), midY), box.bottomRight())};
        break;
    case 3:
        painter.drawLine(QPointF(box.left(), midY), QPointF(box.right(), midY));
        painter.drawLine(QPointF(midX, midY), QPointF(midX, box.bottom()));
        frames = {QRectF(box.topLeft(), QPointF(box.right(), midY)), QRectF(QPointF(box.left(), midY), QPointF(midX, box.bottom())),
                  QRectF(QPointF(midX, midY), box.bottomRight())};
        break;
    case 4:
        painter.drawLine(QPointF(midX, box.top()), QPointF(midX, box.bottom()));
        painter.drawLine(QPointF(box.left(), midY), QPointF(midX, midY));
        frames = {QRectF(box.topLeft(), QPointF(midX, midY)), QRectF(QPointF(box.left(), midY), QPointF(midX, box.bottom())),
                  QRectF(QPointF(midX, box.top()), box.bottomRight())};
        break;
    }
    for (qsizetype index = 0; index < frames.size(); ++index)
        painter.drawText(frames[index], Qt::AlignCenter, QString::number(index + 1));
}

void FrameStylePicture::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
