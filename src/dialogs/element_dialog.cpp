#include "dialogs/element_dialog.h"

#include "dialogs/pickers.h"
#include "platform/color_number.h"
#include "platform/editor_surface.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ElementDialog::ElementDialog(DialogServices services, const QString &formName, const QString &caption)
    : QDialog(services.program.FrameWindow()), services_(services)
{
    setObjectName(formName);
    setWindowTitle(caption);
    setModal(false);
    services_.results.ResetDialogResults();
    // Every way of closing (OK, Cancel, Escape, the title bar, the program closing the
    // dialogs) ends in finished().
    connect(this, &QDialog::finished, this, [this] { services_.results.ResetDialogResults(); });
}

void ElementDialog::insertAndClose(const std::function<QString(const QString &)> &compose)
{
    if (EditorSurface *editor = program().ActiveEditor()) {
        editor->SetSelText(compose(editor->SelText()));
        editor->SetFocus();
    }
    close();
}

void ElementDialog::EncloseSelection(const EnclosingTags &tags)
{
    insertAndClose([&](const QString &selected) { return tags.opening + selected + tags.closing; });
}

void ElementDialog::FollowSelection(const QString &fragment)
{
    insertAndClose([&](const QString &selected) { return selected + fragment; });
}

void ElementDialog::ReplaceSelection(const QString &text)
{
    insertAndClose([&](const QString &) { return text; });
}

void ElementDialog::cmdCancel_Click()
{
    if (EditorSurface *editor = program().ActiveEditor())
        editor->SetFocus();
    close();
}

std::optional<QColor> ElementDialog::PickColorForLabel(QLabel *codeLabel)
{
    PickColorCode(services_);
    std::optional<QColor> chosen;
    if (!results().PickedColorValue.isEmpty()) {
        codeLabel->setText(results().PickedColorCode);
        chosen = fromColorNumber(results().PickedColorValue.toUInt());
    }
    results().ResetDialogResults();
    return chosen;
}

QPushButton *ElementDialog::makeButton(const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel *ElementDialog::makeLabel(const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(name);
    return label;
}

QLabel *ElementDialog::makeValueLabel(const QString &name)
{
    QLabel *label = makeLabel(name);
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(80);
    return label;
}

QBoxLayout *ElementDialog::makeOkCancelRow(const std::function<void()> &onOk)
{
    QPushButton *ok = makeButton(QStringLiteral("cmdOK"), QStringLiteral("&OK"));
    ok->setDefault(true);
    QPushButton *cancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"));
    connect(ok, &QPushButton::clicked, this, onOk);
    connect(cancel, &QPushButton::clicked, this, &ElementDialog::cmdCancel_Click);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

void ElementDialog::arrangeWithSideColumn(QLayout *fields, QBoxLayout *side, const std::function<void()> &onOk)
{
    side->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addLayout(fields);
    columns->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(makeOkCancelRow(onOk));
}

void paintBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void paintText(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}
