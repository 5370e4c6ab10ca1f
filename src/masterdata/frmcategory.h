#pragma once

#include "data/datacontrol.h"
#include "platform/ui/form.h"

// Placeholder: the screen's data control, shared with the screens that use
// it; the editor itself is still to be built.
class FrmCategory : public Form
{
    Q_OBJECT

public:
    FrmCategory();
    void Form_Load() override;

    DataControl ADOCategory{QStringLiteral("Category")};
};

FrmCategory &frmCategory();
