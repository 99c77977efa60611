#include "app/status_bar.h"

#include "document/document_table.h"
#include "document/file_commands.h"
#include "document/notepad_window.h"
#include "document/program.h"
#include "platform/reader_characters.h"
#include "platform/rich_text_box.h"
#include "platform/text_file_codec.h"

#include <QLabel>
#include <QMdiArea>
#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr int pollMilliseconds = 250;

// The width of the text a label shows, kept with the label.
constexpr char shownWidthProperty[] = "shownTextWidth";

// Shows a text that may change with every key. A label that keeps its size does not lay
// the status bar out again, so it is held at the size its text needs and measured anew
// only when the text's width changes (as the column goes from 9 to 10). Measuring a text
// shapes it, which is most of what showing it costs: the width of the text shown is kept,
// so that a change measures only the new text.
void showInPlace(QLabel *label, const QString &text)
{
    if (text == label->text())
        return;
    const int width = label->fontMetrics().horizontalAdvance(text);
    const bool sameWidth = label->property(shownWidthProperty) == QVariant(width);
    label->setText(text);
    label->setProperty(shownWidthProperty, width);
    if (!sameWidth)
        label->setFixedSize(label->sizeHint());
}

} // namespace

QString EncodingCaption(const TextFileFormat &format)
{
    switch (format.encoding) {
    case TextFileFormat::Encoding::Windows1252:
        return QStringLiteral("Windows-1252");
    case TextFileFormat::Encoding::Utf16LE:
        return QStringLiteral("UTF-16 LE");
    case TextFileFormat::Encoding::Utf16BE:
        return QStringLiteral("UTF-16 BE");
    case TextFileFormat::Encoding::Utf32LE:
        return QStringLiteral("UTF-32 LE");
    case TextFileFormat::Encoding::Utf32BE:
        return QStringLiteral("UTF-32 BE");
    case TextFileFormat::Encoding::Named:
        return QString::fromLatin1(format.name);
    case TextFileFormat::Encoding::Utf8:
        break;
    }
    return format.byteOrderMark ? QStringLiteral("UTF-8 with BOM") : QStringLiteral("UTF-8");
}

// The break new lines get; lines read from the file keep their own.
QString LineEndingCaption(const TextFileFormat &format)
{
    switch (format.lineEnding) {
    case TextFileFormat::LineEnding::Lf:
        return QStringLiteral("LF");
    case TextFileFormat::LineEnding::Cr:
        return QStringLiteral("CR");
    case TextFileFormat::LineEnding::CrLf:
    // New lines never take one of the separators.
    case TextFileFormat::LineEnding::LineSeparator:
    case TextFileFormat::LineEnding::ParagraphSeparator:
        break;
    }
    return QStringLiteral("CR LF");
}

DocumentStatusBar::DocumentStatusBar(Program &program, QMdiArea *area) : program_(program)
{
    setObjectName(QStringLiteral("StatusBar"));
    lblCaret = addLabel(QStringLiteral("lblCaret"), false);
    lblSelection = addLabel(QStringLiteral("lblSelection"), false);
    lblChanged = addLabel(QStringLiteral("lblChanged"), true);
    lblEncoding = addLabel(QStringLiteral("lblEncoding"), true);
    lblLineEnding = addLabel(QStringLiteral("lblLineEnding"), true);

    connect(area, &QMdiArea::subWindowActivated, this, &DocumentStatusBar::followActiveEditor);
    poll_.setInterval(pollMilliseconds);
    connect(&poll_, &QTimer::timeout, this, &DocumentStatusBar::Refresh);
    poll_.start();
    Refresh();
}

QLabel *DocumentStatusBar::addLabel(const QString &name, bool permanent)
{
    auto *label = new QLabel(this);
    label->setObjectName(name);
    // The labels show only ASCII, which draws right unshaped; shaping would be most of
    // what showing the caret's place costs at every move.
    QFont font;
    font.setStyleStrategy(QFont::PreferNoShaping);
    label->setFont(font);
    if (permanent)
        addPermanentWidget(label);
    else
        addWidget(label);
    return label;
}

void DocumentStatusBar::followActiveEditor()
{
    frmNotePad *document = program_.ActiveDocument();
    RichTextBox *editor = document ? document->RichTextBox1 : nullptr;
    if (editor != followed_) {
        if (followed_) {
            followed_->disconnect(this);
            followed_->document()->disconnect(this);
        }
        counted_ = {};
        followed_ = editor;
        if (editor) {
            connect(editor->document(), &QTextDocument::contentsChanged, this, [this] { counted_ = {}; });
            connect(editor, &RichTextBox::cursorPositionChanged, this, &DocumentStatusBar::Refresh);
            connect(editor, &RichTextBox::selectionChanged, this, &DocumentStatusBar::Refresh);
        }
    }
    Refresh();
}

void DocumentStatusBar::Refresh()
{
    frmNotePad *document = program_.ActiveDocument();
    if (!document) {
        for (QLabel *label : {lblCaret, lblSelection, lblEncoding, lblLineEnding, lblChanged})
            showInPlace(label, QString());
        return;
    }
    const QTextCursor cursor = document->RichTextBox1->textCursor();
    countCharacters(cursor);
    showInPlace(lblCaret, QStringLiteral("Ln %1, Col %2").arg(cursor.blockNumber() + 1).arg(counted_.column));
    showInPlace(lblSelection, counted_.selected > 0 ? QStringLiteral("%1 selected").arg(counted_.selected) : QString());
    const bool rich = IsRichTextName(document->Caption());
    showInPlace(lblEncoding, rich ? QStringLiteral("RTF") : EncodingCaption(document->FileFormat));
    showInPlace(lblLineEnding, rich ? QString() : LineEndingCaption(document->FileFormat));
    showInPlace(lblChanged, document->state().Changed ? QStringLiteral("Changed") : QString());
}

void DocumentStatusBar::countCharacters(const QTextCursor &cursor)
{
    // The editor's cursor is null while the editor takes a new text.
    if (cursor.isNull()) {
        counted_ = {};
        return;
    }
    // The bar looks a few times a second: a long line or a long selection is counted once
    // for each place and each edit, not at every look.
    const Counted place{cursor.document(), cursor.position(), cursor.anchor()};
    if (place.document == counted_.document && place.position == counted_.position && place.anchor == counted_.anchor)
        return;
    counted_ = place;
    counted_.column = ReaderColumn(cursor.block().text(), cursor.positionInBlock());
    counted_.selected = cursor.hasSelection() ? ReaderCharacters(cursor.selectedText()) : 0;
}
