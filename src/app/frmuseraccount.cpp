#include "app/frmuseraccount.h"

#include "app/screens.h"

FrmUserAccount::FrmUserAccount()
{
    setObjectName(QStringLiteral("frmUserAccount"));
}

void FrmUserAccount::Form_Load()
{
    ADOUser.refresh();
}

FrmUserAccount &frmUserAccount()
{
    return screens().get<FrmUserAccount>();
}
