#include "masterdata/frmbrands.h"

#include <QLineEdit>
#include <QPushButton>

#include "platform/screens.h"

FrmBrands::FrmBrands()
    : TypedIdEditor(QStringLiteral("frmBrands"), QStringLiteral("Brands"), QStringLiteral("Marken Verwalten"),
                    QStringLiteral("Marken hinzufügen  / bearbeiten"), {QStringLiteral("Brands"), QStringLiteral("ID")})
{
    fraBrands = makeFrame("fraBrands", true);
    txtid = addBoundBox("txtid", QStringLiteral("ID:"), QStringLiteral("ID"));
    txtbrand = addBoundBox("txtbrand", QStringLiteral("Marke:"), QStringLiteral("Brand"));
    txtremarks = addBoundBox("txtremarks", QStringLiteral("Beschreibung:"), QStringLiteral("Remarks"));

    addRecordButtons();
    cmdFind = addButton("cmdFind", QStringLiteral("Suchen"));
    cmdClose = addButton("cmdClose", QStringLiteral("Ende"));
    connect(cmdFind, &QPushButton::clicked, this, &FrmBrands::cmdFind_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmBrands::cmdClose_Click);
}

bool FrmBrands::mayDeleteShownRow()
{
    return !txtbrand->text().isEmpty();
}

void FrmBrands::cmdFind_Click()
{
    findRow(QStringLiteral("Bitte Marken ID angeben..."), QStringLiteral("ID"));
}

void FrmBrands::cmdClose_Click()
{
    screens().unload<FrmBrands>();
}

FrmBrands &frmBrands()
{
    return screens().get<FrmBrands>();
}
