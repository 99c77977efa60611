#include "dialogs/tables_dialog.h"

#include "dialogs/count_field.h"
#include "dialogs/form_controls.h"
#include "dialogs/pickers.h"
#include "dialogs/tables_fragment.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QStringList Alignments = {QStringLiteral("AUTO"), QStringLiteral("LEFT"), QStringLiteral("CENTER"),
                                QStringLiteral("RIGHT")};

QHBoxLayout *pickerRow(QPushButton *button, QLabel *label)
{
    auto *row = new QHBoxLayout;
    row->addWidget(button);
    row->addWidget(label, 1);
    return row;
}

}

frmTables::frmTables(DialogServices services)
    : ElementDialog(services, QStringLiteral("frmTables"), QStringLiteral("Tables"))
{
    txtTableCaption = makeTextBox(this, QStringLiteral("txtTableCaption"));
    cboCaptionAlignment = makeComboBox(this, QStringLiteral("cboCaptionAlignment"),
                                       {QStringLiteral("TOP"), QStringLiteral("BOTTOM")}, QStringLiteral("TOP"));
    cboTableAlignment = makeComboBox(this, QStringLiteral("cboTableAlignment"), Alignments, QStringLiteral("AUTO"));
    txtTableWidth = makeTextBox(this, QStringLiteral("txtTableWidth"), QStringLiteral("100"));
    cboWidth = makeComboBox(this, QStringLiteral("cboWidth"), {QStringLiteral("PERCENT"), QStringLiteral("ABSOLUTE")},
                            QStringLiteral("PERCENT"));
    txtBorderWidth = makeTextBox(this, QStringLiteral("txtBorderWidth"));
    QPushButton *cmdTableColor = makeButton(QStringLiteral("cmdTableColor"), QStringLiteral("&Table Color"));
    lblTableColor = makeValueLabel(QStringLiteral("lblTableColor"));

    txtNumberColumns = makeTextBox(this, QStringLiteral("txtNumberColumns"), QStringLiteral("1"));
    txtNumberRows = makeTextBox(this, QStringLiteral("txtNumberRows"), QStringLiteral("1"));
    cboAlignData = makeComboBox(this, QStringLiteral("cboAlignData"), Alignments, QStringLiteral("AUTO"));
    cboVerticalAlignCell = makeComboBox(this, QStringLiteral("cboVerticalAlignCell"),
                                        {QStringLiteral("AUTO"), QStringLiteral("TOP"), QStringLiteral("MIDDLE"),
                                         QStringLiteral("BOTTOM")},
                                        QStringLiteral("AUTO"));
    cboCellWidth = makeComboBox(this, QStringLiteral("cboCellWidth"), {QStringLiteral("AUTO"), QStringLiteral("EQUAL")},
                                QStringLiteral("AUTO"));
    txtCellPadding = makeTextBox(this, QStringLiteral("txtCellPadding"));
    txtCellSpacing = makeTextBox(this, QStringLiteral("txtCellSpacing"));

    QPushButton *cmdFont = makeButton(QStringLiteral("cmdFont"), QStringLiteral("&Font"));
    lblFont = makeValueLabel(QStringLiteral("lblFont"));
    QPushButton *cmdFontColor = makeButton(QStringLiteral("cmdFontColor"), QStringLiteral("Font Colo&r"));
    lblFontColor = makeValueLabel(QStringLiteral("lblFontColor"));
    // Editable, so that a size once chosen can be emptied again or written relative ("+1").
    cboFontSize = makeComboBox(this, QStringLiteral("cboFontSize"),
                               {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                                QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7")},
                               {});
    cboFontSize->setEditable(true);
    cboFontSize->setCurrentIndex(-1);

    auto *bodyGroup = new QGroupBox(QStringLiteral("Body and Caption"), this);
    auto *body = new QFormLayout(bodyGroup);
    body->addRow(QStringLiteral("Table Caption:"), txtTableCaption);
    body->addRow(QStringLiteral("Caption Position:"), cboCaptionAlignment);
    body->addRow(QStringLiteral("Align Table:"), cboTableAlignment);
    body->addRow(QStringLiteral("Table Width:"), txtTableWidth);
    body->addRow(QStringLiteral("Width As:"), cboWidth);
    body->addRow(QStringLiteral("Border Width:"), txtBorderWidth);
    body->addRow(pickerRow(cmdTableColor, lblTableColor));

    auto *cellsGroup = new QGroupBox(QStringLiteral("Columns and Rows"), this);
    auto *cells = new QFormLayout(cellsGroup);
    cells->addRow(QStringLiteral("Number of Columns:"), txtNumberColumns);
    cells->addRow(QStringLiteral("Number of Rows:"), txtNumberRows);
    cells->addRow(QStringLiteral("HCell Alignment:"), cboAlignData);
    cells->addRow(QStringLiteral("VCell Alignment:"), cboVerticalAlignCell);
    cells->addRow(QStringLiteral("Cell Width:"), cboCellWidth);
    cells->addRow(QStringLiteral("Cell Padding:"), txtCellPadding);
    cells->addRow(QStringLiteral("Cell Spacing:"), txtCellSpacing);

    auto *fontGroup = new QGroupBox(QStringLiteral("Font"), this);
    auto *font = new QFormLayout(fontGroup);
    font->addRow(pickerRow(cmdFont, lblFont));
    font->addRow(pickerRow(cmdFontColor, lblFontColor));
    font->addRow(QStringLiteral("Font Size:"), cboFontSize);

    auto *columns = new QHBoxLayout;
    columns->addWidget(bodyGroup);
    auto *right = new QVBoxLayout;
    right->addWidget(cellsGroup);
    right->addWidget(fontGroup);
    columns->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(makeOkCancelRow([this] { cmdOK_Click(); }));

    connect(cmdFont, &QPushButton::clicked, this, &frmTables::cmdFont_Click);
    connect(cmdFontColor, &QPushButton::clicked, this, &frmTables::cmdFontColor_Click);
    connect(cmdTableColor, &QPushButton::clicked, this, &frmTables::cmdTableColor_Click);
}

void frmTables::cmdFont_Click()
{
    PickFontName(services());
    const QString name = results().PickedFontName;
    if (!name.isEmpty()) {
        lblFont->setText(name);
        QFont face = lblFont->font();
        face.setFamily(name);
        lblFont->setFont(face);
    }
    results().ResetDialogResults();
}

void frmTables::cmdFontColor_Click()
{
    if (const std::optional<QColor> colour = PickColorForLabel(lblFontColor)) {
        paintText(lblFontColor, *colour);
        paintText(lblFont, *colour);
    }
}

void frmTables::cmdTableColor_Click()
{
    // The font choices are previewed on the table colour.
    if (const std::optional<QColor> colour = PickColorForLabel(lblTableColor)) {
        paintBackground(lblTableColor, *colour);
        paintBackground(lblFont, *colour);
        paintBackground(lblFontColor, *colour);
    }
}

TableFields frmTables::fields() const
{
    TableFields fields;
    fields.caption = txtTableCaption->text();
    fields.captionAlignment = cboCaptionAlignment->currentText();
    fields.tableAlignment = cboTableAlignment->currentText();
    fields.tableWidth = txtTableWidth->text();
    fields.widthAs = cboWidth->currentText();
    fields.borderWidth = txtBorderWidth->text();
    fields.tableColor = lblTableColor->text();
    fields.numberColumns = txtNumberColumns->text();
    fields.numberRows = txtNumberRows->text();
    fields.alignData = cboAlignData->currentText();
    fields.verticalAlignCell = cboVerticalAlignCell->currentText();
    fields.cellWidth = cboCellWidth->currentText();
    fields.cellPadding = txtCellPadding->text();
    fields.cellSpacing = txtCellSpacing->text();
    fields.fontName = lblFont->text();
    fields.fontColor = lblFontColor->text();
    fields.fontSize = cboFontSize->currentText();
    return fields;
}

bool frmTables::acceptCount(QLineEdit *field, QString (*repair)(const QString &), const QString &fieldName,
                            const QString &unit)
{
    field->setText(repair(field->text()));
    const std::optional<qint64> count = ReadCountField(program(), field, fieldName);
    if (!count)
        return false;
    if (*count > TableCountWithoutQuestion
        && program().messages().show(QStringLiteral("Do you really want ") + field->text() + QLatin1Char(' ') + unit
                                         + QLatin1Char('?'),
                                     QStringLiteral("Tagsmith"), MsgButtons::OkCancel, MsgIcon::Exclamation)
               != MsgAnswer::Ok) {
        field->setText(QStringLiteral("1"));
        return false;
    }
    return true;
}

void frmTables::cmdOK_Click()
{
    if (!acceptCount(txtNumberColumns, &RepairColumnCount, QStringLiteral("Number of Columns"), QStringLiteral("columns"))
        || !acceptCount(txtNumberRows, &RepairRowCount, QStringLiteral("Number of Rows"), QStringLiteral("rows")))
        return;
    const std::optional<QString> table = BuildTableFragment(fields(), lowercase());
    if (!table) {
        RefuseTooLarge(program(), QStringLiteral("table"));
        return;
    }
    FollowSelection(*table);
}
