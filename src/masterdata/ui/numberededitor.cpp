#include "masterdata/ui/numberededitor.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "data/datacontrol.h"
#include "masterdata/keys.h"
#include "platform/ui/dialogs.h"

void NumberedEditor::addRecordButtons()
{
    cmdNew = addButton("cmdNew", QStringLiteral("Hinzufügen"));
    cmdEdit = addButton("cmdEdit", QStringLiteral("Bearbeiten"));
    cmdSave = addButton("cmdSave", QStringLiteral("Speichern"));
    cmdRefresh = addButton("cmdRefresh", QStringLiteral("Neu Laden"));

    connect(cmdNew, &QPushButton::clicked, this, &NumberedEditor::cmdNew_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &NumberedEditor::cmdEdit_Click);
    connect(cmdSave, &QPushButton::clicked, this, &NumberedEditor::cmdSave_Click);
    connect(cmdRefresh, &QPushButton::clicked, this, &NumberedEditor::cmdRefresh_Click);
}

void NumberedEditor::setEditing(bool editing)
{
    frame()->setEnabled(editing);
    cmdSave->setEnabled(editing);
    enable({cmdNew, cmdEdit}, !editing);
}

void NumberedEditor::cmdNew_Click()
{
    control().refresh();
    control()->addNew();
    setEditing(true);
    nameBox()->setFocus();
    // Without a proposal the box stays empty for a key typed by hand.
    QString error;
    if (const auto proposed = proposeKey(key(), &error))
        control()->setValue(key().column, *proposed);
    else
        dialogs().msgBox(error, mb::vbExclamation);
}

void NumberedEditor::cmdEdit_Click()
{
    setEditing(true);
    nameBox()->setFocus();
    nameBox()->selectAll();
}

void NumberedEditor::cmdSave_Click()
{
    if (saveRow())
        setEditing(false);
}

void NumberedEditor::cmdRefresh_Click()
{
    // Re-reading drops whatever was typed and not stored.
    control().refresh();
    setEditing(false);
}
