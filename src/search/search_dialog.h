#pragma once

#include <QDialog>

class ProgramContext;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct SearchState;

// What the Find and the Find and Replace dialogs share: the text to find, the match-case
// box, the direction, the Find button (the default) and the Close button (the cancel
// button), and the handlers that keep the program's search state in step with them.
class SearchDialog : public QDialog
{
    Q_OBJECT

public:
    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QCheckBox *chkCase = nullptr;
    QCheckBox *chkRegularExpression = nullptr;
    QCheckBox *chkWholeWord = nullptr;
    QGroupBox *Frame1 = nullptr;
    QRadioButton *optDirection[2] = {};  // index 0 up, 1 down
    QPushButton *cmdFind = nullptr;
    QPushButton *cmdCancel = nullptr;

    // Opening from the Edit menu: looks for the document's selected text, or else for the
    // last find text, takes over a set match-case and counts as a changed find text. The
    // focus goes to that text, all of it selected.
    void Prefill(const QString &selectedText);

protected:
    SearchDialog(ProgramContext &program, SearchState &search, const QString &formName, const QString &caption,
                 const QString &findCaption, const QString &cancelName);

    // Esc clicks the Close button; closing the window otherwise leaves the state alone.
    void keyPressEvent(QKeyEvent *event) override;

    ProgramContext &program_;
    SearchState &search_;

private:
    void Text1_Change();
    void chkCase_Click();
    void optDirection_Click(int index);
    void cmdFind_Click();
    void cmdCancel_Click();
};
