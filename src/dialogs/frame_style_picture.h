#pragma once

#include <QWidget>

// A small drawing of one frame layout: a rectangle divided by lines, with the number of
// each frame where it lies. Clicking it chooses the layout.
class FrameStylePicture : public QWidget
{
    Q_OBJECT

public:
    // style 1: two columns; 2: two rows; 3: a row above two columns; 4: two rows beside a column.
    FrameStylePicture(int style, QWidget *parent);

    QSize sizeHint() const override { return {64, 48}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int style_;
};
