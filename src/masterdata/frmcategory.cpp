#include "masterdata/frmcategory.h"

#include <QPushButton>

#include "data/database.h"
#include "masterdata/categorynames.h"
#include "platform/screens.h"
#include "platform/ui/dialogs.h"

FrmCategory::FrmCategory()
    : TypedIdEditor(QStringLiteral("frmCategory"), QStringLiteral("Category"), QStringLiteral("Warengruppen Verwalten"),
                    QStringLiteral("Kategorien hinzufügen / bearbeiten"),
                    {QStringLiteral("Category"), QStringLiteral("CategoryID")})
{
    fraCategory = makeFrame("fraCategory", true);
    txtcID = addBoundBox("txtcID", QStringLiteral("ID:"), QStringLiteral("CategoryID"));
    txtCategory = addBoundBox("txtCategory", QStringLiteral("Kategorie:"), QStringLiteral("Category"));

    addRecordButtons();
    cmdcFind = addButton("cmdcFind", QStringLiteral("Suchen"));
    cmdcClose = addButton("cmdcClose", QStringLiteral("Ende"));
    connect(cmdcFind, &QPushButton::clicked, this, &FrmCategory::cmdcFind_Click);
    connect(cmdcClose, &QPushButton::clicked, this, &FrmCategory::cmdcClose_Click);
}

void FrmCategory::Form_Load()
{
    // Before any row can be stored: a renamed category keeps its products.
    Database *database = Database::current();
    if (database && !categories::carryRenamesToProducts(*database))
        dialogs().msgBox(QStringLiteral("Beim Umbenennen einer Kategorie können ihre Artikel nicht mitgenommen werden: "
                                        "%1\nBitte keine Kategorie umbenennen.")
                             .arg(database->lastError()),
                         mb::vbExclamation);
    TypedIdEditor::Form_Load();
}

void FrmCategory::cmdcFind_Click()
{
    findRow(QStringLiteral("Bitte Warengruppen ID angeben..."), QStringLiteral("Categoryid"));
}

void FrmCategory::cmdcClose_Click()
{
    screens().unload<FrmCategory>();
}

FrmCategory &frmCategory()
{
    return screens().get<FrmCategory>();
}
