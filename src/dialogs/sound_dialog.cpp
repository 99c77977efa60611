#include "dialogs/sound_dialog.h"

#include "dialogs/download_time_frame.h"
#include "dialogs/form_controls.h"
#include "dialogs/pickers.h"
#include "dialogs/sound_fragment.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmSound::frmSound(DialogServices services)
    : ElementDialog(services, QStringLiteral("frmSound"), QStringLiteral("Sound"))
{
    txtSound = makeTextBox(this, QStringLiteral("txtSound"));
    txtSound->setMinimumWidth(260);
    QPushButton *cmdFindSound = makeButton(QStringLiteral("cmdFindSound"), QStringLiteral("&Find Sound"));
    cboLoop = makeComboBox(this, QStringLiteral("cboLoop"), {QStringLiteral("LOOP"), QStringLiteral("PLAY ONCE")},
                           QStringLiteral("LOOP"));
    cboBrowser = makeComboBox(this, QStringLiteral("cboBrowser"),
                              {QStringLiteral("EXPLORER"), QStringLiteral("NETSCAPE")}, QStringLiteral("NETSCAPE"));
    Frame1 = new DownloadTimeFrame(QStringLiteral("Estimated Download Time"),
                                   {QStringLiteral("cboModem"), QStringLiteral("Label3"), QStringLiteral("Label4")},
                                   this);

    auto *file = new QHBoxLayout;
    file->addWidget(cmdFindSound);
    file->addWidget(txtSound, 1);
    auto *choices = new QGridLayout;
    choices->addWidget(makeLabel(QStringLiteral("Label1"), QStringLiteral("Browser:")), 0, 0);
    choices->addWidget(cboBrowser, 0, 1);
    choices->addWidget(makeLabel(QStringLiteral("Label2"), QStringLiteral("Play Style:")), 1, 0);
    choices->addWidget(cboLoop, 1, 1);
    choices->setRowStretch(2, 1);
    auto *middle = new QHBoxLayout;
    middle->addLayout(choices);
    middle->addWidget(Frame1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(file);
    layout->addLayout(middle);
    layout->addLayout(makeOkCancelRow([this] { cmdOK_Click(); }));

    connect(cmdFindSound, &QPushButton::clicked, this, &frmSound::cmdFindSound_Click);
}

void frmSound::cmdFindSound_Click()
{
    PickSoundFile(services());
    const QString path = results().PickedSoundPath;
    results().ResetDialogResults();
    if (path.isEmpty())
        return;
    // The tag only names the file, but the estimate is its size: a file gone since the
    // dialog listed it (or one that is no file) would be estimated at nothing.
    const QFileInfo chosen(path);
    if (!chosen.isFile()) {
        ReportUnreadableFile(program(), path, QStringLiteral("sound"),
                             chosen.exists() ? QStringLiteral("Not a regular file") : QStringLiteral("File not found"));
        return;
    }
    txtSound->setText(path);
    Frame1->setFileSize(chosen.size());
}

void frmSound::cmdOK_Click()
{
    FollowSelection(BuildSoundFragment({txtSound->text(), cboLoop->currentText(), cboBrowser->currentText()},
                                       lowercase()));
}
