#pragma once

#include "data/datacontrol.h"
#include "platform/ui/form.h"

// Placeholder: the screen's data control, shared with the screens that use
// it; the editor itself is still to be built.
class FrmSupplier : public Form
{
    Q_OBJECT

public:
    FrmSupplier();
    void Form_Load() override;

    DataControl ADOSupplier{QStringLiteral("Supplier")};
};

FrmSupplier &frmSupplier();
