#include "document/go_to_line_dialog.h"

#include "platform/program_context.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

frmGoToLine::frmGoToLine(ProgramContext &program, QTextEdit *editor)
    : QDialog(program.FrameWindow()), program_(program), editor_(editor)
{
    setObjectName(QStringLiteral("frmGoToLine"));
    setWindowTitle(QStringLiteral("Go to Line"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);

    const int lastLine = editor->document()->blockCount();
    auto *prompt = new QLabel(QStringLiteral("&Line number (1 to %1):").arg(lastLine), this);
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
    bool ok = false;
    const int line = txtLineNumber->text().trimmed().toInt(&ok);
    if (!ok || line < 1 || line > lastLine) {
        program_.messages().show(QStringLiteral("Enter a line number from 1 to %1.").arg(lastLine),
                                 QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::Exclamation);
        txtLineNumber->setFocus();
        txtLineNumber->selectAll();
        return;
    }
    QTextCursor cursor(editor_->document()->findBlockByNumber(line - 1));
    editor_->setTextCursor(cursor);
    editor_->ensureCursorVisible();
    editor_->setFocus();
    accept();
}

void ShowGoToLine(ProgramContext &program, QTextEdit *editor)
{
    auto *dialog = new frmGoToLine(program, editor);
    dialog->show();
}
