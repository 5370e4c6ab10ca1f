#pragma once

#include "data/datacontrol.h"
#include "masterdata/ui/numberededitor.h"

// The suppliers. "Update" writes the boxes into the supplier whose id stands
// in the ID box and leaves the recordset filtered to that supplier.
class FrmSupplier : public NumberedEditor
{
    Q_OBJECT

public:
    FrmSupplier();

    // The system's supplier recordset, read by the product editor.
    DataControl ADOSupplier{QStringLiteral("Supplier")};

    QGroupBox *fraSupplier;
    QLineEdit *txtid;
    QLineEdit *txtName;
    QLineEdit *txtAddress;
    QLineEdit *txtPlace;
    QLineEdit *txtTelephone;
    QLineEdit *txtEmail;
    QPushButton *cmdFind;
    QPushButton *cmdUpdate;
    QPushButton *cmdClose;

protected:
    DataControl &control() override { return ADOSupplier; }
    QLineEdit *nameBox() override { return txtName; }

private:
    void cmdFind_Click();
    void cmdUpdate_Click();
    void cmdClose_Click();
};

FrmSupplier &frmSupplier();
