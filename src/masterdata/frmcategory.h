#pragma once

#include "data/datacontrol.h"
#include "masterdata/ui/typedideditor.h"

// The product categories: their names label the till's category buttons and
// fill the product editor's category list.
class FrmCategory : public TypedIdEditor
{
    Q_OBJECT

public:
    FrmCategory();
    void Form_Load() override;

    // The system's category recordset, read by the till and the product editor.
    DataControl ADOCategory{QStringLiteral("Category")};

    QGroupBox *fraCategory;
    QLineEdit *txtcID;
    QLineEdit *txtCategory;
    QPushButton *cmdcFind;
    QPushButton *cmdcClose;

protected:
    DataControl &control() override { return ADOCategory; }
    QLineEdit *focusBox() override { return txtCategory; }

private:
    void cmdcFind_Click();
    void cmdcClose_Click();
};

FrmCategory &frmCategory();
