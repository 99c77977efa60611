#pragma once

#include <QList>
#include <QWidget>

class RichTextBox;

// The line numbers beside an editor. Only the lines in view are looked at, found from the
// editor's own layout, so a long page costs no more than a short one; the gutter is as
// wide as the last line's number needs.
class LineNumberGutter : public QWidget
{
    Q_OBJECT

public:
    explicit LineNumberGutter(RichTextBox *editor, QWidget *parent = nullptr);

    struct ShownNumber
    {
        int line = 0;      // counted from 1
        int baseline = 0;  // in the gutter's coordinates

        bool operator==(const ShownNumber &) const = default;
    };
    // The numbers a paint draws now: one per line whose first row is in view.
    QList<ShownNumber> shownNumbers() const;

    // As wide as the number of the `lines`th line needs. A window about to take a long
    // text is given its final width first: the editor lays a text out afresh at each new
    // width, so the text is then laid out once.
    void FitFor(int lines);
    // Numbers the lines in the family and size (up to 72 points) of the text's font. The
    // editor's own font is followed as it changes.
    void FollowFont(const QFont &font);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitWidth();
    void contentsChanged();

    RichTextBox *editor_;
    QList<ShownNumber> painted_;
};

// The editor beside its gutter, in one widget that stands in for the editor in a window.
QWidget *WithLineNumberGutter(RichTextBox *editor);
LineNumberGutter *GutterOf(QWidget *window);
