#include "masterdata/frmcustomer.h"

#include "app/screens.h"

FrmCustomer::FrmCustomer()
{
    setObjectName(QStringLiteral("frmCustomer"));
}

void FrmCustomer::Form_Load()
{
    ADOCustomer.refresh();
}

FrmCustomer &frmCustomer()
{
    return screens().get<FrmCustomer>();
}
