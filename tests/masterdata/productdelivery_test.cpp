#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>

#include "app/screens.h"
#include "masterdata/deliverybooking.h"
#include "masterdata/frmproduct.h"
#include "masterdata/frmproductdelivery.h"
#include "masterdata/frmproductupdate.h"
#include "editortest.h"

namespace {
const QString Today = QDate::currentDate().toString(Qt::ISODate);

class DeliveryBooking : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        exec("INSERT INTO Products (ProductID, Category, Description, Size, Quantity, OrderPrice, SalesPrice) VALUES"
             " (7, 'Pizza', 'Margherita', '30cm', 12, 300, 650), (8, 'Getränke', 'Cola', '0,33l', 3, 45, 190)");
    }

    // The product's stock and prices as stored.
    QString product(qint64 id)
    {
        return scalar("SELECT Quantity || ' ' || OrderPrice || ' ' || SalesPrice FROM Products WHERE ProductID = ?1",
                      {id})
            .toString();
    }

    QString deliveries()
    {
        return scalar(
                   "SELECT group_concat(deliveryno || ' ' || prodno || ' ' || quantity || ' ' || orderprice || ' ' ||"
                   " Date, '|') FROM (SELECT * FROM Deliveries ORDER BY rowid)")
            .toString();
    }

    static QStringList numberList(FrmProductDelivery &booking)
    {
        QStringList numbers;
        for (int i = 0; i < booking.cboNumber->count(); ++i)
            numbers << booking.cboNumber->itemText(i);
        return numbers;
    }

    // Opens the booking from the stock list's line of the product and lets
    // the user fill in and click as the function says.
    void bookFromStockList(const QString &productId, std::function<void(FrmProductDelivery &)> user)
    {
        FrmProductUpdate &list = frmProductUpdate();
        const auto lines = list.LvProduct->findItems(productId, Qt::MatchExactly, 0);
        ASSERT_EQ(lines.size(), 1);
        list.LvProduct->setCurrentItem(lines.front());
        m_dialogs->onModal([user](QDialog *window) {
            user(*static_cast<FrmProductDelivery *>(window));
            return 0;
        });
        list.btnSelect->click();
        processEvents();
    }

    // "Best.", "Vorh.", "Verk.", "EK" and "VK" of the product's line.
    static QStringList stockLine(const QString &productId)
    {
        const auto lines = frmProductUpdate().LvProduct->findItems(productId, Qt::MatchExactly, 0);
        QStringList texts;
        for (int column = 4; column <= 8; ++column)
            texts << lines.front()->text(column);
        return texts;
    }

    static void fill(FrmProductDelivery &booking, const QStringList &numberIdQuantityOrderSales)
    {
        booking.cboNumber->setEditText(numberIdQuantityOrderSales[0]);
        booking.txtNo->setText(numberIdQuantityOrderSales[1]);
        booking.txtQuantity->setText(numberIdQuantityOrderSales[2]);
        booking.txtorder->setText(numberIdQuantityOrderSales[3]);
        booking.txtsales->setText(numberIdQuantityOrderSales[4]);
    }
};
} // namespace

TEST_F(DeliveryBooking, BookingRaisesTheStockSetsThePricesAndRewritesTheLine)
{
    bookFromStockList("7", [](FrmProductDelivery &booking) {
        EXPECT_EQ(booking.cboNumber->currentText(), "1");
        EXPECT_EQ(booking.DTDate->date(), QDate::currentDate());
        booking.txtQuantity->setText("5");
        booking.btnUpdate->click();
    });
    EXPECT_EQ(product(7), "17 300 650");
    EXPECT_EQ(deliveries(), "1 7 5 300 " + Today);
    expectMessage("Margherita erfolgreich aktualisiert...", mb::vbInformation);
    EXPECT_EQ(stockLine("7"), QStringList({"5", "17", "0", "3,00", "6,50"}));
    EXPECT_FALSE(screens().isLoaded<FrmProductDelivery>()) << "the booking closes itself";

    // The shared product recordset is left on the booked product, as stored.
    Recordset &products = frmProduct().ADOProduct.recordset();
    EXPECT_EQ(QString::number(products.recordCount()) + ' ' + products.text("Quantity"), "1 17");

    // A second delivery of the same product, at a new price: the line shows
    // everything delivered so far, not only this delivery.
    bookFromStockList("7", [](FrmProductDelivery &booking) {
        EXPECT_EQ(booking.cboNumber->currentText(), "2");
        EXPECT_EQ(booking.txtorder->text(), "3,00") << "handed over from the rewritten line";
        booking.txtQuantity->setText("3");
        booking.txtorder->setText("1.250,5");
        booking.btnUpdate->click();
    });
    EXPECT_EQ(product(7), "20 125050 650");
    EXPECT_EQ(stockLine("7"), QStringList({"8", "20", "0", "1.250,50", "6,50"}));
    EXPECT_EQ(stockLine("8"), QStringList({"0", "3", "0", "0,45", "1,90"})) << "other lines stay";
}

TEST_F(DeliveryBooking, QuantityZeroOnlySetsThePrices)
{
    bookFromStockList("8", [](FrmProductDelivery &booking) {
        booking.txtsales->setText("2,20");
        booking.btnUpdate->click();
    });
    EXPECT_EQ(product(8), "3 45 220");
    EXPECT_EQ(deliveries(), "1 8 0 45 " + Today);
    EXPECT_EQ(stockLine("8"), QStringList({"0", "3", "0", "0,45", "2,20"}));
}

TEST_F(DeliveryBooking, EndeStoresNothingAndTheSameNumberIsProposedAgain)
{
    exec("INSERT INTO Deliveries VALUES (1, 8, 2, 45, '2026-01-05')");
    bookFromStockList("7", [](FrmProductDelivery &booking) {
        EXPECT_EQ(booking.cboNumber->currentText(), "2");
        booking.txtQuantity->setText("5");
        booking.btnCancel->click();
    });
    EXPECT_EQ(count("Deliveries"), 1);
    EXPECT_EQ(product(7), "12 300 650");
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_FALSE(screens().isLoaded<FrmProductDelivery>());

    // Closing the window is the same as "Ende".
    bookFromStockList("7", [](FrmProductDelivery &booking) { booking.close(); });
    EXPECT_FALSE(screens().isLoaded<FrmProductDelivery>());
    EXPECT_EQ(count("Deliveries"), 1);
    EXPECT_EQ(frmProductDelivery().cboNumber->currentText(), "2");
}

TEST_F(DeliveryBooking, NumberBoxListsTheNumbersInUseAndEveryNumberTyped)
{
    for (int number : {1, 2, 3, 3, 4, 5, 5})
        exec("INSERT INTO Deliveries VALUES (?1, 7, 1, 300, '2026-01-05')", {number});
    FrmProductDelivery &booking = frmProductDelivery();
    EXPECT_EQ(booking.cboNumber->currentText(), "8") << "rows plus one, not numbers plus one";
    EXPECT_EQ(numberList(booking), QStringList({"1", "2", "3", "4", "5", "8"}));

    booking.cboNumber->lineEdit()->clear();
    QTest::keyClicks(booking.cboNumber->lineEdit(), "67");
    EXPECT_EQ(numberList(booking), QStringList({"1", "2", "3", "4", "5", "8", "6", "67"}));

    // A booking under a number in use adds a row to that delivery.
    fill(booking, {"3", "8", "1", "0,45", "1,90"});
    booking.btnUpdate->click();
    EXPECT_EQ(scalar("SELECT count(*) FROM Deliveries WHERE deliveryno = 3").toInt(), 3);
    processEvents();
    EXPECT_EQ(frmProductDelivery().cboNumber->currentText(), "9");
}

TEST_F(DeliveryBooking, RefusedBookingStoresNothingAndKeepsWhatWasTyped)
{
    exec("INSERT INTO Deliveries VALUES (1, 8, 2, 45, '2026-01-05')");
    const QString before = deliveries() + product(7) + product(8);
    const QString badNumber = "Bitte eine gültige Lieferungsnummer angeben (nur Ziffern).";
    const std::vector<std::pair<QStringList, QString>> cases = {
        {{"", "7", "5", "3,00", "6,50"}, badNumber},
        {{"2a", "7", "5", "3,00", "6,50"}, badNumber},
        {{"2", "99", "5", "3,00", "6,50"}, "Es gibt kein Produkt mit der ID „99“."},
        {{"2", "", "0", "", ""}, "Bitte eine Produkt-ID angeben."},
        {{"2", "7", "fünf", "3,00", "6,50"}, "Die Anzahl „fünf“ ist keine gültige Zahl."},
        {{"2", "7", "", "3,00", "6,50"}, "Die Anzahl „“ ist keine gültige Zahl."},
        {{"2", "7", "5", "3.5", "6,50"}, "Der EK Preis „3.5“ ist kein gültiger Betrag."},
        {{"2", "7", "5", "3,00", ""}, "Der VK Preis „“ ist kein gültiger Betrag."},
    };
    FrmProductDelivery &booking = frmProductDelivery();
    for (const auto &[typed, message] : cases) {
        SCOPED_TRACE(message.toStdString());
        fill(booking, typed);
        booking.btnUpdate->click();
        expectMessage(message, mb::vbExclamation);
        EXPECT_EQ(deliveries() + product(7) + product(8), before);
        EXPECT_TRUE(screens().isLoaded<FrmProductDelivery>()) << "the screen stays open";
        EXPECT_EQ(booking.txtQuantity->text(), typed[2]) << "what was typed stays";
    }

    // A write the database refuses half way takes the delivery row back too.
    exec("CREATE TRIGGER full BEFORE UPDATE ON Products BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    fill(booking, {"2", "7", "5", "3,00", "6,50"});
    booking.btnUpdate->click();
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_TRUE(m_dialogs->messages()[0].text.startsWith("Die Lieferung wurde nicht gespeichert."));
    EXPECT_EQ(deliveries() + product(7) + product(8), before);
    EXPECT_TRUE(screens().isLoaded<FrmProductDelivery>());
}

using DeliveryBookingStore = DatabaseTest;

TEST_F(DeliveryBookingStore, FractionalStockIsNotRoundedAway)
{
    exec("INSERT INTO Products (ProductID, Description, Quantity, OrderPrice, SalesPrice)"
         " VALUES (3, 'Käse', 2.5, 900, 1490)");
    const auto result = deliveries::book(m_db.get(), {"1", "3", "1,5", "9,00", "14,90", QDate(2026, 3, 1)});
    ASSERT_TRUE(result.booked) << result.refusal.toStdString();
    EXPECT_EQ(result.booked->quantityOnHand, 4.0) << "2,5 on hand and 1,5 delivered";
    EXPECT_EQ(scalar("SELECT typeof(Quantity) FROM Products WHERE ProductID = 3").toString(), "integer");
    EXPECT_EQ(scalar("SELECT Date FROM Deliveries").toString(), "2026-03-01");
}
