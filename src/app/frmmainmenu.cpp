#include "app/frmmainmenu.h"

#include "app/screens.h"
#include "platform/ui/dialogs.h"

FrmMainMenu::FrmMainMenu()
{
    setObjectName(QStringLiteral("frmMainMenu"));
    setWindowTitle(QStringLiteral("Main Menu TalVEX"));
}

bool FrmMainMenu::Form_QueryUnload()
{
    if (dialogs().msgBox(QStringLiteral("Möchten Sie das Programm wirklich beenden?"),
                         mb::vbYesNo + mb::vbInformation) != mb::vbYes)
        return false;
    dialogs().endProgram();
    return true;
}

FrmMainMenu &frmMainMenu()
{
    return screens().get<FrmMainMenu>();
}
