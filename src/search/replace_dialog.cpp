#include "search/replace_dialog.h"

#include "platform/editor_surface.h"
#include "platform/program_context.h"
#include "search/find_next_match.h"
#include "search/replace_commands.h"
#include "search/search_options.h"
#include "search/search_state.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmReplace::frmReplace(ProgramContext &program, SearchState &search)
    : SearchDialog(program, search, QStringLiteral("frmReplace"), QStringLiteral("Find and Replace"),
                   QStringLiteral("&Find Next"), QStringLiteral("cmdCancel"))
{
    cmdUndo = new QPushButton(QStringLiteral("&Undo Last"), this);
    cmdUndo->setObjectName(QStringLiteral("cmdUndo"));
    cmdReplaceAll = new QPushButton(QStringLiteral("Replace &All"), this);
    cmdReplaceAll->setObjectName(QStringLiteral("cmdReplaceAll"));
    cmdReplace = new QPushButton(QStringLiteral("&Replace"), this);
    cmdReplace->setObjectName(QStringLiteral("cmdReplace"));
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setMaxLength(Text1->maxLength());
    Label2 = new QLabel(QStringLiteral("Replace &With:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setBuddy(Text2);
    chkInSelection = new QCheckBox(QStringLiteral("In &selection"), this);
    chkInSelection->setObjectName(QStringLiteral("chkInSelection"));
    RememberCheckBox(chkInSelection, program.settings(), SearchOption::InSelection, &search.InSelection);
    for (QPushButton *button : {cmdUndo, cmdReplaceAll, cmdReplace})
        button->setAutoDefault(false);

    // Form_Load: nothing to replace with yet.
    Text2_Change();

    auto *layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(Text1, 0, 1, 1, 2);
    layout->addWidget(cmdFind, 0, 3);
    layout->addWidget(Label2, 1, 0);
    layout->addWidget(Text2, 1, 1, 1, 2);
    layout->addWidget(cmdReplace, 1, 3);
    layout->addWidget(chkCase, 2, 0, 2, 2, Qt::AlignBottom);
    layout->addWidget(Frame1, 2, 2, 2, 1);
    layout->addWidget(cmdReplaceAll, 2, 3);
    layout->addWidget(cmdUndo, 3, 3);
    layout->addWidget(cmdCancel, 4, 3);
    layout->addWidget(chkRegularExpression, 5, 0, 1, 2);
    layout->addWidget(chkWholeWord, 5, 2);
    layout->addWidget(chkInSelection, 6, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    Text1->setMinimumWidth(200);

    connect(Text2, &QLineEdit::textChanged, this, &frmReplace::Text2_Change);
    connect(chkRegularExpression, &QCheckBox::toggled, this, &frmReplace::Text2_Change);
    connect(cmdReplace, &QPushButton::clicked, this, &frmReplace::cmdReplace_Click);
    connect(cmdReplaceAll, &QPushButton::clicked, this, &frmReplace::cmdReplaceAll_Click);
    connect(cmdUndo, &QPushButton::clicked, this, &frmReplace::cmdUndo_Click);
}

void frmReplace::Text2_Change()
{
    // An empty replacement can never be applied, but for an expression, whose matches it
    // then deletes.
    const bool replacement = !Text2->text().isEmpty() || chkRegularExpression->isChecked();
    cmdReplace->setEnabled(replacement);
    cmdReplaceAll->setEnabled(replacement);
}

void frmReplace::cmdReplace_Click()
{
    SaveUndoText(program_, search_);
    search_.ReplaceText = Text2->text();
    search_.FindText = Text1->text();
    EditorSurface *editor = program_.ActiveEditor();
    // A selection is taken as the occurrence to replace, whatever it holds; without one, or
    // without a find text, the search decides (and finds nothing for an empty text).
    // An expression's replacement needs the groups of a match, which FindAndReplaceNext
    // takes from a selection that is one.
    if (editor && !search_.FindText.isEmpty() && !editor->SelText().isEmpty() && !search_.RegularExpression)
        editor->SetSelText(search_.ReplaceText);
    else
        FindAndReplaceNext(program_, search_);
}

void frmReplace::cmdReplaceAll_Click()
{
    SaveUndoText(program_, search_);
    search_.ReplaceAllFind = Text1->text();
    search_.ReplaceAllWith = Text2->text();
    ReplaceAll(program_, search_);
}

void frmReplace::cmdUndo_Click()
{
    UndoLastReplace(program_, search_);
}
