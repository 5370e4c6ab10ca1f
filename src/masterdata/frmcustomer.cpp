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
    return QStringLiteral("Bitte einen Namen oder eine Telefonnummer des Kunden angeben.");
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
    // These run after the record buttons' own handlers: they see the row as
    // "Hinzufügen", "Speichern" and "Neu Laden" left it.
    connect(cmdNew, &QPushButton::clicked, this, [this] { m_adding = ADOCustomer->isNewRow(); });
    connect(cmdSave, &QPushButton::clicked, this, &FrmCustomer::handBackAddedCustomer);
    connect(cmdRefresh, &QPushButton::clicked, this, [this] { m_adding = false; });
}

void FrmCustomer::cmdFind_Click()
{
    // The search re-reads the table, which drops a row being added.
    m_adding = false;
    findRow(QStringLiteral("Suche nach Telefonnummer..."), QStringLiteral("ContactNumber"));
}

void FrmCustomer::handBackAddedCustomer()
{
    // A refused row is still new and waits for the next "Speichern".
    if (!m_adding || ADOCustomer->isNewRow())
        return;
    m_adding = false;
    emit customerAdded(ADOCustomer->text(QStringLiteral("CustomerID")));
}

void FrmCustomer::cmdClose_Click()
{
    screens().unload<FrmCustomer>();
}

FrmCustomer &frmCustomer()
{
    return screens().get<FrmCustomer>();
}
