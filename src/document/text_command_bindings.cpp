#include "document/notepad_window.h"

#include "platform/editor_surface.h"

#include "platform/rich_text_box.h"

void frmNotePad::connectTextCommands()
{
    bind(QStringLiteral("mnuOptionsChooseTagBracketColor"), &frmNotePad::mnuOptionsChooseTagBracketColor_Click);
    bind(QStringLiteral("mnuOptionsColorTagBrackets"), &frmNotePad::mnuOptionsColorTagBrackets_Click);
    bind(QStringLiteral("mnuOptionsColorTagBracketsOpening"), &frmNotePad::mnuOptionsColorTagBracketsOpening_Click);
    bind(QStringLiteral("mnuOptionsUseLowercaseTags"), &frmNotePad::mnuOptionsUseLowercaseTags_Click);
    bind(QStringLiteral("mnuOptionsTagsLowercase"), &frmNotePad::mnuOptionsTagsLowercase_Click);
    bind(QStringLiteral("mnuOptionsTagsUppercase"), &frmNotePad::mnuOptionsTagsUppercase_Click);

    bind(QStringLiteral("mnuInsertBold"), &frmNotePad::mnuInsertBold_Click);
    bind(QStringLiteral("mnuInsertItalic"), &frmNotePad::mnuInsertItalic_Click);
    bind(QStringLiteral("mnuInsertUnderline"), &frmNotePad::mnuInsertUnderline_Click);
    bind(QStringLiteral("mnuInsertParagraph"), &frmNotePad::mnuInsertParagraph_Click);
    bind(QStringLiteral("mnuInsertHeadingOne"), &frmNotePad::mnuInsertHeadingOne_Click);
    bind(QStringLiteral("mnuInsertHeadingTwo"), &frmNotePad::mnuInsertHeadingTwo_Click);
    bind(QStringLiteral("mnuInsertHeadingThree"), &frmNotePad::mnuInsertHeadingThree_Click);
    bind(QStringLiteral("mnuInsertHeadingFour"), &frmNotePad::mnuInsertHeadingFour_Click);
    bind(QStringLiteral("mnuInsertHeadingFive"), &frmNotePad::mnuInsertHeadingFive_Click);
    bind(QStringLiteral("mnuInsertHeadingSix"), &frmNotePad::mnuInsertHeadingSix_Click);
    bind(QStringLiteral("mnuInsertComment"), &frmNotePad::mnuInsertComment_Click);
    bind(QStringLiteral("mnuInsertHeader"), &frmNotePad::mnuInsertHeader_Click);
    bind(QStringLiteral("mnuInsertStandardTemplate"), &frmNotePad::mnuInsertStandardTemplate_Click);
    bind(QStringLiteral("mnuInsertRule"), &frmNotePad::mnuInsertRule_Click);
    bind(QStringLiteral("mnuInsertTimeDate"), &frmNotePad::mnuInsertTimeDate_Click);

    bind(QStringLiteral("mnuEditUndoLast"), &frmNotePad::mnuEditUndoLast_Click);
    bind(QStringLiteral("mnuEditCut"), &frmNotePad::mnuEditCut_Click);
    bind(QStringLiteral("mnuEditCopy"), &frmNotePad::mnuEditCopy_Click);
    bind(QStringLiteral("mnuEditPaste"), &frmNotePad::mnuEditPaste_Click);
    bind(QStringLiteral("mnuEditDelete"), &frmNotePad::mnuEditDelete_Click);
    bind(QStringLiteral("mnuEditSelectAll"), &frmNotePad::mnuEditSelectAll_Click);

    // The right button brings up this window's Edit menu, in place of the editor's own.
    RichTextBox1->setContextMenuPolicy(Qt::PreventContextMenu);
    connect(surface_, &EditorSurface::MouseDown, this, &frmNotePad::RichTextBox1_MouseDown);
}
