#include "masterdata/frmbrands.h"

#include "app/screens.h"

FrmBrands::FrmBrands()
{
    setObjectName(QStringLiteral("frmBrands"));
}

void FrmBrands::Form_Load()
{
    ADOBrands.refresh();
}

FrmBrands &frmBrands()
{
    return screens().get<FrmBrands>();
}
