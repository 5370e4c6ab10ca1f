#include <gtest/gtest.h>

#include "masterdata/frmcustomer.h"
#include "masterdata/frmsupplier.h"
#include "editortest.h"

namespace {
class SupplierEditor : public EditorTest
{
protected:
    // "Hinzufügen", "Bearbeiten", "Speichern", the frame
    static QString state(QWidget &form, const char *frame)
    {
        return enabledStates(form, {"cmdNew", "cmdEdit", "cmdSave", frame});
    }
    QString suppliers() { return scalar("SELECT group_concat(SupplierID || SupplierName) FROM Supplier").toString(); }
};

using CustomerEditor = SupplierEditor;
} // namespace

TEST_F(SupplierEditor, NewSuppliersAreNumberedAboveTheHighestId)
{
    FrmSupplier &form = shown(frmSupplier());
    EXPECT_EQ(state(form, "fraSupplier"), "1110"); // all buttons on, the boxes locked
    click(form, "cmdNew");
    EXPECT_EQ(text(form, "txtid"), "1");
    EXPECT_EQ(state(form, "fraSupplier"), "0011");
    type(form, "txtName", "Metro");
    type(form, "txtTelephone", "030 1234");
    click(form, "cmdSave");
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_EQ(state(form, "fraSupplier"), "1100");
    EXPECT_EQ(scalar("SELECT TelephoneNumber FROM Supplier WHERE SupplierID = 1").toString(), "030 1234");
    EXPECT_EQ(text(form, "txtName"), "Metro"); // the stored row stays shown

    // A removed supplier does not make an id come round again.
    exec("INSERT INTO Supplier (SupplierID, SupplierName) VALUES (5, 'Fünf')");
    exec("DELETE FROM Supplier WHERE SupplierID = 1");
    click(form, "cmdNew");
    EXPECT_EQ(text(form, "txtid"), "6");

    // A typed id that another supplier has is refused; the screen stays in
    // adding with what was typed.
    type(form, "txtid", "5");
    type(form, "txtName", "Selgros");
    click(form, "cmdSave");
    expectMessage("Die ID 5 ist bereits vergeben. Es wurde nichts gespeichert.");
    EXPECT_EQ(state(form, "fraSupplier"), "0011");
    EXPECT_EQ(text(form, "txtName"), "Selgros");
    EXPECT_EQ(suppliers(), "5Fünf");

    // "Neu Laden" drops the new row.
    click(form, "cmdRefresh");
    EXPECT_EQ(state(form, "fraSupplier"), "1100");
    EXPECT_EQ(text(form, "txtName"), "Fünf");
    EXPECT_EQ(suppliers(), "5Fünf");
}

TEST_F(SupplierEditor, UpdateWritesTheBoxesIntoTheSupplierWithTheTypedId)
{
    exec("INSERT INTO Supplier (SupplierID, SupplierName, TelephoneNumber)"
         " VALUES (1, 'Metro', '1'), (2, 'Selgros', '2'), (3, 'Edeka', '3')");
    FrmSupplier &form = shown(frmSupplier());
    m_dialogs->answerInput("2");
    click(form, "cmdFind");
    EXPECT_EQ(m_dialogs->prompts(), QStringList{"Enter Supplier ID..."});
    EXPECT_EQ(text(form, "txtName"), "Selgros");

    click(form, "cmdEdit");
    EXPECT_EQ(state(form, "fraSupplier"), "0011");
    type(form, "txtTelephone", "0711 99");
    click(form, "cmdUpdate");
    expectMessage("Selgros successfully updated...", mb::vbInformation);
    EXPECT_EQ(scalar("SELECT group_concat(TelephoneNumber) FROM Supplier").toString(), "1,0711 99,3");
    // The recordset stays filtered to that supplier until a re-read.
    EXPECT_EQ(frmSupplier().ADOSupplier->recordCount(), 1);
    click(form, "cmdRefresh");
    EXPECT_EQ(frmSupplier().ADOSupplier->recordCount(), 3);

    // An id that no supplier has: nothing is stored, and the user is told.
    click(form, "cmdEdit");
    type(form, "txtid", "99");
    type(form, "txtName", "Neu");
    click(form, "cmdUpdate");
    expectMessage("Es gibt keinen Lieferanten mit der ID „99“. Es wurde nichts gespeichert.");
    EXPECT_EQ(suppliers(), "1Metro,2Selgros,3Edeka");
    EXPECT_EQ(text(form, "txtName"), "Neu");

    // A miss blanks the boxes, without a message.
    m_dialogs->answerInput("4");
    click(form, "cmdFind");
    EXPECT_EQ(texts(form, {"txtid", "txtName"}), "|");
    EXPECT_TRUE(m_dialogs->messages().empty());
}

TEST_F(CustomerEditor, FindsByTelephoneNumberAsTyped)
{
    exec("INSERT INTO Customer (CustomerID, Customername, ContactNumber) VALUES"
         " (1, 'Anna', '030 1'), (2, 'Bernd', '0171''5'), (3, 'Clara', '030 1')");
    FrmCustomer &form = shown(frmCustomer());
    EXPECT_EQ(text(form, "txtName"), "Anna");

    m_dialogs->answerInput("0171'5");
    click(form, "cmdFind");
    EXPECT_EQ(m_dialogs->prompts(), QStringList{"Suche nach Telefonnummer..."});
    EXPECT_EQ(text(form, "txtName"), "Bernd");

    m_dialogs->answerInput("030 1");
    click(form, "cmdFind");
    EXPECT_EQ(text(form, "txtid"), "1"); // the first of two in table order

    m_dialogs->answerInput(QString()); // cancelled: searches for no number
    click(form, "cmdFind");
    EXPECT_EQ(text(form, "txtName"), "");
    EXPECT_TRUE(m_dialogs->messages().empty());
}

TEST_F(CustomerEditor, EditingLeavesTheBalanceAndNeuLadenDropsTheChange)
{
    exec("INSERT INTO Customer (CustomerID, Customername, accountbalance) VALUES (1, 'Anna', 0), (2, 'Bernd', 2550)");
    FrmCustomer &form = shown(frmCustomer());
    EXPECT_EQ(state(form, "fraCustomer"), "1110");
    click(form, "cmdEdit");
    type(form, "txtName", "Anne");
    click(form, "cmdRefresh");
    EXPECT_EQ(text(form, "txtName"), "Anna");
    EXPECT_EQ(scalar("SELECT Customername FROM Customer WHERE CustomerID = 1").toString(), "Anna");

    // Another screen (the payment dialog) leaves the shared recordset filtered
    // and standing on its customer: the editor opens on that, until a re-read.
    form.hide();
    frmCustomer().ADOCustomer->setFilter({{QStringLiteral("customerid"), QStringLiteral("2")}});
    form.show();
    EXPECT_EQ(text(form, "txtName"), "Bernd");
    EXPECT_EQ(frmCustomer().ADOCustomer->recordCount(), 1);

    click(form, "cmdEdit");
    type(form, "txtName", "Bernhard");
    click(form, "cmdSave");
    EXPECT_EQ(scalar("SELECT Customername || accountbalance FROM Customer WHERE CustomerID = 2").toString(),
              "Bernhard2550");
    click(form, "cmdRefresh");
    EXPECT_EQ(frmCustomer().ADOCustomer->recordCount(), 2);

    // New customers start with the database's balance and the next number.
    click(form, "cmdNew");
    EXPECT_EQ(text(form, "txtid"), "3");
    EXPECT_FALSE(control(form, "cmdNew")->isEnabled()); // no second "Hinzufügen" before saving
    type(form, "txtName", "Clara");
    click(form, "cmdSave");
    EXPECT_EQ(scalar("SELECT accountbalance FROM Customer WHERE CustomerID = 3").toLongLong(), 0);
}

TEST_F(CustomerEditor, ACustomerNeedsANameOrATelephoneNumber)
{
    exec("INSERT INTO Customer (CustomerID, Customername, ContactNumber, accountbalance) VALUES"
         " (1, 'Anna', '030 1', 0), (2, NULL, NULL, 700)");
    const QString refused =
        "Bitte einen Namen oder eine Telefonnummer des Kunden angeben. Es wurde nichts gespeichert.";
    const QString customers = "SELECT group_concat(CustomerID || ':' || coalesce(Customername, '') || ':' ||"
                              " coalesce(ContactNumber, '') || ':' || coalesce(Address, ''), '|') FROM Customer";
    const QString before = scalar(customers).toString();
    FrmCustomer &form = shown(frmCustomer());
    // Name, address, telephone as typed into a new customer; blanks are nothing.
    const std::vector<QStringList> nobody = {{"", "", ""}, {"", "Weg 1", ""}, {"  ", "Weg 1", " "}};
    for (const QStringList &typed : nobody) {
        SCOPED_TRACE(typed.join('/').toStdString());
        click(form, "cmdNew");
        type(form, "txtName", typed[0]);
        type(form, "txtAddress", typed[1]);
        type(form, "txtContactNumber", typed[2]);
        click(form, "cmdSave");
        expectMessage(refused, mb::vbExclamation);
        EXPECT_EQ(scalar(customers).toString(), before);
        EXPECT_TRUE(control(form, "cmdSave")->isEnabled()) << "still editing what was typed";
        click(form, "cmdRefresh");
    }

    // Either one is enough.
    click(form, "cmdNew");
    type(form, "txtName", "Bernd");
    click(form, "cmdSave");
    click(form, "cmdNew");
    type(form, "txtContactNumber", "0171 5");
    click(form, "cmdSave");
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_EQ(scalar(customers).toString(), before + "|3:Bernd::|4::0171 5:");

    // Emptying both of a stored customer is refused too, by "Speichern" and by
    // moving on to another customer.
    click(form, "cmdRefresh");
    click(form, "cmdEdit");
    EXPECT_EQ(text(form, "txtName"), "Anna");
    type(form, "txtName", "");
    type(form, "txtContactNumber", "");
    click(form, "cmdSave");
    expectMessage(refused, mb::vbExclamation);
    click(form, "cmdNext");
    expectMessage("Bitte einen Namen oder eine Telefonnummer des Kunden angeben.", mb::vbExclamation);
    EXPECT_EQ(scalar(customers).toString(), before + "|3:Bernd::|4::0171 5:");

    // A customer stored without either before stays usable: its balance can
    // still be booked.
    click(form, "cmdRefresh");
    Recordset &rows = frmCustomer().ADOCustomer.recordset();
    rows.setFilter({{"CustomerID", "2"}});
    ASSERT_TRUE(rows.setMoney("accountbalance", Money::fromCents(500)));
    EXPECT_TRUE(rows.update()) << rows.lastError().toStdString();
    EXPECT_EQ(scalar("SELECT accountbalance FROM Customer WHERE CustomerID = 2").toLongLong(), 500);
}
