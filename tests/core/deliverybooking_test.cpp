#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "masterdata/deliverybooking.h"
#include "support/fixture.h"

namespace {
class DeliveryBooking : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        exec("INSERT INTO Products (ProductID, Description, Quantity, OrderPrice, SalesPrice)"
             " VALUES (1, 'Margherita', 12, 123450, 250), (3, 'Käse', 2.5, 900, 1490)");
        exec("INSERT INTO Deliveries VALUES (1, 3, 2, 900, '2026-01-05')");
    }

    // Every delivery row and product as stored.
    QString stored()
    {
        return scalar("SELECT (SELECT group_concat(deliveryno || ' ' || prodno || ' ' || quantity || ' ' ||"
                      " orderprice || ' ' || Date, '|') FROM Deliveries) || '/' ||"
                      " (SELECT group_concat(Quantity || ' ' || OrderPrice || ' ' || SalesPrice, '|') FROM Products)")
            .toString();
    }

    deliveries::BookingResult book(const QStringList &typed, const QDate &date = QDate(2026, 3, 1))
    {
        return deliveries::book(m_db.get(), {typed[0], typed[1], typed[2], typed[3], typed[4], date});
    }
};
} // namespace

TEST_F(DeliveryBooking, WhatIsNoDeliveryIsRefusedWithItsReasonAndStoresNothing)
{
    const QString before = stored();
    const QString badNumber = "Bitte eine gültige Lieferungsnummer angeben (nur Ziffern).";
    const std::vector<std::pair<QStringList, QString>> cases = {
        {{"", "1", "5", "3,00", "6,50"}, badNumber},
        {{"2a", "1", "5", "3,00", "6,50"}, badNumber},
        {{"2", "99", "5", "3,00", "6,50"}, "Es gibt kein Produkt mit der ID „99“."},
        {{"2", "", "0", "", ""}, "Bitte eine Produkt-ID angeben."},
        {{"2", "1", "fünf", "3,00", "6,50"}, "Die Anzahl „fünf“ ist keine gültige Zahl."},
        {{"2", "1", "", "3,00", "6,50"}, "Die Anzahl „“ ist keine gültige Zahl."},
        {{"2", "1", "0,0005", "3,00", "6,50"}, "Die Anzahl „0,0005“ ist keine gültige Zahl."},
        {{"2", "1", "0", "3,00", "6,50"}, "Die Anzahl muss größer als 0 sein."},
        {{"2", "1", "-5", "3,00", "6,50"}, "Die Anzahl muss größer als 0 sein."},
        {{"2", "1", "5", "3.5", "6,50"}, "Der EK Preis „3.5“ ist kein gültiger Betrag."},
        {{"2", "1", "5", "3,00", ""}, "Der VK Preis „“ ist kein gültiger Betrag."},
    };
    for (const auto &[typed, reason] : cases) {
        const auto result = book(typed);
        EXPECT_FALSE(result.booked) << reason.toStdString();
        EXPECT_EQ(result.refusal, reason);
    }
    EXPECT_EQ(book({"2", "1", "5", "3,00", "6,50"}, QDate()).refusal, "Bitte ein gültiges Datum angeben.");
    EXPECT_EQ(stored(), before);
}

TEST_F(DeliveryBooking, FractionalStockIsNotRoundedAway)
{
    const auto result = book({"2", "3", "1,5", "9,00", "14,90"});
    ASSERT_TRUE(result.booked) << result.refusal.toStdString();
    EXPECT_EQ(result.booked->quantityOnHand, 4.0) << "2,5 on hand and 1,5 delivered";
    EXPECT_EQ(result.booked->quantityDelivered, 3.5) << "with the earlier delivery of 2";
    EXPECT_EQ(scalar("SELECT typeof(Quantity) FROM Products WHERE ProductID = 3").toString(), "integer");
    EXPECT_EQ(scalar("SELECT Date FROM Deliveries WHERE deliveryno = 2").toString(), "2026-03-01");
}
