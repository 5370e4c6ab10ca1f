#include "masterdata/frmcategory.h"

#include "app/screens.h"

FrmCategory::FrmCategory()
{
    setObjectName(QStringLiteral("frmCategory"));
}

void FrmCategory::Form_Load()
{
    ADOCategory.refresh();
}

FrmCategory &frmCategory()
{
    return screens().get<FrmCategory>();
}
