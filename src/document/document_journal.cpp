#include "document/document_journal.h"

#include "document/document_table.h"
#include "document/file_commands.h"
#include "document/journal_file.h"
#include "document/journal_folder.h"
#include "document/notepad_window.h"
#include "platform/clock.h"
#include "platform/editor_surface.h"

#include <QTextDocument>

DocumentJournal::DocumentJournal(frmNotePad &window, JournalFolder &folder)
    : QObject(&window), window_(window), folder_(&folder), name_(folder.NewJournalName())
{
    for (QTimer *timer : {&pause_, &longest_}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, &DocumentJournal::WriteNow);
    }
    QTextDocument *document = window.editor().document();
    connect(document, &QTextDocument::contentsChanged, this, &DocumentJournal::textEdited);
    connect(document, &QTextDocument::modificationChanged, this, &DocumentJournal::modificationChanged);
}

DocumentJournal::~DocumentJournal()
{
    Discard();
}

DocumentJournal *DocumentJournal::Of(frmNotePad &window)
{
    return window.findChild<DocumentJournal *>(QString(), Qt::FindDirectChildrenOnly);
}

void DocumentJournal::textEdited()
{
    if (!folder_)
        return;
    pause_.start(folder_->pauseMs);
    if (!longest_.isActive())
        longest_.start(folder_->longestMs);
}

void DocumentJournal::WriteNow()
{
    pause_.stop();
    longest_.stop();
    if (!folder_ || !window_.state().Changed)
        return;
    JournalEntry entry{window_.Caption(), {}, {}, window_.FileFormat, {}, folder_->clock().now()};
    EditorSurface &editor = window_.editor();
    if (IsRichTextName(entry.caption)) {
        entry.richText = editor.RichText();
    } else {
        entry.text = editor.Text(entry.format.lineEnding, entry.lineEndings);
    }
    folder_->Write(name_, entry);
}

void DocumentJournal::Discard()
{
    pause_.stop();
    longest_.stop();
    // Removing a journal never written costs no more than finding there is none.
    if (folder_)
        folder_->Remove(name_);
}

void DocumentJournal::modificationChanged(bool modified)
{
    // The text has just been saved: it is safe in its file.
    if (!modified)
        Discard();
}
