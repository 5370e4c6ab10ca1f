#include "masterdata/ui/typedideditor.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "data/datacontrol.h"
#include "platform/ui/dialogs.h"

void TypedIdEditor::Form_Load()
{
    MasterDataForm::Form_Load();
    control()->moveFirst();
}

void TypedIdEditor::addRecordButtons()
{
    cmdNew = addButton("cmdNew", QStringLiteral("Hinzufügen"));
    cmdEdit = addButton("cmdEdit", QStringLiteral("Bearbeiten"));
    cmdSave = addButton("cmdSave", QStringLiteral("Speichern"));
    cmdDelete = addButton("cmdDelete", QStringLiteral("Löschen"));
    cmdRefresh = addButton("cmdRefresh", QStringLiteral("Neu Laden"));
    cmdDelete->setVisible(false);

    connect(cmdNew, &QPushButton::clicked, this, &TypedIdEditor::cmdNew_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &TypedIdEditor::cmdEdit_Click);
    connect(cmdSave, &QPushButton::clicked, this, &TypedIdEditor::cmdSave_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &TypedIdEditor::cmdDelete_Click);
    connect(cmdRefresh, &QPushButton::clicked, this, &TypedIdEditor::cmdRefresh_Click);
}

void TypedIdEditor::setEditing(bool editing)
{
    cmdSave->setEnabled(editing);
    enable({cmdNew, cmdEdit, cmdDelete}, !editing);
}

void TypedIdEditor::cmdNew_Click()
{
    // The rows stay as they are: the new one is added after them.
    control()->addNew();
    frame()->setEnabled(true);
    if (focusesNewRow())
        focusBox()->setFocus();
    setEditing(true);
}

void TypedIdEditor::cmdEdit_Click()
{
    // After a save the boxes are locked; this opens them again for the row
    // shown, to be stored with "Speichern".
    frame()->setEnabled(true);
    focusBox()->setFocus();
    setEditing(true);
}

void TypedIdEditor::cmdSave_Click()
{
    if (!saveRow())
        return;
    frame()->setEnabled(false);
    setEditing(false);
    // A new row is stored at the end: moving there keeps it shown.
    control()->moveLast();
}

void TypedIdEditor::cmdDelete_Click()
{
    Recordset &rows = control().recordset();
    if (rows.bof() || rows.eof()) {
        dialogs().msgBox(QStringLiteral("Alle Datensätze wurden bereits gelöscht"), mb::vbOKOnly);
        return;
    }
    // A delete the database refuses is told, so that nobody takes the row
    // for gone.
    if (mayDeleteShownRow() && !rows.remove())
        dialogs().msgBox(QStringLiteral("Der Datensatz konnte nicht gelöscht werden: %1").arg(rows.lastError()),
                         mb::vbExclamation);
}

void TypedIdEditor::cmdRefresh_Click()
{
    // Moving away from a row being added or edited stores it, so it is
    // checked as "Speichern" checks it.
    if (control()->isDirty() && !saveRow())
        return;
    control()->moveFirst();
}
