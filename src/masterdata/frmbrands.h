#pragma once

#include "data/datacontrol.h"
#include "masterdata/ui/typedideditor.h"

// The brands, whose names fill the product editor's brand list.
class FrmBrands : public TypedIdEditor
{
    Q_OBJECT

public:
    FrmBrands();

    // The system's brand recordset, read by the product editor.
    DataControl ADOBrands{QStringLiteral("Brands")};

    QGroupBox *fraBrands;
    QLineEdit *txtid;
    QLineEdit *txtbrand;
    QLineEdit *txtremarks;
    QPushButton *cmdFind;
    QPushButton *cmdClose;

protected:
    DataControl &control() override { return ADOBrands; }
    QLineEdit *focusBox() override { return txtbrand; }
    // "Hinzufügen" leaves the cursor where it was.
    bool focusesNewRow() const override { return false; }
    // A brand without a name is kept.
    bool mayDeleteShownRow() override;

private:
    void cmdFind_Click();
    void cmdClose_Click();
};

FrmBrands &frmBrands();
