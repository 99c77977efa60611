#pragma once

#include "dialogs/element_dialog.h"

class QComboBox;
class QLineEdit;
struct TableFields;

// frmTables: builds a table skeleton and puts it after the selection.
class frmTables : public ElementDialog
{
    Q_OBJECT

public:
    explicit frmTables(DialogServices services);

private:
    void cmdFont_Click();
    void cmdFontColor_Click();
    void cmdTableColor_Click();
    void cmdOK_Click();

    TableFields fields() const;
    // Repairs and checks one count field; false when the user must correct it first.
    bool acceptCount(QLineEdit *field, QString (*repair)(const QString &), const QString &fieldName,
                     const QString &unit);

    QLineEdit *txtTableCaption = nullptr;
    QComboBox *cboCaptionAlignment = nullptr;
    QComboBox *cboTableAlignment = nullptr;
    QLineEdit *txtTableWidth = nullptr;
    QComboBox *cboWidth = nullptr;
    QLineEdit *txtBorderWidth = nullptr;
    QLabel *lblTableColor = nullptr;
    QLineEdit *txtNumberColumns = nullptr;
    QLineEdit *txtNumberRows = nullptr;
    QComboBox *cboAlignData = nullptr;
    QComboBox *cboVerticalAlignCell = nullptr;
    QComboBox *cboCellWidth = nullptr;
    QLineEdit *txtCellPadding = nullptr;
    QLineEdit *txtCellSpacing = nullptr;
    QLabel *lblFont = nullptr;
    QLabel *lblFontColor = nullptr;
    QComboBox *cboFontSize = nullptr;
};
