#pragma once

#include "dialogs/element_dialog.h"

#include <array>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSlider;
struct FrameFields;

// frmFrames: writes a whole frame-set document in one of four layouts after the selection.
class frmFrames : public ElementDialog
{
    Q_OBJECT

public:
    explicit frmFrames(DialogServices services);

private:
    // The controls of one frame: its name, its source and the source's picker button.
    struct FrameRow
    {
        QLabel *caption = nullptr;
        QLineEdit *name = nullptr;
        QLineEdit *source = nullptr;
        QPushButton *pick = nullptr;
    };

    void Form_Load();
    void OptionClick(int style);
    void Slider1_Click();
    void Slider2_Click();
    void cboBorder_Click();
    void cmdBorderColor_Click();
    void cmdFrameSource_Click(QLineEdit *source);
    void cmdOK_Click();

    QLayout *buildStyles();
    QLayout *buildSplits();
    QLayout *buildFrames();
    QLayout *buildOptions();
    FrameFields fields() const;

    std::array<QRadioButton *, 4> options_{};
    QSlider *Slider1 = nullptr;
    QSlider *Slider2 = nullptr;
    // Label1 to Label8 by their number less one: the split values and the slider ends.
    std::array<QLabel *, 8> splitLabels_{};
    std::array<FrameRow, 3> frames_{};
    QComboBox *cboBorder = nullptr;
    QComboBox *cboResize = nullptr;
    QComboBox *cboScrolling = nullptr;
    QLineEdit *txtMarginwidth = nullptr;
    QLineEdit *txtMarginheight = nullptr;
    QLineEdit *txtFrameSpacing = nullptr;
    QLineEdit *txtBorderColor = nullptr;
    QPushButton *cmdBorderColor = nullptr;
};
