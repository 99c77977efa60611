#include "platform/qt_common_dialog.h"

#include "platform/color_number.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

QString toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString &pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            // "*.*" means every file where the filter was written; to Qt it means names
            // with a dot only.
            const QString trimmed = pattern.trimmed();
            patterns.append(trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
        entries.append(parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

namespace {

QFileDialog::Options fileOptions(std::uint32_t flags)
{
    // The names already show their patterns as the user knows them; Qt's would follow twice.
    QFileDialog::Options options = QFileDialog::HideNameFilterDetails;
    if (!(flags & cdl::OFNOverwritePrompt))
        options |= QFileDialog::DontConfirmOverwrite;
    return options;
}

// The questions the classic dialog asks before it lets a name through; false keeps the
// dialog open for another choice.
bool confirmChoice(QWidget *parent, const QString &title, std::uint32_t flags, const QString &fileName)
{
    const QFileInfo info(fileName);
    if ((flags & cdl::OFNPathMustExist) && !info.absoluteDir().exists()) {
        QMessageBox::warning(parent, title,
                             fileName + QStringLiteral("\nPath does not exist.\nCheck the path and try again."));
        return false;
    }
    if ((flags & cdl::OFNCreatePrompt) && !info.exists())
        return QMessageBox::question(parent, title,
                                     fileName + QStringLiteral("\nThis file does not exist.\nCreate the file?"))
               == QMessageBox::Yes;
    return true;
}

// The folder of the last file chosen; the user's home on a first run or once that folder
// has gone, never the working folder (the program's own).
QString startFolder(const QString &initDir)
{
    return !initDir.isEmpty() && QFileInfo(initDir).isDir() ? initDir : QDir::homePath();
}

// Qt lists a family that several foundries make as "Name [foundry]"; a page and the
// settings want the name alone.
QString faceName(const QString &family)
{
    const qsizetype bracket = family.lastIndexOf(QStringLiteral(" ["));
    return bracket > 0 && family.endsWith(QLatin1Char(']')) ? family.left(bracket) : family;
}

bool runFileDialog(QWidget *parent, CommonDialog &dialog, QFileDialog::AcceptMode mode)
{
    QFileDialog fileDialog(parent, dialog.DialogTitle);
    fileDialog.setAcceptMode(mode);
    fileDialog.setOptions(fileOptions(dialog.Flags));
    fileDialog.setNameFilter(toQtFilter(dialog.Filter));
    fileDialog.setDirectory(startFolder(dialog.InitDir));
    if (mode == QFileDialog::AcceptOpen)
        fileDialog.setFileMode((dialog.Flags & cdl::OFNFileMustExist) ? QFileDialog::ExistingFile
                                                                      : QFileDialog::AnyFile);
    QString suffix = dialog.DefaultExt;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    fileDialog.setDefaultSuffix(suffix);
    if (!dialog.FileName.isEmpty())
        fileDialog.selectFile(dialog.FileName);
    for (;;) {
        if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty())
            return false;
        const QString chosen = fileDialog.selectedFiles().constFirst();
        if (confirmChoice(parent, fileDialog.windowTitle(), dialog.Flags, chosen)) {
            dialog.FileName = chosen;
            dialog.FileTitle = QFileInfo(chosen).fileName();
            return true;
        }
        fileDialog.selectFile(chosen);
    }
}

} // namespace

bool QtCommonDialogBackend::showOpen(CommonDialog &dialog)
{
    return runFileDialog(QApplication::activeWindow(), dialog, QFileDialog::AcceptOpen);
}

bool QtCommonDialogBackend::showSave(CommonDialog &dialog)
{
    return runFileDialog(QApplication::activeWindow(), dialog, QFileDialog::AcceptSave);
}

bool QtCommonDialogBackend::showColor(CommonDialog &dialog)
{
    const QColor initial = (dialog.Flags & cdl::CCRGBInit) ? fromColorNumber(dialog.Color) : QColor(Qt::white);
    const QColor chosen = QColorDialog::getColor(initial, QApplication::activeWindow(), dialog.DialogTitle);
    if (!chosen.isValid())
        return false;
    dialog.Color = toColorNumber(chosen);
    return true;
}

bool QtCommonDialogBackend::showFont(CommonDialog &dialog)
{
    QWidget *parent = QApplication::activeWindow();
    QFont initial(dialog.FontName);
    if (dialog.FontSize > 0)
        initial.setPointSizeF(dialog.FontSize);
    initial.setBold(dialog.FontBold);
    initial.setItalic(dialog.FontItalic);
    initial.setStrikeOut(dialog.FontStrikethru);
    initial.setUnderline(dialog.FontUnderline);
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, initial, parent, dialog.DialogTitle);
    if (!accepted)
        return false;
    // Qt's font dialog has no colour. With effects asked for, the colour is the second
    // step of the same choice: its title names the font's, and cancelling it cancels both.
    if (dialog.Flags & cdl::CFEffects) {
        const QString fontTitle = dialog.DialogTitle.isEmpty() ? QStringLiteral("Font") : dialog.DialogTitle;
        const QColor color = QColorDialog::getColor(fromColorNumber(dialog.Color), parent,
                                                    fontTitle + QStringLiteral(" Color"));
        if (!color.isValid())
            return false;
        dialog.Color = toColorNumber(color);
    }
    dialog.FontName = faceName(chosen.family());
    dialog.FontSize = chosen.pointSizeF();
    dialog.FontBold = chosen.bold();
    dialog.FontItalic = chosen.italic();
    dialog.FontStrikethru = chosen.strikeOut();
    dialog.FontUnderline = chosen.underline();
    return true;
}

bool QtCommonDialogBackend::showPrinter(CommonDialog &dialog, QPrinter &printer)
{
    QPrintDialog printDialog(&printer, QApplication::activeWindow());
    printDialog.setOption(QAbstractPrintDialog::PrintSelection, true);
    printDialog.setOption(QAbstractPrintDialog::PrintPageRange, !(dialog.Flags & cdl::PDNoPageNums));
    printDialog.setPrintRange((dialog.Flags & cdl::PDSelection) ? QAbstractPrintDialog::Selection
                                                                : QAbstractPrintDialog::AllPages);
    return printDialog.exec() == QDialog::Accepted;
}
