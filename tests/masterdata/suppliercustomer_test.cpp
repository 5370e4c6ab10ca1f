#include <gtest/gtest.h>

#include <QGroupBox>

#include "masterdata/frmcustomer.h"
#include "masterdata/frmsupplier.h"
#include "editortest.h"

namespace {
class SupplierEditor : public EditorTest
{
protected:
    FrmSupplier &open()
    {
        FrmSupplier &form = frmSupplier();
        form.show();
        return form;
    }
    // "Hinzufügen", "Bearbeiten", "Speichern", the frame
    static QString state(QWidget &form, const char *frame)
    {
        return enabledStates(form, {"cmdNew", "cmdEdit", "cmdSave", frame});
    }
    QString supplierColumn(const char *column, int id)
    {
        return scalar(QStringLiteral("SELECT %1 FROM Supplier WHERE SupplierID = ?1").arg(QLatin1String(column)), {id})
            .toString();
    }
};

using CustomerEditor = SupplierEditor;
} // namespace

TEST_F(SupplierEditor, NewSuppliersAreNumberedAboveTheHighestId)
{
    FrmSupplier &form = open();
    EXPECT_EQ(form.objectName(), QStringLiteral("FrmSupplier"));
    EXPECT_EQ(state(form, "fraSupplier"), QStringLiteral("1110")); // all buttons on, the boxes locked
    click(form, "cmdNew");
    EXPECT_EQ(text(form, "txtid"), QStringLiteral("1"));
    EXPECT_EQ(state(form, "fraSupplier"), QStringLiteral("0011"));
    type(form, "txtName", QStringLiteral("Metro"));
    type(form, "txtTelephone", QStringLiteral("030 1234"));
    click(form, "cmdSave");
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_EQ(state(form, "fraSupplier"), QStringLiteral("1100"));
    EXPECT_EQ(supplierColumn("TelephoneNumber", 1), QStringLiteral("030 1234"));
    EXPECT_EQ(text(form, "txtName"), QStringLiteral("Metro")); // the stored row stays shown

    exec(QStringLiteral("INSERT INTO Supplier (SupplierID, SupplierName) VALUES (5, 'Fünf')"));
    click(form, "cmdNew");
    EXPECT_EQ(text(form, "txtid"), QStringLiteral("6"));
    // A removed supplier does not make an id come round again.
    click(form, "cmdRefresh");
    exec(QStringLiteral("DELETE FROM Supplier WHERE SupplierID = 1"));
    click(form, "cmdNew");
    EXPECT_EQ(text(form, "txtid"), QStringLiteral("6"));

    // A typed id that another supplier has is refused; the screen stays in
    // adding with what was typed.
    type(form, "txtid", QStringLiteral("5"));
    type(form, "txtName", QStringLiteral("Selgros"));
    click(form, "cmdSave");
    EXPECT_EQ(m_dialogs->messageTexts(),
              QStringList{QStringLiteral("Die ID 5 ist bereits vergeben. Es wurde nichts gespeichert.")});
    EXPECT_EQ(state(form, "fraSupplier"), QStringLiteral("0011"));
    EXPECT_EQ(text(form, "txtName"), QStringLiteral("Selgros"));
    EXPECT_EQ(count(QStringLiteral("Supplier")), 1);

    // "Neu Laden" drops the new row.
    click(form, "cmdRefresh");
    EXPECT_EQ(state(form, "fraSupplier"), QStringLiteral("1100"));
    EXPECT_EQ(text(form, "txtName"), QStringLiteral("Fünf"));
    EXPECT_EQ(count(QStringLiteral("Supplier")), 1);
}

TEST_F(SupplierEditor, UpdateWritesTheBoxesIntoTheSupplierWithTheTypedId)
{
    exec(QStringLiteral("INSERT INTO Supplier (SupplierID, SupplierName, TelephoneNumber)"
                        " VALUES (1, 'Metro', '1'), (2, 'Selgros', '2'), (3, 'Edeka', '3')"));
    FrmSupplier &form = open();
    m_dialogs->answerInput(QStringLiteral("2"));
    click(form, "cmdFind");
    EXPECT_EQ(m_dialogs->prompts(), QStringList{QStringLiteral("Enter Supplier ID...")});
    EXPECT_EQ(text(form, "txtName"), QStringLiteral("Selgros"));

    click(form, "cmdEdit");
    EXPECT_EQ(state(form, "fraSupplier"), QStringLiteral("0011"));
    type(form, "txtTelephone", QStringLiteral("0711 99"));
    click(form, "cmdUpdate");
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_EQ(m_dialogs->messages()[0].text, QStringLiteral("Selgros successfully updated..."));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbInformation);
    EXPECT_EQ(supplierColumn("TelephoneNumber", 2), QStringLiteral("0711 99"));
    EXPECT_EQ(supplierColumn("TelephoneNumber", 1), QStringLiteral("1"));
    // The recordset stays filtered to that supplier until a re-read.
    EXPECT_EQ(frmSupplier().ADOSupplier->recordCount(), 1);
    click(form, "cmdRefresh");
    EXPECT_EQ(frmSupplier().ADOSupplier->recordCount(), 3);

    // An id that no supplier has: nothing is stored, and the user is told.
    click(form, "cmdEdit");
    type(form, "txtid", QStringLiteral("99"));
    type(form, "txtName", QStringLiteral("Neu"));
    m_dialogs->clearRecords();
    click(form, "cmdUpdate");
    EXPECT_EQ(m_dialogs->messageTexts(),
              QStringList{QStringLiteral("Es gibt keinen Lieferanten mit der ID „99“. Es wurde nichts gespeichert.")});
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(SupplierID || SupplierName) FROM Supplier")).toString(),
              QStringLiteral("1Metro,2Selgros,3Edeka"));
    EXPECT_EQ(text(form, "txtName"), QStringLiteral("Neu"));

    // A miss blanks the boxes, without a message.
    m_dialogs->clearRecords();
    m_dialogs->answerInput(QStringLiteral("4"));
    click(form, "cmdFind");
    EXPECT_EQ(text(form, "txtid"), QString());
    EXPECT_EQ(text(form, "txtName"), QString());
    EXPECT_TRUE(m_dialogs->messages().empty());
}

TEST_F(CustomerEditor, FindsByTelephoneNumberAsTyped)
{
    exec(QStringLiteral("INSERT INTO Customer (CustomerID, Customername, ContactNumber) VALUES"
                        " (1, 'Anna', '030 1'), (2, 'Bernd', '0171''5'), (3, 'Clara', '030 1')"));
    FrmCustomer &form = frmCustomer();
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Customer"));
    EXPECT_EQ(text(form, "txtName"), QStringLiteral("Anna"));

    m_dialogs->answerInput(QStringLiteral("0171'5"));
    click(form, "cmdFind");
    EXPECT_EQ(m_dialogs->prompts(), QStringList{QStringLiteral("Suche nach Telefonnummer...")});
    EXPECT_EQ(text(form, "txtName"), QStringLiteral("Bernd"));

    m_dialogs->answerInput(QStringLiteral("030 1"));
    click(form, "cmdFind");
    EXPECT_EQ(text(form, "txtid"), QStringLiteral("1")); // the first of two in table order

    click(form, "cmdFind"); // cancelled: searches for no number
    EXPECT_EQ(text(form, "txtName"), QString());
    EXPECT_TRUE(m_dialogs->messages().empty());
}

TEST_F(CustomerEditor, EditingLeavesTheBalanceAndNeuLadenDropsTheChange)
{
    exec(QStringLiteral("INSERT INTO Customer (CustomerID, Customername, accountbalance) VALUES"
                        " (1, 'Anna', 0), (2, 'Bernd', 2550)"));
    FrmCustomer &form = frmCustomer();
    form.show();
    EXPECT_EQ(state(form, "fraCustomer"), QStringLiteral("1110"));
    click(form, "cmdEdit");
    type(form, "txtName", QStringLiteral("Anne"));
    click(form, "cmdRefresh");
    EXPECT_EQ(text(form, "txtName"), QStringLiteral("Anna"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Customername FROM Customer WHERE CustomerID = 1")).toString(),
              QStringLiteral("Anna"));

    // Another screen (the payment dialog) leaves the shared recordset filtered
    // and standing on its customer: the editor opens on that, until a re-read.
    form.hide();
    frmCustomer().ADOCustomer->setFilter({{QStringLiteral("customerid"), QStringLiteral("2")}});
    form.show();
    EXPECT_EQ(text(form, "txtName"), QStringLiteral("Bernd"));
    EXPECT_EQ(frmCustomer().ADOCustomer->recordCount(), 1);

    click(form, "cmdEdit");
    type(form, "txtName", QStringLiteral("Bernhard"));
    click(form, "cmdSave");
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT Customername || accountbalance FROM Customer WHERE CustomerID = 2")).toString(),
        QStringLiteral("Bernhard2550"));
    click(form, "cmdRefresh");
    EXPECT_EQ(frmCustomer().ADOCustomer->recordCount(), 2);

    // New customers start with the database's balance and the next number.
    click(form, "cmdNew");
    EXPECT_EQ(text(form, "txtid"), QStringLiteral("3"));
    EXPECT_FALSE(control(form, "cmdNew")->isEnabled()); // no second "Hinzufügen" before saving
    type(form, "txtName", QStringLiteral("Clara"));
    click(form, "cmdSave");
    EXPECT_EQ(scalar(QStringLiteral("SELECT accountbalance FROM Customer WHERE CustomerID = 3")).toLongLong(), 0);
}
