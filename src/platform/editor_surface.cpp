#include "platform/editor_surface.h"

#include "platform/block_line_endings.h"
#include "platform/line_feeds.h"
#include "platform/rich_text_box.h"
#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"
#include "platform/script_shaping.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPrinter>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

const QChar frameStart(0xFDD0);
const QChar frameEnd(0xFDD1);

} // namespace

EditorSurface::EditorSurface(RichTextBox *editor)
    : QObject(editor), editor_(editor), shaping_(new ScriptShaping(*editor))
{
    connect(editor_, &RichTextBox::textChanged, this, &EditorSurface::SelChange);
    connect(editor_, &RichTextBox::cursorPositionChanged, this, &EditorSurface::SelChange);
    connect(editor_, &RichTextBox::selectionChanged, this, &EditorSurface::SelChange);
    connect(editor_->document(), &QTextDocument::contentsChange, this, [this] { ++changes_; });
    editor_->viewport()->installEventFilter(this);
}

QTextDocument *EditorSurface::document() const
{
    return editor_->document();
}

QString EditorSurface::toEditorLineBreaks(const QString &text)
{
    QString normalized = text;
    // Looking for CR LF pairs costs five times as much as one fast search for a CR, and
    // most text, a page just opened among it, has none.
    if (normalized.contains(QLatin1Char('\r'))) {
        normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    normalized.replace(frameStart, QChar::ReplacementCharacter);
    normalized.replace(frameEnd, QChar::ReplacementCharacter);
    return normalized;
}

qsizetype EditorSurface::FirstCharacterNotHeld(const QString &text)
{
    const qsizetype start = text.indexOf(frameStart);
    const qsizetype end = text.indexOf(frameEnd);
    if (start < 0 || end < 0)
        return qMax(start, end);
    return qMin(start, end);
}

QString EditorSurface::Text() const
{
    return text(nullptr, TextFileFormat::LineEnding::Lf);
}

QString EditorSurface::Text(TextFileFormat::LineEnding fresh, LineEndings &endings) const
{
    endings.clear();
    return text(&endings, fresh);
}

QString EditorSurface::text(LineEndings *endings, TextFileFormat::LineEnding fresh) const
{
    // toRawText keeps every character (toPlainText would turn no-break spaces into
    // blanks); only the document's own separators need turning into "\n".
    const QTextDocument *document = editor_->document();
    QString text = document->toRawText();
    const qsizetype breaks = TurnBreaksIntoLineFeeds(text);
    if (endings)
        *endings = HasOwnLineEndings(*document) ? RememberedLineEndings(*document, text, fresh)
                                                : LineEndings(breaks, fresh);
    return text;
}

void EditorSurface::SetText(const QString &text)
{
    shaping_->SetPlainText(toEditorLineBreaks(text));
}

int EditorSurface::SelStart() const
{
    return editor_->textCursor().selectionStart();
}

void EditorSurface::SetSelStart(int start)
{
    SetSelection(start, 0);
}

int EditorSurface::SelLength() const
{
    const QTextCursor cursor = editor_->textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void EditorSurface::SetSelLength(int length)
{
    SetSelection(SelStart(), length);
}

void EditorSurface::SetSelection(int start, int length)
{
    QTextCursor cursor = editor_->textCursor();
    const int end = editor_->document()->characterCount() - 1;
    const int from = qBound(0, start, end);
    cursor.setPosition(from);
    cursor.setPosition(qBound(from, from + qMax(0, length), end), QTextCursor::KeepAnchor);
    editor_->setTextCursor(cursor);
}

QString EditorSurface::SelText() const
{
    QString text = editor_->textCursor().selectedText();
    TurnBreaksIntoLineFeeds(text);
    return text;
}

void EditorSurface::SetSelText(const QString &text)
{
    const QString lines = toEditorLineBreaks(text);
    QTextCursor cursor = editor_->textCursor();
    // An edit block of its own keeps the insertion from merging with the typing before
    // it: undo takes back the insertion alone.
    cursor.beginEditBlock();
    cursor.insertText(lines);
    cursor.endEditBlock();
    editor_->setTextCursor(cursor);
}

QColor EditorSurface::SelColor() const
{
    const QBrush foreground = editor_->currentCharFormat().foreground();
    return foreground.style() == Qt::NoBrush ? editor_->palette().color(QPalette::Text) : foreground.color();
}

void EditorSurface::SetSelColor(const QColor &color)
{
    QTextCharFormat format;
    format.setForeground(color);
    MergeSelFormat(format);
}

void EditorSurface::MergeSelFormat(const QTextCharFormat &format)
{
    editor_->mergeCurrentCharFormat(format);
}

void EditorSurface::SetHideSelection(bool hide)
{
    // Qt's editors always hide the selection when unfocused unless the palette keeps the
    // inactive highlight equal to the active one.
    QPalette palette = editor_->palette();
    const QPalette source = hide ? editor_->style()->standardPalette() : palette;
    const QPalette::ColorGroup from = hide ? QPalette::Inactive : QPalette::Active;
    palette.setBrush(QPalette::Inactive, QPalette::Highlight, source.brush(from, QPalette::Highlight));
    palette.setBrush(QPalette::Inactive, QPalette::HighlightedText, source.brush(from, QPalette::HighlightedText));
    // Setting an equal palette still repolishes the editor; Find Next asks on every match.
    if (palette != editor_->palette())
        editor_->setPalette(palette);
}

void EditorSurface::SetFocus()
{
    editor_->setFocus(Qt::OtherFocusReason);
}

void EditorSurface::Undo()
{
    editor_->undo();
}

void EditorSurface::Cut()
{
    editor_->cut();
}

void EditorSurface::Copy()
{
    editor_->copy();
}

void EditorSurface::Paste()
{
    editor_->paste();
}

void EditorSurface::Delete()
{
    editor_->textCursor().removeSelectedText();
}

void EditorSurface::SelectAll()
{
    editor_->selectAll();
}

bool EditorSurface::SetRichText(const QByteArray &rtf, QString *error)
{
    if (!readRtf(rtf, *editor_->document(), error))
        return false;
    editor_->moveCursor(QTextCursor::Start);
    return true;
}

QByteArray EditorSurface::RichText() const
{
    return writeRtf(*editor_->document());
}

void EditorSurface::SelPrint(QPrinter &printer) const
{
    const QTextCursor cursor = editor_->textCursor();
    // The editor lays its text out in lines without pages: a copy is laid out on the
    // printer's pages, with the formats the page's text carries.
    QTextDocument copy;
    copy.setDefaultFont(editor_->document()->defaultFont());
    QTextCursor(&copy).insertFragment(cursor.hasSelection() ? cursor.selection()
                                                             : QTextDocumentFragment(editor_->document()));
    copy.print(&printer);
}

bool EditorSurface::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == editor_->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        emit MouseDown(mouse->button(), mouse->position().toPoint());
    }
    return QObject::eventFilter(watched, event);
}
