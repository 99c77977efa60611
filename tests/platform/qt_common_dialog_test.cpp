#include "platform/qt_common_dialog.h"

#include "platform/message_boxes.h"
#include "platform/wait_cursor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QCursor>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QFontDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>

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

// The modal window as the dialog the test expects next; anything else is closed and fails,
// so a wrong window fails the test instead of hanging it.
template <class Dialog>
Dialog *expectDialog(QWidget *modal)
{
    auto *dialog = qobject_cast<Dialog *>(modal);
    EXPECT_NE(dialog, nullptr);
    if (!dialog && modal)
        modal->close();
    return dialog;
}

// Answers the next modal window when it is the dialog expected.
template <class Dialog>
void thenAnswerAs(std::function<void(Dialog *)> answer)
{
    thenAnswer([answer](QWidget *modal) {
        if (auto *dialog = expectDialog<Dialog>(modal))
            answer(dialog);
    });
}

void closeFileDialog(QWidget *modal, bool accept)
{
    if (auto *dialog = expectDialog<QFileDialog>(modal); dialog && accept)
        dialog->findChild<QDialogButtonBox *>()->buttons().constFirst()->click();
    else if (dialog)
        dialog->close();
}

void pressInMessageBox(QWidget *modal, QMessageBox::StandardButton which, QString *text = nullptr)
{
    if (auto *box = expectDialog<QMessageBox>(modal)) {
        if (text)
            *text = box->text();
        box->button(which)->click();
    }
}

// Accepts the file dialog, then presses a button of the message box that follows; when
// the box sends the user back to the file dialog, that one is cancelled.
void acceptAndAnswerTheBox(QMessageBox::StandardButton which, QString *text, bool backToTheDialog)
{
    thenAnswer([=](QWidget *modal) {
        thenAnswer([=](QWidget *box) {
            if (backToTheDialog)
                thenAnswer([](QWidget *again) { closeFileDialog(again, false); });
            pressInMessageBox(box, which, text);
        });
        closeFileDialog(modal, true);
    });
}

TEST(QtMessageBox, WaitsWithTheNormalPointerAndEachButtonOrEscapeGivesItsAnswer)
{
    const WaitCursor hourglass;
    std::optional<Qt::CursorShape> whileShown;
    thenAnswer([&](QWidget *box) {
        if (const QCursor *pointer = QGuiApplication::overrideCursor())
            whileShown = pointer->shape();
        pressInMessageBox(box, QMessageBox::Ok);
    });
    QtMessageBoxes().show(QStringLiteral("Can't open file x"), QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::None);
    EXPECT_EQ(whileShown, Qt::ArrowCursor);
    // The step goes on under its hourglass.
    EXPECT_TRUE(QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor);

    // Escape closes a box: a message alone has then been seen, a question has been cancelled.
    const auto answer = [](MsgButtons buttons, const std::function<void(QMessageBox *)> &press) {
        thenAnswerAs<QMessageBox>(press);
        return QtMessageBoxes().show(QStringLiteral("Save changes?"), QStringLiteral("Tagsmith"), buttons,
                                     MsgIcon::Question);
    };
    const auto escape = [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); };
    const auto click = [](QMessageBox::StandardButton which) {
        return [which](QMessageBox *box) { box->button(which)->click(); };
    };
    EXPECT_EQ(answer(MsgButtons::Ok, escape), MsgAnswer::Ok);
    EXPECT_EQ(answer(MsgButtons::YesNoCancel, escape), MsgAnswer::Cancel);
    EXPECT_EQ(answer(MsgButtons::OkCancel, escape), MsgAnswer::Cancel);
    EXPECT_EQ(answer(MsgButtons::YesNoCancel, click(QMessageBox::Yes)), MsgAnswer::Yes);
    EXPECT_EQ(answer(MsgButtons::YesNoCancel, click(QMessageBox::No)), MsgAnswer::No);
    EXPECT_EQ(answer(MsgButtons::OkCancel, click(QMessageBox::Ok)), MsgAnswer::Ok);

    // A box of choices: Return takes the first, a click its own, Escape or closing it the last.
    const auto choice = [](const std::function<void(QMessageBox *)> &press) {
        thenAnswerAs<QMessageBox>(press);
        return QtMessageBoxes().choose("Changed on disk", "Tagsmith", {"Reload", "Keep", "Compare"}, MsgIcon::Question);
    };
    EXPECT_EQ(choice([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); }), 0);
    EXPECT_EQ(choice([](QMessageBox *box) { box->buttons().at(1)->click(); }), 1);
    EXPECT_EQ(choice(escape), 2);
    EXPECT_EQ(choice([](QMessageBox *box) { box->reject(); }), 2);
}

class QtCommonDialogTest : public ::testing::Test
{
protected:
    QTemporaryDir folder;
    QtCommonDialogBackend backend;
    CommonDialog dialog{backend};
};

TEST_F(QtCommonDialogTest, CreatePromptAsksBeforeANewFilePathMustExistTurnsAMissingFolderBackAndFileMustExistTakesOnlyAFileThatIsThere)
{
    const QString fresh = folder.filePath(QStringLiteral("fresh.htm"));
    dialog.Flags = cdl::OFNCreatePrompt | cdl::OFNPathMustExist | cdl::OFNOverwritePrompt;
    dialog.FileName = fresh;

    QString asked;
    acceptAndAnswerTheBox(QMessageBox::No, &asked, true);
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_TRUE(asked.startsWith(fresh)) << asked.toStdString();
    EXPECT_TRUE(asked.contains(QStringLiteral("Create the file?")));

    acceptAndAnswerTheBox(QMessageBox::Yes, nullptr, false);
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName, fresh);
    EXPECT_EQ(dialog.FileTitle, QStringLiteral("fresh.htm"));

    // A missing folder is turned back.
    dialog.Flags = cdl::OFNPathMustExist;
    dialog.FileName = folder.filePath(QStringLiteral("missing/page.htm"));
    QString told;
    acceptAndAnswerTheBox(QMessageBox::Ok, &told, true);
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_TRUE(told.contains(QStringLiteral("Path does not exist."))) << told.toStdString();
    // With "file must exist", Open takes a file that is there and stays open for one that is not.
    const QString there = folder.filePath(QStringLiteral("there.htm"));
    ASSERT_TRUE(QFile(there).open(QIODevice::WriteOnly));
    dialog.Flags = cdl::OFNFileMustExist;
    for (const auto &[name, taken] : {std::pair{folder.filePath(QStringLiteral("missing.htm")), false},
                                      std::pair{there, true}}) {
        dialog.FileName = name;
        thenAnswerAs<QFileDialog>([](QFileDialog *fileDialog) {
            fileDialog->findChild<QDialogButtonBox *>()->buttons().constFirst()->click();
            if (fileDialog->isVisible())
                fileDialog->close();
        });
        EXPECT_EQ(dialog.ShowOpen(), taken) << name.toStdString();
    }
}

TEST_F(QtCommonDialogTest, OpensInTheLastFolderChosenOrHomeAndShowsEachFilterAsWritten)
{
    const QString home = QDir::homePath();
    dialog.Filter = QStringLiteral("HTML Files (*.htm; *.html)|*.htm; *.*htm; *.html; *.*html|All Files (*.*)|*.*");
    for (const auto &[initDir, expected] : {
             std::pair{folder.path(), folder.path()},
             std::pair{QString(), home},
             std::pair{folder.filePath(QStringLiteral("gone")), home},
         }) {
        dialog.InitDir = initDir;
        QString opened;
        QStringList shown;
        QStringList lastPatterns;
        thenAnswer([&](QWidget *modal) {
            if (auto *fileDialog = qobject_cast<QFileDialog *>(modal)) {
                opened = fileDialog->directory().absolutePath();
                const auto *types = fileDialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
                for (int i = 0; types && i < types->count(); ++i)
                    shown.append(types->itemText(i));
                fileDialog->selectNameFilter(fileDialog->nameFilters().constLast());
                if (const auto *model = fileDialog->findChild<QFileSystemModel *>())
                    lastPatterns = model->nameFilters();
            }
            closeFileDialog(modal, false);
        });
        EXPECT_FALSE(dialog.ShowOpen());
        EXPECT_EQ(opened, QDir(expected).absolutePath()) << initDir.toStdString();
        EXPECT_EQ(shown, QStringList({"HTML Files (*.htm; *.html)", "All Files (*.*)"}));
        // Names without a dot are files too.
        EXPECT_EQ(lastPatterns, QStringList({"*"}));
    }
    // "*.*" means every file, names without a dot included; a name without its patterns is left out.
    EXPECT_EQ(toQtFilter(QStringLiteral("Pages|*.htm; *.*|All|*.*|Cut off")), "Pages (*.htm *);;All (*)");
}

// The font dialog's family list names some families with their foundry; what comes back
// is the face name alone. With effects, the colour follows as part of the same choice.
TEST_F(QtCommonDialogTest, FontDialogGivesTheFaceNameAndAsksTheColourAsTheFontsOwn)
{
    QString foundryFamily;
    for (const QString &family : QFontDatabase::families())
        if (family.endsWith(QLatin1Char(']')))
            foundryFamily = family;
    if (foundryFamily.isEmpty())
        GTEST_SKIP() << "no font family here is listed with its foundry";

    dialog.DialogTitle = QStringLiteral("Window Font");
    dialog.Flags = cdl::CFBoth | cdl::CFEffects;
    for (const bool acceptColour : {false, true}) {
        dialog.FontName = QStringLiteral("kept");
        QString colourTitle;
        thenAnswerAs<QFontDialog>([&](QFontDialog *fonts) {
            thenAnswerAs<QColorDialog>([&](QColorDialog *colours) {
                colourTitle = colours->windowTitle();
                colours->setCurrentColor(QColor(192, 0, 0));
                acceptColour ? colours->accept() : colours->reject();
            });
            fonts->setCurrentFont(QFont(foundryFamily));
            fonts->accept();
        });
        EXPECT_EQ(dialog.ShowFont(), acceptColour);
        EXPECT_TRUE(colourTitle.startsWith(QLatin1String("Window Font"))) << colourTitle.toStdString();
        EXPECT_EQ(dialog.FontName, acceptColour ? foundryFamily.left(foundryFamily.lastIndexOf(" [")) : "kept");
    }
    EXPECT_EQ(dialog.Color, 192u);
}

// A colour chosen comes back as the colour number; a cancelled dialog leaves it as it was.
TEST_F(QtCommonDialogTest, ColorDialogGivesTheChosenColourOrNothingWhenCancelled)
{
    dialog.Flags = cdl::CCRGBInit;
    for (const bool accept : {false, true}) {
        dialog.Color = 0x00FF00;
        QColor offered;
        thenAnswerAs<QColorDialog>([&](QColorDialog *colours) {
            offered = colours->currentColor();
            colours->setCurrentColor(QColor(0, 0, 192));
            accept ? colours->accept() : colours->reject();
        });
        EXPECT_EQ(dialog.ShowColor(), accept);
        EXPECT_EQ(offered, QColor(0, 255, 0));
        EXPECT_EQ(dialog.Color, accept ? 0xC00000u : 0x00FF00u);
    }
}

} // namespace
