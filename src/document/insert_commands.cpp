#include "dialogs/tag_case.h"
#include "document/insert_fragments.h"
#include "document/notepad_window.h"
#include "document/program.h"
#include "document/special_buttons.h"
#include "platform/editor_surface.h"

#include <QLocale>

namespace {

// The selection stays and the fragment follows it directly, in the chosen tag case.
void appendAfterSelection(Program &program, const QString &fragment)
{
    if (EditorSurface *editor = program.ActiveEditor())
        editor->SetSelText(editor->SelText() + ApplyTagCase(fragment, program.LowercaseTags));
}

} // namespace

void frmNotePad::mnuInsertBold_Click()
{
    RunSpecialButton(program_, QStringLiteral("Bold"));
}

void frmNotePad::mnuInsertItalic_Click()
{
    RunSpecialButton(program_, QStringLiteral("Italic"));
}

void frmNotePad::mnuInsertUnderline_Click()
{
    RunSpecialButton(program_, QStringLiteral("Underline"));
}

void frmNotePad::mnuInsertParagraph_Click()
{
    RunSpecialButton(program_, QStringLiteral("Paragraph"));
}

void frmNotePad::mnuInsertHeadingOne_Click()
{
    RunSpecialButton(program_, QStringLiteral("HeadOne"));
}

void frmNotePad::mnuInsertHeadingTwo_Click()
{
    RunSpecialButton(program_, QStringLiteral("HeadTwo"));
}

void frmNotePad::mnuInsertHeadingThree_Click()
{
    RunSpecialButton(program_, QStringLiteral("HeadThree"));
}

void frmNotePad::mnuInsertHeadingFour_Click()
{
    RunSpecialButton(program_, QStringLiteral("HeadFour"));
}

void frmNotePad::mnuInsertHeadingFive_Click()
{
    RunSpecialButton(program_, QStringLiteral("HeadFive"));
}

void frmNotePad::mnuInsertHeadingSix_Click()
{
    RunSpecialButton(program_, QStringLiteral("HeadSix"));
}

void frmNotePad::mnuInsertComment_Click()
{
    if (EditorSurface *editor = program_.ActiveEditor())
        editor->SetSelText(CommentText(editor->SelText()));
}

void frmNotePad::mnuInsertHeader_Click()
{
    appendAfterSelection(program_, HeaderFragment());
}

void frmNotePad::mnuInsertStandardTemplate_Click()
{
    appendAfterSelection(program_, StandardTemplateFragment());
}

void frmNotePad::mnuInsertRule_Click()
{
    appendAfterSelection(program_, StandardRuleFragment());
}

void frmNotePad::mnuInsertTimeDate_Click()
{
    if (EditorSurface *editor = program_.ActiveEditor())
        editor->SetSelText(TimeDateText(program_.platform().clock->now(), QLocale()));
}
