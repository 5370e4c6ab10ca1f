#pragma once

#include "data/datacontrol.h"
#include "platform/ui/form.h"

// Placeholder: the screen's data control, shared with the screens that use
// it; the editor itself is still to be built.
class FrmUserAccount : public Form
{
    Q_OBJECT

public:
    FrmUserAccount();
    void Form_Load() override;

    DataControl ADOUser{QStringLiteral("UserAccount")};
};

FrmUserAccount &frmUserAccount();
