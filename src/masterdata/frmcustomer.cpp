#include "masterdata/frmcustomer.h"

#include <QPushButton>

#include "platform/screens.h"

namespace {
const QString NameColumn = QStringLiteral("Customername");
const QString PhoneColumn = QStringLiteral("ContactNumber");

// A customer is found by name in the payment and by telephone number when
// calling: one with neither could never be found again.
QString nameOrPhoneRefusal(const Recordset &customers)
{
    if (!customers.isNewRow() && !customers.isChanged(NameColumn) && !customers.isChanged(PhoneColumn))
        return {};
    if (!customers.text(NameColumn).trimmed().isEmpty() || !customers.text(PhoneColumn).trimmed().isEmpty())
        return {};
    return QStringLiteral("Bitte einen Namen oder eine Telefonnummer des Kunden angeben");
}
} // namespace

FrmCustomer::FrmCustomer()
    : NumberedEditor(QStringLiteral("frmCustomer"), QStringLiteral("Customer"), QStringLiteral("Kundenverwaltung"),
                     QStringLiteral("Kunden informationen"), {QStringLiteral("Customer"), QStringLiteral("CustomerID")})
{
    fraCustomer = makeFrame("fraCustomer", false);
    txtid = addBoundBox("txtid", QStringLiteral("ID:"), QStringLiteral("CustomerID"));
    txtName = addBoundBox("txtName", QStringLiteral("Name:"), NameColumn);
    txtAddress = addBoundBox("txtAddress", QStringLiteral("Adresse:"), QStringLiteral("Address"));
    txtPlace = addBoundBox("txtPlace", QStringLiteral("Plz / Ort:"), QStringLiteral("Place"));
    txtContactNumber = addBoundBox("txtContactNumber", QStringLiteral("Tel:"), PhoneColumn);
    ADOCustomer->setRowRule(nameOrPhoneRefusal);

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
