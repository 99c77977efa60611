#pragma once

#include "dialogs/dialog_services.h"
#include "dialogs/fragment_parts.h"

#include <QDialog>

#include <functional>
#include <optional>

class QBoxLayout;
class QLayout;
class QColor;
class QLabel;
class QPushButton;

// The common ground of the modeless element dialogs. Loading and closing empty the shared
// result strings. Insertion goes into the editor of the document active at that moment,
// hands that editor the focus and closes the dialog; with no document open nothing is
// inserted and the dialog still closes. Cancel hands the focus back and closes.
class ElementDialog : public QDialog
{
    Q_OBJECT

protected:
    ElementDialog(DialogServices services, const QString &formName, const QString &caption);

    ProgramContext &program() const { return services_.program; }
    DialogResults &results() const { return services_.results; }
    DialogServices services() const { return services_; }
    bool lowercase() const { return services_.program.LowercaseTags; }

    // The selection S becomes opening + S + closing.
    void EncloseSelection(const EnclosingTags &tags);
    // The selection S becomes S + fragment.
    void FollowSelection(const QString &fragment);
    // The selection is replaced by text.
    void ReplaceSelection(const QString &text);

    void cmdCancel_Click();

    // A colour button: runs the colour picker and, when a colour was chosen, shows its code
    // in codeLabel and returns the colour for the caller's preview. Cancelling leaves the
    // label as it was. The shared results are empty afterwards either way.
    std::optional<QColor> PickColorForLabel(QLabel *codeLabel);

    QPushButton *makeButton(const QString &name, const QString &caption);
    QLabel *makeLabel(const QString &name, const QString &caption = {});
    // A sunken label that shows a chosen value (a colour code, a file name).
    QLabel *makeValueLabel(const QString &name);
    // The OK (default button) and Cancel row; Cancel is wired to cmdCancel_Click.
    QBoxLayout *makeOkCancelRow(const std::function<void()> &onOk);
    // The fields with a column beside them (a preview, an estimate), OK and Cancel below.
    void arrangeWithSideColumn(QLayout *fields, QBoxLayout *side, const std::function<void()> &onOk);

private:
    void insertAndClose(const std::function<QString(const QString &selected)> &compose);

    DialogServices services_;
};

// Preview painting for the labels of colour choices.
void paintBackground(QWidget *widget, const QColor &color);
void paintText(QWidget *widget, const QColor &color);
