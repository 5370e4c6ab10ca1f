#pragma once

#include "platform/ui/form.h"

// Placeholder for the main menu: shown after a login, unloaded by the log-out
// and by the data reset, which ask whether the program is to end. The menu
// itself is still to be built.
class FrmMainMenu : public Form
{
    Q_OBJECT

public:
    FrmMainMenu();
    bool Form_QueryUnload() override;
};

FrmMainMenu &frmMainMenu();
