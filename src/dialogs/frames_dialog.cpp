#include "dialogs/frames_dialog.h"

#include "dialogs/form_controls.h"
#include "dialogs/frame_style_picture.h"
#include "dialogs/frames_fragment.h"
#include "dialogs/pickers.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

const QStringList YesNo = {QStringLiteral("YES"), QStringLiteral("NO")};

QSlider *makeSlider(QWidget *parent, const QString &name)
{
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(0, 100);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(10);
    slider->setPageStep(10);
    return slider;
}

}

frmFrames::frmFrames(DialogServices services)
    : ElementDialog(services, QStringLiteral("frmFrames"), QStringLiteral("Frames"))
{
    auto *top = new QHBoxLayout;
    top->addLayout(buildStyles());
    top->addLayout(buildSplits());
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buildFrames());
    layout->addLayout(buildOptions());
    layout->addLayout(makeOkCancelRow([this] { cmdOK_Click(); }));
    Form_Load();
}

QLayout *frmFrames::buildStyles()
{
    auto *group = new QGroupBox(QStringLiteral("Frame Style"), this);
    auto *grid = new QGridLayout(group);
    for (int style = 1; style <= 4; ++style) {
        auto *picture = new FrameStylePicture(style, group);
        QRadioButton *option = options_[style - 1] = new QRadioButton(group);
        option->setObjectName(QStringLiteral("Option%1").arg(style));
        grid->addWidget(picture, 0, style - 1, Qt::AlignCenter);
        grid->addWidget(option, 1, style - 1, Qt::AlignCenter);
        connect(option, &QRadioButton::clicked, this, [this, style] { OptionClick(style); });
        connect(picture, &FrameStylePicture::clicked, this, [this, style] { OptionClick(style); });
    }
    auto *box = new QVBoxLayout;
    box->addWidget(group);
    return box;
}

QLayout *frmFrames::buildSplits()
{
    const QStringList ends = {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Top"),
                              QStringLiteral("Bottom")};
    for (int index = 0; index < 8; ++index)
        splitLabels_[index] = makeLabel(QStringLiteral("Label%1").arg(index + 1), index < 4 ? QString() : ends[index - 4]);
    for (int index = 0; index < 4; ++index)
        splitLabels_[index]->setAlignment(Qt::AlignCenter);

    Slider1 = makeSlider(this, QStringLiteral("Slider1"));
    Slider2 = makeSlider(this, QStringLiteral("Slider2"));
    connect(Slider1, &QSlider::valueChanged, this, &frmFrames::Slider1_Click);
    connect(Slider2, &QSlider::valueChanged, this, &frmFrames::Slider2_Click);

    // One group per slider: the slider between its two end names, the split values below.
    const auto splitGroup = [this](const QString &caption, QSlider *slider, int first) {
        auto *group = new QGroupBox(caption, this);
        auto *grid = new QGridLayout(group);
        grid->addWidget(splitLabels_[first + 4], 0, 0);
        grid->addWidget(slider, 0, 1);
        grid->addWidget(splitLabels_[first + 5], 0, 2);
        grid->addWidget(splitLabels_[first], 1, 0);
        grid->addWidget(splitLabels_[first + 1], 1, 2);
        return group;
    };
    auto *box = new QVBoxLayout;
    box->addWidget(splitGroup(QStringLiteral("Vertical Percentage"), Slider1, 0));
    box->addWidget(splitGroup(QStringLiteral("Horizontal Percentage"), Slider2, 2));
    return box;
}

QLayout *frmFrames::buildFrames()
{
    const QStringList numbers = {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")};
    auto *grid = new QGridLayout;
    for (int index = 0; index < 3; ++index) {
        FrameRow &row = frames_[index];
        row.caption = makeLabel(QStringLiteral("Label%1").arg(9 + index), QStringLiteral("Frame %1 Name").arg(index + 1));
        row.name = makeTextBox(this, QStringLiteral("txtFrame%1Name").arg(numbers[index]));
        row.source = makeTextBox(this, QStringLiteral("txtFrame%1Source").arg(numbers[index]));
        row.pick = makeButton(QStringLiteral("cmdFrame%1Source").arg(numbers[index]),
                              QStringLiteral("Frame &%1 Source").arg(index + 1));
        grid->addWidget(row.caption, index, 0);
        grid->addWidget(row.name, index, 1);
        grid->addWidget(row.pick, index, 2);
        grid->addWidget(row.source, index, 3);
        connect(row.pick, &QPushButton::clicked, this, [this, source = row.source] { cmdFrameSource_Click(source); });
    }
    return grid;
}

QLayout *frmFrames::buildOptions()
{
    cboBorder = makeComboBox(this, QStringLiteral("cboBorder"), YesNo, QStringLiteral("YES"));
    cboResize = makeComboBox(this, QStringLiteral("cboResize"), YesNo, QStringLiteral("YES"));
    cboScrolling = makeComboBox(this, QStringLiteral("cboScrolling"),
                                {QStringLiteral("AUTO"), QStringLiteral("YES"), QStringLiteral("NO")},
                                QStringLiteral("AUTO"));
    txtMarginwidth = makeTextBox(this, QStringLiteral("txtMarginwidth"));
    txtMarginheight = makeTextBox(this, QStringLiteral("txtMarginheight"));
    txtFrameSpacing = makeTextBox(this, QStringLiteral("txtFrameSpacing"));
    txtBorderColor = makeTextBox(this, QStringLiteral("txtBorderColor"));
    cmdBorderColor = makeButton(QStringLiteral("cmdBorderColor"), QStringLiteral("C&olor"));
    connect(cboBorder, &QComboBox::activated, this, &frmFrames::cboBorder_Click);
    connect(cmdBorderColor, &QPushButton::clicked, this, &frmFrames::cmdBorderColor_Click);

    auto *borderGroup = new QGroupBox(QStringLiteral("Frame Border"), this);
    auto *border = new QFormLayout(borderGroup);
    border->addRow(QStringLiteral("Use Border:"), cboBorder);
    border->addRow(QStringLiteral("Framespacing:"), txtFrameSpacing);
    auto *colour = new QHBoxLayout;
    colour->addWidget(cmdBorderColor);
    colour->addWidget(txtBorderColor);
    border->addRow(colour);

    auto *frame = new QFormLayout;
    frame->addRow(QStringLiteral("Resizeable:"), cboResize);
    frame->addRow(QStringLiteral("Scrolling:"), cboScrolling);
    frame->addRow(QStringLiteral("Marginwidth:"), txtMarginwidth);
    frame->addRow(QStringLiteral("Marginheight:"), txtMarginheight);

    auto *row = new QHBoxLayout;
    row->addWidget(borderGroup);
    row->addLayout(frame);
    return row;
}

void frmFrames::Form_Load()
{
    Slider1->setValue(0);
    Slider2->setValue(0);
    Slider1_Click();
    Slider2_Click();
    OptionClick(1);
}

void frmFrames::OptionClick(int style)
{
    for (QRadioButton *option : options_)
        option->setChecked(option == options_[style - 1]);
    // Which slider and which frames the layout uses.
    const bool firstSlider = style != 2;
    const bool secondSlider = style != 1;
    const bool thirdFrame = style >= 3;
    Slider1->setEnabled(firstSlider);
    Slider2->setEnabled(secondSlider);
    for (int index : {0, 1, 4, 5})
        splitLabels_[index]->setEnabled(firstSlider);
    for (int index : {2, 3, 6, 7})
        splitLabels_[index]->setEnabled(secondSlider);
    const FrameRow &third = frames_[2];
    for (QWidget *control : {static_cast<QWidget *>(third.caption), static_cast<QWidget *>(third.name),
                             static_cast<QWidget *>(third.source), static_cast<QWidget *>(third.pick)})
        control->setEnabled(thirdFrame);
}

void frmFrames::Slider1_Click()
{
    splitLabels_[0]->setText(QString::number(Slider1->value()));
    splitLabels_[1]->setText(QString::number(100 - Slider1->value()));
}

void frmFrames::Slider2_Click()
{
    splitLabels_[2]->setText(QString::number(Slider2->value()));
    splitLabels_[3]->setText(QString::number(100 - Slider2->value()));
}

void frmFrames::cboBorder_Click()
{
    const bool border = cboBorder->currentText() != QLatin1String("NO");
    if (!border) {
        txtBorderColor->clear();
        txtFrameSpacing->setText(QStringLiteral("0"));
    }
    cmdBorderColor->setEnabled(border);
    txtBorderColor->setEnabled(border);
    txtFrameSpacing->setEnabled(border);
}

void frmFrames::cmdBorderColor_Click()
{
    PickColorCode(services());
    if (!results().PickedColorValue.isEmpty())
        txtBorderColor->setText(results().PickedColorCode);
    results().ResetDialogResults();
}

void frmFrames::cmdFrameSource_Click(QLineEdit *source)
{
    PickPageFile(services());
    if (!results().PickedPageName.isEmpty())
        source->setText(results().PickedPageName);
    results().ResetDialogResults();
}

FrameFields frmFrames::fields() const
{
    FrameFields fields;
    for (int index = 0; index < 4; ++index)
        if (options_[index]->isChecked())
            fields.style = index + 1;
    fields.split1 = splitLabels_[0]->text();
    fields.split2 = splitLabels_[1]->text();
    fields.split3 = splitLabels_[2]->text();
    fields.split4 = splitLabels_[3]->text();
    for (int index = 0; index < 3; ++index) {
        fields.names[index] = frames_[index].name->text();
        fields.sources[index] = frames_[index].source->text();
    }
    fields.border = cboBorder->currentText();
    fields.resize = cboResize->currentText();
    fields.scrolling = cboScrolling->currentText();
    fields.marginWidth = txtMarginwidth->text();
    fields.marginHeight = txtMarginheight->text();
    fields.frameSpacing = txtFrameSpacing->text();
    fields.borderColor = txtBorderColor->text();
    return fields;
}

void frmFrames::cmdOK_Click()
{
    FollowSelection(BuildFrameFragment(fields(), lowercase()));
}
