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
    const auto notANumber = [](const char *typed) {
        return QString("Die Anzahl „%1“ ist keine gültige Zahl: bitte mit Komma, höchstens drei Nachkommastellen "
                       "und ohne Tausenderpunkt, z. B. 12 oder 2,5.")
            .arg(QString::fromUtf8(typed));
    };
    const auto outOfRange = [](const char *typed) {
        return QString("Die Anzahl „%1“ liegt außerhalb des Bereichs: sie muss größer als 0 und höchstens 9999 sein.")
            .arg(typed);
    };
    const auto notAnAmount = [](const char *box, const char *typed) {
        return QString("Der %1 „%2“ ist kein gültiger Betrag: bitte höchstens zwei Nachkommastellen, z. B. 12,50.")
            .arg(box, typed);
    };
    const QString tooLarge = "Anzahl × EK Preis ergibt einen Betrag, der zu groß für die Lieferung ist. "
                             "Bitte Anzahl und EK Preis prüfen.";
    const std::vector<std::pair<QStringList, QString>> cases = {
        {{"", "1", "5", "3,00", "6,50"}, badNumber},
        {{"2a", "1", "5", "3,00", "6,50"}, badNumber},
        {{"2", "99", "5", "3,00", "6,50"}, "Es gibt kein Produkt mit der ID „99“."},
        {{"2", "", "0", "", ""}, "Bitte eine Produkt-ID angeben."},
        {{"2", "1", "fünf", "3,00", "6,50"}, notANumber("fünf")},
        {{"2", "1", "", "3,00", "6,50"}, notANumber("")},
        {{"2", "1", "0,0005", "3,00", "6,50"}, notANumber("0,0005")},
        // A point is no decimal sign, and no thousands sign in a quantity.
        {{"2", "1", "1.250", "3,00", "6,50"}, notANumber("1.250")},
        {{"2", "1", "1.5", "3,00", "6,50"}, notANumber("1.5")},
        {{"2", "1", "0", "3,00", "6,50"}, outOfRange("0")},
        {{"2", "1", "-5", "3,00", "6,50"}, outOfRange("-5")},
        {{"2", "1", "9999,001", "3,00", "6,50"}, outOfRange("9999,001")},
        {{"2", "1", "4006381333931", "0,89", "1,49"}, outOfRange("4006381333931")}, // a barcode
        {{"2", "1", "99999999", "999.999.999.999,99", "1,49"}, outOfRange("99999999")},
        {{"2", "1", "5", "3.5", "6,50"}, notAnAmount("EK Preis", "3.5")},
        {{"2", "1", "5", "7,999", "6,50"}, notAnAmount("EK Preis", "7,999")},
        {{"2", "1", "5", "3,00", ""}, notAnAmount("VK Preis", "")},
        {{"2", "1", "5", "3,00", "12,345"}, notAnAmount("VK Preis", "12,345")},
        // Within the range, the delivery's amount must still fit an amount
        // (9.223.372.036.854.775.807 cents at most): never capped.
        {{"2", "1", "9999", "999.999.999.999.999,99", "1,49"}, tooLarge},
        {{"2", "1", "9999", "9.224.294.466.301,41", "1,49"}, tooLarge},
    };
    for (const auto &[typed, reason] : cases) {
        const auto result = book(typed);
        EXPECT_FALSE(result.booked) << reason.toStdString();
        EXPECT_EQ(result.refusal, reason);
    }
    EXPECT_EQ(book({"2", "1", "5", "3,00", "6,50"}, QDate()).refusal, "Bitte ein gültiges Datum angeben.");
    // 9997 × 9.226.139.878.818,42 fits alone, but delivery 1 of 5 January
    // already holds 2 × 9,00.
    EXPECT_EQ(book({"1", "1", "9997", "9.226.139.878.818,42", "1,49"}, QDate(2026, 1, 5)).refusal, tooLarge);
    EXPECT_EQ(stored(), before);

    // The largest amounts that fit are booked.
    for (const QStringList &typed : {QStringList{"2", "1", "9999", "9.224.294.466.301,40", "1,49"},
                                     QStringList{"1", "1", "9997", "9.226.139.878.818,42", "1,49"}}) {
        const auto booked = book(typed, QDate(2026, 1, 6));
        EXPECT_TRUE(booked.booked) << booked.refusal.toStdString();
    }
    EXPECT_EQ(count("Deliveries"), 3);
}

TEST_F(DeliveryBooking, FractionalStockIsNotRoundedAway)
{
    const auto result = book({"2", "3", "1,5", "9,00", "14,90"});
    ASSERT_TRUE(result.booked) << result.refusal.toStdString();
    EXPECT_EQ(result.booked->quantityOnHand, 4.0) << "2,5 on hand and 1,5 delivered";
    EXPECT_EQ(result.booked->quantityDelivered, 3.5) << "with the earlier delivery of 2";
    EXPECT_EQ(scalar("SELECT typeof(Quantity) FROM Products WHERE ProductID = 3").toString(), "integer");
    EXPECT_EQ(scalar("SELECT Date FROM Deliveries WHERE deliveryno = 2").toString(), "2026-03-01");

    // Weighed deliveries keep the stock to the gram: 2,5 + 1,5 + 100 × 0,1 is 14 exactly, not 13,99999….
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(book({"3", "3", "0,1", "9,00", "14,90"}).booked);
    EXPECT_EQ(scalar("SELECT Quantity FROM Products WHERE ProductID = 3").toDouble(), 14.0);
}
