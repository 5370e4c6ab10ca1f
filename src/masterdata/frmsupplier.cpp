#include "masterdata/frmsupplier.h"

#include "app/screens.h"

FrmSupplier::FrmSupplier()
{
    setObjectName(QStringLiteral("frmSupplier"));
}

void FrmSupplier::Form_Load()
{
    ADOSupplier.refresh();
}

FrmSupplier &frmSupplier()
{
    return screens().get<FrmSupplier>();
}
