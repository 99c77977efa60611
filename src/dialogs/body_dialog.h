#pragma once

#include "dialogs/element_dialog.h"

class DownloadTimeFrame;
class QLabel;

// The Body dialog (frmBody): five colours and a background image make the body tag the
// selection goes into. The chosen values are held in the captions of the code labels,
// which also preview the colours.
class frmBody : public ElementDialog
{
    Q_OBJECT

public:
    explicit frmBody(DialogServices services);

private:
    void cmdBackcolor_Click();
    void cmdTextColor_Click();
    void cmdLinkColor_Click();
    void cmdVLink_Click();
    void cmdCLink_Click();
    void cmdBackgroundImage_Click();
    void cmdOK_Click();

    // A foreground colour: its code in codeLabel, painted on the code and caption labels.
    void pickForeground(QLabel *codeLabel, const QList<QWidget *> &painted);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *lblBackgroundHex = nullptr;
    QLabel *lblTextHex = nullptr;
    QLabel *lblLinkHex = nullptr;
    QLabel *lblVisitedLinkHex = nullptr;
    QLabel *lblClickedLinkHex = nullptr;
    QLabel *lblImage = nullptr;
    QLabel *Image1 = nullptr;
    DownloadTimeFrame *Frame1 = nullptr;
};
