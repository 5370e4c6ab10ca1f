#pragma once

#include "masterdata/ui/masterdataform.h"

// The category and brand editors. The user types a row's id; the boxes of the
// row shown are editable from the start, and "Speichern" locks them again
// until "Hinzufügen" or "Bearbeiten" opens them for the next row to store.
// A delete exists, but its button is hidden: the shop does not offer it.
class TypedIdEditor : public MasterDataForm
{
    Q_OBJECT

public:
    void Form_Load() override;

    QPushButton *cmdNew = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdRefresh = nullptr;

protected:
    using MasterDataForm::MasterDataForm;

    // Adds "Hinzufügen", "Bearbeiten", "Speichern", the hidden "Löschen" and
    // "Neu Laden", in that order, and connects them.
    void addRecordButtons();

    // The box that "Bearbeiten" focuses, and "Hinzufügen" where the screen
    // moves the cursor into a new row.
    virtual QLineEdit *focusBox() = 0;
    virtual bool focusesNewRow() const { return true; }
    // Whether the delete may remove the row shown.
    virtual bool mayDeleteShownRow() { return true; }

private:
    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdRefresh_Click();

    // Adding or editing a row: only "Speichern" of the record buttons is on.
    void setEditing(bool editing);
};
