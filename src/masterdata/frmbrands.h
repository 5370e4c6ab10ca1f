#pragma once

#include "data/datacontrol.h"
#include "platform/ui/form.h"

// Placeholder: the screen's data control, shared with the screens that use
// it; the editor itself is still to be built.
class FrmBrands : public Form
{
    Q_OBJECT

public:
    FrmBrands();
    void Form_Load() override;

    DataControl ADOBrands{QStringLiteral("Brands")};
};

FrmBrands &frmBrands();
