#include "document/live_tag_colouring.h"

#include "document/document_table.h"
#include "document/live_tag_highlighter.h"
#include "document/notepad_window.h"
#include "document/program.h"
#include "document/tag_colouring.h"
#include "document/tag_matching.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QSignalBlocker>
#include <QTextDocument>

namespace {

LiveTagHighlighter *highlighterOf(frmNotePad &window)
{
    return window.RichTextBox1->document()->findChild<LiveTagHighlighter *>(QStringLiteral("LiveTagHighlighter"),
                                                                            Qt::FindDirectChildrenOnly);
}

HtmlColours coloursFor(Program &program, frmNotePad &window)
{
    return HtmlColours(window.RichTextBox1->palette(), TagColorFor(program, window.editor()));
}

} // namespace

void ColorTagsWhileTyping(Program &program, frmNotePad &window, bool on)
{
    QTextDocument *document = window.RichTextBox1->document();
    MarkMatchingTags(window.RichTextBox1, on);
    LiveTagHighlighter *current = highlighterOf(window);
    if (on) {
        if (!current)
            new LiveTagHighlighter(window.RichTextBox1, coloursFor(program, window));
        return;
    }
    if (!current)
        return;
    // Taking the colours away is no edit of the user's, and Qt would announce one. Qt
    // also leaves them painted until the lines are laid out again.
    const QSignalBlocker blocker(document);
    delete current;
    document->markContentsDirty(0, document->characterCount());
}

void RecolorLiveTags(Program &program)
{
    DocumentTable &table = program.Documents();
    for (int slot = 1; slot <= table.count(); ++slot) {
        frmNotePad *window = table.window(slot);
        if (table.state(slot).Deleted || !window)
            continue;
        if (LiveTagHighlighter *highlighter = highlighterOf(*window))
            highlighter->SetColours(coloursFor(program, *window));
    }
}
