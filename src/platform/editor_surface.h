#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QString>

#include "platform/text_file_codec.h"

class QPrinter;
class ScriptShaping;
class QTextCharFormat;
class QTextDocument;
class RichTextBox;

// The editor operations the program uses, over a document window's text box
// (RichTextBox1). Positions count characters from 0 and a line break is one character;
// text read back uses "\n" for every line break, and text assigned with CR LF gets one
// line break per CR LF.
class EditorSurface : public QObject
{
    Q_OBJECT

public:
    explicit EditorSurface(RichTextBox *editor);

    RichTextBox *widget() const { return editor_; }
    QTextDocument *document() const;

    QString Text() const;
    // The same, with one line ending for each of its line breaks: the one each paragraph
    // remembers from its file, `fresh` where it has none (a line separator typed inside a
    // paragraph among them).
    QString Text(TextFileFormat::LineEnding fresh, LineEndings &endings) const;
    void SetText(const QString &text);
    // Goes up with every change of the text (and of its formats), so an unchanged count
    // means the text read before still holds. Edits inside an edit block count only once
    // the block ends.
    quint64 ChangeCount() const { return changes_; }

    int SelStart() const;
    void SetSelStart(int start);   // collapses the selection to a caret there
    int SelLength() const;
    void SetSelLength(int length); // selects from SelStart onwards
    // Both at once, bringing the selection into view only once.
    void SetSelection(int start, int length);
    QString SelText() const;
    // Replaces the selection (or inserts at the caret) and leaves the caret after it.
    void SetSelText(const QString &text);

    // The text colour at the selection: what typing there would write in.
    QColor SelColor() const;
    void SetSelColor(const QColor &color);
    // Applies a character format to the selection and to what is typed from then on.
    void MergeSelFormat(const QTextCharFormat &format);

    void SetHideSelection(bool hide);
    void SetFocus();

    void Undo();
    void Cut();
    void Copy();
    void Paste();
    void Delete();
    void SelectAll();

    // Makes RTF content the editor's text (see readRtf), the caret at the start; on
    // failure the text stays as it was and error holds the reason.
    bool SetRichText(const QByteArray &rtf, QString *error);
    // The editor's text as RTF.
    QByteArray RichText() const;

    // Prints the selection, or the whole text when nothing is selected.
    void SelPrint(QPrinter &printer) const;

    // Normalises text handed to the editor: CR LF and lone CR become one line break, and
    // the characters the editor cannot hold become U+FFFD.
    static QString toEditorLineBreaks(const QString &text);
    // Where text holds its first character that the editor cannot hold, or -1: U+FDD0 and
    // U+FDD1, which it takes for the edges of its own frames and would break the line at.
    static qsizetype FirstCharacterNotHeld(const QString &text);

signals:
    // After every edit, caret move and selection change.
    void SelChange();
    void MouseDown(Qt::MouseButton button, QPoint position);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Text, and the endings of its lines where they are wanted.
    QString text(LineEndings *endings, TextFileFormat::LineEnding fresh) const;

    RichTextBox *editor_;
    ScriptShaping *shaping_;
    quint64 changes_ = 0;
};
