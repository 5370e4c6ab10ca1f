#include "masterdata/frmproduct.h"

#include "app/screens.h"

FrmProduct::FrmProduct()
{
    setObjectName(QStringLiteral("frmProduct"));
}

void FrmProduct::Form_Load()
{
    ADOProduct.refresh();
    OpenRecordSourceWithAppPath(ADOProduct, QStringLiteral("Select * from Products Order by ProductID"));
    ADOProduct->clearFilter();
}

FrmProduct &frmProduct()
{
    return screens().get<FrmProduct>();
}
