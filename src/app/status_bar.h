#pragma once

#include <QPointer>
#include <QStatusBar>
#include <QTimer>

class Program;
class QLabel;
class QMdiArea;
class QTextCursor;
class QTextDocument;
class RichTextBox;
struct TextFileFormat;

// The frame's status bar: where the caret stands in the ActiveDocument (line and column
// from 1, columns in characters as the reader sees them), how long the selection is, how the document will be
// written, and whether it counts as changed. It looks at the caret's line only, never the
// whole text. The caret is followed as it moves; the Changed flag and the file format,
// which the file commands set without telling anyone, are looked at a few times a second.
class DocumentStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    DocumentStatusBar(Program &program, QMdiArea *area);

    void Refresh();

private:
    void followActiveEditor();
    QLabel *addLabel(const QString &name, bool permanent);
    void countCharacters(const QTextCursor &cursor);

    // The caret's column and the selection's length, as last counted.
    struct Counted
    {
        const QTextDocument *document = nullptr;
        int position = -1;
        int anchor = -1;
        int column = 1;
        int selected = 0;
    };

    Program &program_;
    QPointer<RichTextBox> followed_;
    QTimer poll_;
    Counted counted_;
    QLabel *lblCaret = nullptr;
    QLabel *lblSelection = nullptr;
    QLabel *lblEncoding = nullptr;
    QLabel *lblLineEnding = nullptr;
    QLabel *lblChanged = nullptr;
};

// How the status bar names the encoding and the line ending a file is written with.
QString EncodingCaption(const TextFileFormat &format);
QString LineEndingCaption(const TextFileFormat &format);
