#pragma once

#include <QDialog>

class ProgramContext;
class QLabel;
class QPushButton;
class QTimer;

// The About box (frmAbout): the program's identity and the machine's memory figures,
// refreshed every three seconds while the box is open, with a warning when little
// memory is free.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(ProgramContext &program, QWidget *parent = nullptr);

    // The program's icon, the frame's own.
    QLabel *picIcon = nullptr;
    QLabel *lblAppName = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblCopyright = nullptr;
    QLabel *lblMemoryLoad = nullptr;
    QLabel *lblTotalPhys = nullptr;
    QLabel *lblAvailPhys = nullptr;
    QLabel *lblTotalPageFile = nullptr;
    QLabel *lblAvailPageFile = nullptr;
    QTimer *Timer1 = nullptr;
    QPushButton *cmdOK = nullptr;

    void Timer1_Timer();

private:
    void Form_Load();
    void cmdOK_Click();

    ProgramContext &program_;
    // Set while the low-memory warning is on screen, so ticks meanwhile add no more.
    bool warningOpen_ = false;
};
