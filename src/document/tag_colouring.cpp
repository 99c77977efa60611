#include "document/tag_colouring.h"

#include "dialogs/pickers.h"
#include "document/live_tag_colouring.h"
#include "document/notepad_window.h"
#include "document/program.h"
#include "document/tag_pass.h"
#include "platform/color_number.h"
#include "platform/editor_surface.h"

#include <QAction>
#include <QTextCharFormat>
#include <QTextCursor>

namespace {

// Blue, unless the text itself is blue; then dark red.
QColor fallbackTagColor(const QColor &textColor)
{
    const QColor blue(0, 0, 255);
    return textColor.rgb() == blue.rgb() ? QColor(128, 0, 0) : blue;
}

} // namespace

QColor TagColorFor(Program &program, const EditorSurface &editor)
{
    const QString stored =
        program.settings().read(QStringLiteral("ColorOfTags"), QStringLiteral("ColorOfTags"), program.TagColor);
    bool ok = false;
    const uint number = stored.toUInt(&ok);
    // Only colour numbers this program wrote are used; a value edited into something
    // else by hand is passed over like a missing one.
    if (ok && number <= 0xFFFFFF)
        return fromColorNumber(number);
    return fallbackTagColor(editor.SelColor());
}

void ColorTags(Program &program)
{
    const EditorSurface *editor = program.ActiveEditor();
    if (!editor)
        return;
    QTextCharFormat format;
    format.setForeground(TagColorFor(program, *editor));
    RunTagPass(program, [&format](QTextCursor &cursor, const QString &, const QList<TagRange> &tags) {
        for (const TagRange &tag : tags) {
            cursor.setPosition(tag.start);
            cursor.setPosition(tag.start + tag.length, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(format);
        }
    });
}

void frmNotePad::mnuOptionsChooseTagBracketColor_Click()
{
    const DialogServices services = program_.dialogServices();
    PickTagColor(services);
    if (!services.results.PickedColorValue.isEmpty())
        program_.TagColor = services.results.PickedColorValue;
    else if (const EditorSurface *editor = program_.ActiveEditor())
        program_.TagColor = QString::number(toColorNumber(editor->SelColor()));
    program_.settings().write(QStringLiteral("ColorOfTags"), QStringLiteral("ColorOfTags"), program_.TagColor);
    RecolorLiveTags(program_);
}

void frmNotePad::mnuOptionsColorTagBrackets_Click()
{
    ColorTags(program_);
    RichTextBox1_SelChange();
}

void frmNotePad::mnuOptionsColorTagBracketsOpening_Click()
{
    // The click has flipped the mark already; the stored switch follows the new mark.
    program_.settings().write(
        QStringLiteral("ColorTags"), QStringLiteral("ColorTags"),
        action(QStringLiteral("mnuOptionsColorTagBracketsOpening"))->isChecked() ? QStringLiteral("True")
                                                                                  : QStringLiteral("False"));
}
