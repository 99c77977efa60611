#pragma once

#include <QString>

#include <cstdint>

class QPrinter;
class CommonDialogBackend;
class SettingsStore;

// Flag values of the shared dialog, as the classic open/save/colour/font/print dialogs
// define them. Callers combine them; the Qt backend maps the ones Qt can honour.
namespace cdl {
inline constexpr std::uint32_t OFNOverwritePrompt = 0x2;
inline constexpr std::uint32_t OFNHideReadOnly = 0x4;
inline constexpr std::uint32_t OFNAllowMultiselect = 0x200;
inline constexpr std::uint32_t OFNPathMustExist = 0x800;
inline constexpr std::uint32_t OFNFileMustExist = 0x1000;
inline constexpr std::uint32_t OFNCreatePrompt = 0x2000;
inline constexpr std::uint32_t OFNExplorer = 0x80000;
inline constexpr std::uint32_t CCRGBInit = 0x1;
inline constexpr std::uint32_t CFBoth = 0x3;
inline constexpr std::uint32_t CFEffects = 0x100;
inline constexpr std::uint32_t PDSelection = 0x1;
inline constexpr std::uint32_t PDNoPageNums = 0x8;
inline constexpr std::uint32_t PDReturnDC = 0x100;
}

// The one shared common dialog of the frame (CommonDialog1). Its properties keep their
// values from one use to the next, as every caller relies on; only the showing goes
// through the backend, so tests can answer the dialogs.
class CommonDialog
{
public:
    explicit CommonDialog(CommonDialogBackend &backend) : backend_(backend) {}

    QString FileName;
    QString FileTitle;  // the chosen file's name without its folder
    QString Filter = QStringLiteral("HTML file (*.htm; *.html)|*.htm; *.html|Text file (*.txt)|*.txt");
    QString DefaultExt;
    QString DialogTitle;
    // The folder the file dialogs open in; empty means the user's home folder. Every file
    // chosen in an open or save dialog moves it to that file's folder.
    QString InitDir;
    std::uint32_t Flags = 0;
    bool CancelError = false;
    // The colour as the platform colour number: red in the lowest byte, blue in the third.
    std::uint32_t Color = 0;
    QString FontName;
    double FontSize = 0;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontStrikethru = false;
    bool FontUnderline = false;

    // Each returns false when the user cancelled: a distinct outcome, never a choice.
    bool ShowOpen();
    bool ShowSave();
    bool ShowColor();
    bool ShowFont();
    bool ShowPrinter(QPrinter &printer);

    // Takes InitDir from the settings and keeps it there from now on, so the next run's
    // file dialogs open where this run's last choice was made.
    void RememberFolderIn(SettingsStore &settings);

private:
    bool fileChosen(bool chosen);

    CommonDialogBackend &backend_;
    SettingsStore *folderStore_ = nullptr;
};

// Shows the dialogs. Each call reads the properties it needs from the dialog and, when
// the user confirms, writes the results back into it.
class CommonDialogBackend
{
public:
    virtual ~CommonDialogBackend() = default;
    virtual bool showOpen(CommonDialog &dialog) = 0;
    virtual bool showSave(CommonDialog &dialog) = 0;
    virtual bool showColor(CommonDialog &dialog) = 0;
    virtual bool showFont(CommonDialog &dialog) = 0;
    virtual bool showPrinter(CommonDialog &dialog, QPrinter &printer) = 0;
};
