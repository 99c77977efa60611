#include "platform/qt_common_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Answers the modal window that opens next, as a user would, once it is on screen.
void thenAnswer(std::function<void(QWidget *)> answer, int triesLeft = 500)
{
    QTimer::singleShot(10, qApp, [answer, triesLeft] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal && triesLeft > 0)
            thenAnswer(answer, triesLeft - 1);
        else
            answer(modal);
    });
}

// Each answer closes what it was given even when it is not what the test expected, so a
// wrong window fails the test instead of hanging it.
void closeFileDialog(QWidget *modal, bool accept)
{
    auto *dialog = qobject_cast<QFileDialog *>(modal);
    EXPECT_NE(dialog, nullptr);
    QDialogButtonBox *buttons = dialog ? dialog->findChild<QDialogButtonBox *>() : nullptr;
    if (buttons && accept)
        buttons->buttons().constFirst()->click();
    else if (modal)
        modal->close();
}

void acceptFileDialog(QWidget *modal)
{
    closeFileDialog(modal, true);
}

void rejectFileDialog(QWidget *modal)
{
    closeFileDialog(modal, false);
}

void pressInMessageBox(QWidget *modal, QMessageBox::StandardButton which, QString *text = nullptr)
{
    auto *box = qobject_cast<QMessageBox *>(modal);
    EXPECT_NE(box, nullptr);
    if (!box) {
        if (modal)
            modal->close();
        return;
    }
    if (text)
        *text = box->text();
    box->button(which)->click();
}

class QtFileDialogFlags : public ::testing::Test
{
protected:
    QTemporaryDir folder;
    QtCommonDialogBackend backend;
    CommonDialog dialog{backend};
};

TEST_F(QtFileDialogFlags, CreatePromptAsksBeforeANewFileAndNoGoesBackToTheDialog)
{
    const QString fresh = folder.filePath(QStringLiteral("fresh.htm"));
    dialog.Flags = cdl::OFNCreatePrompt | cdl::OFNPathMustExist | cdl::OFNOverwritePrompt;
    dialog.FileName = fresh;

    QString asked;
    thenAnswer([&](QWidget *modal) {
        thenAnswer([&](QWidget *box) {
            thenAnswer(rejectFileDialog);
            pressInMessageBox(box, QMessageBox::No, &asked);
        });
        acceptFileDialog(modal);
    });
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_TRUE(asked.startsWith(fresh)) << asked.toStdString();
    EXPECT_TRUE(asked.contains(QStringLiteral("Create the file?")));

    thenAnswer([&](QWidget *modal) {
        thenAnswer([&](QWidget *box) { pressInMessageBox(box, QMessageBox::Yes); });
        acceptFileDialog(modal);
    });
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName, fresh);
    EXPECT_EQ(dialog.FileTitle, QStringLiteral("fresh.htm"));
}

TEST_F(QtFileDialogFlags, PathMustExistTurnsAMissingFolderBack)
{
    dialog.Flags = cdl::OFNPathMustExist;
    dialog.FileName = folder.filePath(QStringLiteral("missing/page.htm"));
    QString told;
    thenAnswer([&](QWidget *modal) {
        thenAnswer([&](QWidget *box) {
            thenAnswer(rejectFileDialog);
            pressInMessageBox(box, QMessageBox::Ok, &told);
        });
        acceptFileDialog(modal);
    });
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_TRUE(told.contains(QStringLiteral("Path does not exist."))) << told.toStdString();
}

TEST(QtFilter, AlternatingNamesAndPatternsBecomeQtsForm)
{
    EXPECT_EQ(toQtFilter(QStringLiteral("HTML Files (*.htm; *.html)|*.htm; *.*htm|All Files (*.*)|*.*")),
              QStringLiteral("HTML Files (*.htm; *.html) (*.htm *.*htm);;All Files (*.*) (*.*)"));
}

} // namespace
