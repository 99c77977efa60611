#include "document/go_to_line_dialog.h"

#include "platform/program_context.h"
#include "platform/reader_characters.h"
#include "platform/rich_text_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

frmGoToLine::frmGoToLine(ProgramContext &program, RichTextBox *editor)
    : QDialog(program.FrameWindow()), program_(program), editor_(editor)
{
    setObjectName(QStringLiteral("frmGoToLine"));
    setWindowTitle(QStringLiteral("Go to Line"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);

    const int lastLine = editor->document()->blockCount();
    auto *prompt = new QLabel(QStringLiteral("&Line number (1 to %1), or line:column:").arg(lastLine), this);
    prompt->setObjectName(QStringLiteral("lblLineNumber"));
    txtLineNumber = new QLineEdit(QString::number(editor->textCursor().blockNumber() + 1), this);
    txtLineNumber->setObjectName(QStringLiteral("txtLineNumber"));
    txtLineNumber->selectAll();
    prompt->setBuddy(txtLineNumber);

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(ok, &QPushButton::clicked, this, &frmGoToLine::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(txtLineNumber);
    layout->addLayout(buttons);
}

void frmGoToLine::cmdOK_Click()
{
    if (!editor_) {
        reject();
        return;
    }
    const int lastLine = editor_->document()->blockCount();
    // "12" goes to the line's start, "12:5" to its fifth character as the reader counts them.
    const QStringList parts = txtLineNumber->text().trimmed().split(QLatin1Char(':'));
    bool lineOk = false;
    bool columnOk = true;
    const int line = parts.constFirst().trimmed().toInt(&lineOk);
    const int column = parts.size() == 2 ? parts.constLast().trimmed().toInt(&columnOk) : 1;
    if (parts.size() > 2 || !lineOk || !columnOk || column < 1 || line < 1 || line > lastLine) {
        program_.messages().show(QStringLiteral("Enter a line number from 1 to %1.").arg(lastLine),
                                 QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::Exclamation);
        txtLineNumber->setFocus();
        txtLineNumber->selectAll();
        return;
    }
    const QTextBlock block = editor_->document()->findBlockByNumber(line - 1);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + int(OffsetOfReaderColumn(block.text(), column)));
    editor_->setTextCursor(cursor);
    editor_->ensureCursorVisible();
    editor_->setFocus();
    accept();
}

void ShowGoToLine(ProgramContext &program, RichTextBox *editor)
{
    auto *dialog = new frmGoToLine(program, editor);
    dialog->show();
}
