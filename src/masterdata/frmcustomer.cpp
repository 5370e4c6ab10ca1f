#include "masterdata/frmcustomer.h"

#include <QPushButton>

#include "platform/screens.h"

FrmCustomer::FrmCustomer()
    : NumberedEditor(QStringLiteral("frmCustomer"), QStringLiteral("Customer"), QStringLiteral("Kundenverwaltung"),
                     QStringLiteral("Kunden informationen"), {QStringLiteral("Customer"), QStringLiteral("CustomerID")})
{
    fraCustomer = makeFrame("fraCustomer", false);
    txtid = addBoundBox("txtid", QStringLiteral("ID:"), QStringLiteral("CustomerID"));
    txtName = addBoundBox("txtName", QStringLiteral("Name:"), QStringLiteral("Customername"));
    txtAddress = addBoundBox("txtAddress", QStringLiteral("Adresse:"), QStringLiteral("Address"));
    txtPlace = addBoundBox("txtPlace", QStringLiteral("Plz / Ort:"), QStringLiteral("Place"));
    txtContactNumber = addBoundBox("txtContactNumber", QStringLiteral("Tel:"), QStringLiteral("ContactNumber"));

    addRecordButtons();
    cmdFind = addButton("cmdFind", QStringLiteral("Suchen"));
    cmdClose = addButton("cmdClose", QStringLiteral("Ende"));
    connect(cmdFind, &QPushButton::clicked, this, &FrmCustomer::cmdFind_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmCustomer::cmdClose_Click);
}

void FrmCustomer::cmdFind_Click()
{
    findRow(QStringLiteral("Suche nach Telefonnummer..."), QStringLiteral("ContactNumber"));
}

void FrmCustomer::cmdClose_Click()
{
    screens().unload<FrmCustomer>();
}

FrmCustomer &frmCustomer()
{
    return screens().get<FrmCustomer>();
}
