#include "search/search_dialog.h"

#include "platform/editor_surface.h"
#include "platform/program_context.h"
#include "search/find_next_match.h"
#include "search/search_options.h"
#include "search/search_state.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <limits>

SearchDialog::SearchDialog(ProgramContext &program, SearchState &search, const QString &formName,
                           const QString &caption, const QString &findCaption, const QString &cancelName)
    : QDialog(program.FrameWindow()), program_(program), search_(search)
{
    setObjectName(formName);
    setWindowTitle(caption);

    Frame1 = new QGroupBox(QStringLiteral("Direction"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    optDirection[1] = new QRadioButton(QStringLiteral("&Down"), Frame1);
    optDirection[0] = new QRadioButton(QStringLiteral("&Up"), Frame1);
    auto *directions = new QVBoxLayout(Frame1);
    for (int index : {1, 0}) {
        optDirection[index]->setObjectName(QStringLiteral("optDirection%1").arg(index));
        directions->addWidget(optDirection[index]);
    }
    chkCase = new QCheckBox(QStringLiteral("&Match Case"), this);
    chkCase->setObjectName(QStringLiteral("chkCase"));
    chkRegularExpression = new QCheckBox(QStringLiteral("Regular &expression"), this);
    chkRegularExpression->setObjectName(QStringLiteral("chkRegularExpression"));
    RememberCheckBox(chkRegularExpression, program.settings(), SearchOption::RegularExpression,
                     &search.RegularExpression);
    chkWholeWord = new QCheckBox(QStringLiteral("Whole w&ord"), this);
    chkWholeWord->setObjectName(QStringLiteral("chkWholeWord"));
    RememberCheckBox(chkWholeWord, program.settings(), SearchOption::WholeWord, &search.WholeWord);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    // A selection of any length is looked for whole.
    Text1->setMaxLength(std::numeric_limits<int>::max());
    Label1 = new QLabel(QStringLiteral("Fi&nd What:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(Text1);
    cmdFind = new QPushButton(findCaption, this);
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    cmdFind->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Close"), this);
    cmdCancel->setObjectName(cancelName);
    cmdCancel->setAutoDefault(false);

    // Form_Load
    cmdFind->setEnabled(false);
    optDirection[search.SearchDirection == 1 ? 1 : 0]->setChecked(true);

    connect(Text1, &QLineEdit::textChanged, this, &SearchDialog::Text1_Change);
    connect(chkCase, &QCheckBox::stateChanged, this, &SearchDialog::chkCase_Click);
    for (int index : {0, 1})
        connect(optDirection[index], &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked)
                optDirection_Click(index);
        });
    connect(cmdFind, &QPushButton::clicked, this, &SearchDialog::cmdFind_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &SearchDialog::cmdCancel_Click);
}

void SearchDialog::Prefill(const QString &selectedText)
{
    Text1->setText(selectedText.isEmpty() ? search_.FindText : selectedText);
    search_.FindTextChanged = true;
    if (search_.MatchCase != 0)
        chkCase->setChecked(true);
    // Typing replaces the text, and Return looks for it.
    Text1->selectAll();
    Text1->setFocus();
}

void SearchDialog::Text1_Change()
{
    search_.FindTextChanged = true;
    cmdFind->setEnabled(!Text1->text().isEmpty());
}

void SearchDialog::chkCase_Click()
{
    search_.MatchCase = chkCase->isChecked() ? 1 : 0;
}

void SearchDialog::optDirection_Click(int index)
{
    search_.SearchDirection = index;
}

void SearchDialog::cmdFind_Click()
{
    search_.FindText = Text1->text();
    FindNextMatch(program_, search_);
}

void SearchDialog::cmdCancel_Click()
{
    search_.FindText = Text1->text();
    search_.MatchCase = chkCase->isChecked() ? 1 : 0;
    if (EditorSurface *editor = program_.ActiveEditor())
        editor->SetFocus();
    close();
}

void SearchDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdCancel->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
