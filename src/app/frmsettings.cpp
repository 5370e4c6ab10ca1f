#include "app/frmsettings.h"

#include "app/screens.h"

FrmSettings::FrmSettings()
{
    setObjectName(QStringLiteral("frmSettings"));
}

void FrmSettings::Form_Load()
{
    ADOSettings.refresh();
}

FrmSettings &frmSettings()
{
    return screens().get<FrmSettings>();
}
