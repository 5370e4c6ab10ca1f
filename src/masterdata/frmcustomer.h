#pragma once

#include "data/datacontrol.h"
#include "platform/ui/form.h"

// Placeholder: the screen's data control, shared with the screens that use
// it; the editor itself is still to be built.
class FrmCustomer : public Form
{
    Q_OBJECT

public:
    FrmCustomer();
    void Form_Load() override;

    DataControl ADOCustomer{QStringLiteral("Customer")};
};

FrmCustomer &frmCustomer();
