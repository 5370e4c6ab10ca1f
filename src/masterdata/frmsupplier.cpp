#include "masterdata/frmsupplier.h"

#include <utility>
#include <vector>

#include <QLineEdit>
#include <QPushButton>

#include "platform/screens.h"
#include "platform/ui/dialogs.h"

FrmSupplier::FrmSupplier()
    : NumberedEditor(QStringLiteral("FrmSupplier"), QStringLiteral("Supplier"), QStringLiteral("Lieferanten"),
                     QStringLiteral("Lieferanten bearbeiten/ hinzufügen"),
                     {QStringLiteral("Supplier"), QStringLiteral("SupplierID")})
{
    fraSupplier = makeFrame("fraSupplier", false);
    txtid = addBoundBox("txtid", QStringLiteral("ID:"), QStringLiteral("SupplierID"));
    txtName = addBoundBox("txtName", QStringLiteral("Name:"), QStringLiteral("SupplierName"));
    txtAddress = addBoundBox("txtAddress", QStringLiteral("Adresse:"), QStringLiteral("Address"));
    txtPlace = addBoundBox("txtPlace", QStringLiteral("PLZ / Ort:"), QStringLiteral("sPlace"));
    txtTelephone = addBoundBox("txtTelephone", QStringLiteral("Tel:"), QStringLiteral("TelephoneNumber"));
    txtEmail = addBoundBox("txtEmail", QStringLiteral("e-Mail:"), QStringLiteral("sEmail"));

    addRecordButtons();
    cmdFind = addButton("cmdFind", QStringLiteral("Suchen"));
    cmdUpdate = addButton("cmdUpdate", QStringLiteral("Update"));
    cmdClose = addButton("cmdClose", QStringLiteral("Ende"));
    connect(cmdFind, &QPushButton::clicked, this, &FrmSupplier::cmdFind_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &FrmSupplier::cmdUpdate_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmSupplier::cmdClose_Click);
}

void FrmSupplier::cmdFind_Click()
{
    findRow(QStringLiteral("Enter Supplier ID..."), QStringLiteral("supplierid"));
}

void FrmSupplier::cmdUpdate_Click()
{
    const auto id = parseKey(txtid->text());
    QString error;
    const auto known = id ? keyInUse(key(), *id, &error) : std::optional<bool>(false);
    if (!known) {
        dialogs().msgBox(error, mb::vbExclamation);
        return;
    }
    if (!*known) {
        dialogs().msgBox(QStringLiteral("Es gibt keinen Lieferanten mit der ID „%1“. Es wurde nichts gespeichert.")
                             .arg(txtid->text()),
                         mb::vbExclamation);
        return;
    }
    // The boxes follow the current row, so they are read before the filter
    // moves it; what they hold goes into the supplier with that id only.
    // The row shown keeps what it had: left to the filter, the typed values
    // (the id included) would be stored into it as well, so that a second
    // supplier changed, or a new one half-typed were stored.
    const std::vector<std::pair<QString, QString>> typed = {
        {QStringLiteral("SupplierName"), txtName->text()}, {QStringLiteral("Address"), txtAddress->text()},
        {QStringLiteral("sPlace"), txtPlace->text()},      {QStringLiteral("TelephoneNumber"), txtTelephone->text()},
        {QStringLiteral("sEmail"), txtEmail->text()},
    };
    Recordset &suppliers = ADOSupplier.recordset();
    suppliers.cancelUpdate();
    suppliers.setFilter({{QStringLiteral("Supplierid"), QString::number(*id)}});
    for (const auto &[column, text] : typed)
        suppliers.setText(column, text);
    if (!suppliers.update()) {
        dialogs().msgBox(QStringLiteral("Der Lieferant wurde nicht gespeichert: %1").arg(suppliers.lastError()),
                         mb::vbExclamation);
        return;
    }
    dialogs().msgBox(txtName->text() + QStringLiteral(" successfully updated..."), mb::vbInformation);
}

void FrmSupplier::cmdClose_Click()
{
    screens().unload<FrmSupplier>();
}

FrmSupplier &frmSupplier()
{
    return screens().get<FrmSupplier>();
}
