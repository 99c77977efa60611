#include "dialogs/pickers.h"

#include "dialogs/color_code.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

namespace {

constexpr std::uint32_t kMustExist = cdl::OFNFileMustExist | cdl::OFNPathMustExist | cdl::OFNHideReadOnly;
constexpr std::uint32_t kExplorerOpen = cdl::OFNExplorer | cdl::OFNCreatePrompt | cdl::OFNFileMustExist
                                        | cdl::OFNPathMustExist | cdl::OFNAllowMultiselect | cdl::OFNHideReadOnly;

// The frame every picker shares: cancellation is a distinct outcome, and the strings of
// an earlier choice never survive into this one.
CommonDialog &prepare(DialogServices services)
{
    CommonDialog &dialog = services.program.CommonDialog1();
    dialog.CancelError = true;
    services.results.ResetDialogResults();
    return dialog;
}

bool showOpen(CommonDialog &dialog, const QString &filter, std::uint32_t flags)
{
    dialog.Filter = filter;
    dialog.Flags = flags;
    dialog.FileName.clear();
    return dialog.ShowOpen();
}

// An open dialog whose choice goes into the given result strings (either may be absent).
void pickFile(DialogServices services, const QString &filter, std::uint32_t flags, QString *path, QString *name)
{
    CommonDialog &dialog = prepare(services);
    if (!showOpen(dialog, filter, flags))
        return;
    if (path)
        *path = dialog.FileName;
    if (name)
        *name = dialog.FileTitle;
}

// The colour dialog, starting on the colour chosen last: both colour pickers want that
// rather than whatever flags the previous user of the shared dialog left.
bool pickColorValue(DialogServices services)
{
    CommonDialog &dialog = prepare(services);
    dialog.Flags = cdl::CCRGBInit;
    if (!dialog.ShowColor())
        return false;
    services.results.PickedColorValue = QString::number(dialog.Color);
    return true;
}

bool programsCarryExe()
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

} // namespace

void PickColorCode(DialogServices services)
{
    if (pickColorValue(services))
        services.results.PickedColorCode = ColorCodeFromValue(services.program.CommonDialog1().Color);
}

void PickTagColor(DialogServices services)
{
    pickColorValue(services);
}

void PickFontName(DialogServices services)
{
    CommonDialog &dialog = prepare(services);
    dialog.Flags = cdl::CFBoth;
    if (!dialog.ShowFont())
        return;
    services.results.PickedFontName = dialog.FontName;
}

void PickImageFile(DialogServices services)
{
    // GIF and JPEG come first; the last entry lets PNG, SVG and WebP pictures be chosen.
    pickFile(services, QStringLiteral("Image files (*.gif; *.jpg)|*.gif; *.jpg|All files (*.*)|*.*"), kMustExist,
             &services.results.PickedImagePath, &services.results.PickedImageName);
}

void PickPageFile(DialogServices services)
{
    pickFile(services, QStringLiteral("HTML files (*.htm; *.html)|*.htm; *.html|All files (*.*)|*.*"), kMustExist,
             nullptr, &services.results.PickedPageName);
}

void PickProgramFile(DialogServices services)
{
    CommonDialog &dialog = prepare(services);
    const QString filter = programsCarryExe() ? QStringLiteral(".exe Files (*.exe)|*.exe")
                                              : QStringLiteral("Programs (*)|*");
    // A typed program name must not gain the extension the file commands set (programs
    // have none here); theirs is kept for the next of them.
    const QString documentExt = std::exchange(dialog.DefaultExt, QString());
    const bool picked = showOpen(dialog, filter, kExplorerOpen | cdl::OFNOverwritePrompt);
    dialog.DefaultExt = documentExt;
    if (!picked)
        return;
    const QFileInfo chosen(dialog.FileName);
    if (!chosen.isFile() || !chosen.isExecutable()) {
        services.program.messages().show(
            QStringLiteral("\"%1\" is not a program that can be started.").arg(QDir::toNativeSeparators(dialog.FileName)),
            QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    services.results.PickedProgramPath = dialog.FileName;
}

void PickSoundFile(DialogServices services)
{
    pickFile(services, QStringLiteral("Sound files (*.mid; *.wav)|*.mid; *.wav|All files (*.*)|*.*"), kExplorerOpen,
             &services.results.PickedSoundPath, &services.results.PickedSoundName);
}

void ReportUnreadableFile(ProgramContext &program, const QString &path, const QString &kind, const QString &reason)
{
    program.messages().show(
        QStringLiteral("The file \"%1\" cannot be read as a %2:\n%3").arg(QDir::toNativeSeparators(path), kind, reason),
        QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::Exclamation);
}
