#include "masterdata/frmproductupdate.h"

#include "app/screens.h"

FrmProductUpdate::FrmProductUpdate()
{
    setObjectName(QStringLiteral("frmProductUpdate"));
}

void FrmProductUpdate::Form_Load()
{
    ADOProductInventory.refresh();
}

FrmProductUpdate &frmProductUpdate()
{
    return screens().get<FrmProductUpdate>();
}
