#pragma once

#include "masterdata/ui/masterdataform.h"

// The supplier and customer editors. The program numbers a new row; a row is
// only shown until "Hinzufügen" or "Bearbeiten" opens the boxes, and
// "Speichern" or "Neu Laden" closes them again.
class NumberedEditor : public MasterDataForm
{
    Q_OBJECT

public:
    QPushButton *cmdNew = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdRefresh = nullptr;

protected:
    using MasterDataForm::MasterDataForm;

    // Adds "Hinzufügen", "Bearbeiten", "Speichern" and "Neu Laden", in that
    // order, and connects them.
    void addRecordButtons();

    // The box the user starts typing into (the name).
    virtual QLineEdit *nameBox() = 0;

private:
    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdSave_Click();
    void cmdRefresh_Click();

    // Adding or editing: the boxes are open and only "Speichern" of the
    // record buttons is on.
    void setEditing(bool editing);
};
