#include "document/special_buttons.h"

#include "dialogs/tag_case.h"
#include "platform/editor_surface.h"
#include "platform/program_context.h"

namespace {

struct SpecialButton
{
    QLatin1String key;
    QLatin1String tag;
    bool appends;  // the tag follows the selection instead of enclosing it
};

constexpr SpecialButton SpecialButtons[] = {
    {QLatin1String("Paragraph"), QLatin1String("P"), false},
    {QLatin1String("Break"), QLatin1String("BR"), true},
    {QLatin1String("Bold"), QLatin1String("B"), false},
    {QLatin1String("Italic"), QLatin1String("I"), false},
    {QLatin1String("Underline"), QLatin1String("U"), false},
    {QLatin1String("Center"), QLatin1String("CENTER"), false},
    {QLatin1String("HeadOne"), QLatin1String("H1"), false},
    {QLatin1String("HeadTwo"), QLatin1String("H2"), false},
    {QLatin1String("HeadThree"), QLatin1String("H3"), false},
    {QLatin1String("HeadFour"), QLatin1String("H4"), false},
    {QLatin1String("HeadFive"), QLatin1String("H5"), false},
    {QLatin1String("HeadSix"), QLatin1String("H6"), false},
};

} // namespace

void RunSpecialButton(ProgramContext &program, const QString &key)
{
    EditorSurface *editor = program.ActiveEditor();
    if (!editor)
        return;
    for (const SpecialButton &button : SpecialButtons) {
        if (key != button.key)
            continue;
        const QString open = ApplyTagCase(QLatin1Char('<') + button.tag + QLatin1Char('>'), program.LowercaseTags);
        const QString selected = editor->SelText();
        if (button.appends) {
            editor->SetSelText(selected + open);
        } else {
            const QString close = ApplyTagCase(QStringLiteral("</") + button.tag + QLatin1Char('>'), program.LowercaseTags);
            editor->SetSelText(open + selected + close);
        }
        return;
    }
}
