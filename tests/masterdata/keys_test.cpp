#include <gtest/gtest.h>

#include "data/datacontrol.h"
#include "masterdata/keys.h"
#include "support/fixture.h"

namespace {
const KeyColumn SupplierKey{QStringLiteral("Supplier"), QStringLiteral("SupplierID")};

class Keys : public DatabaseTest
{
};
} // namespace

TEST_F(Keys, ProposalIsOneAboveTheHighestKeyInUse)
{
    EXPECT_EQ(proposeKey(SupplierKey), 1);
    exec(QStringLiteral("INSERT INTO Supplier (SupplierID) VALUES (1), (2), (5)"));
    EXPECT_EQ(proposeKey(SupplierKey), 6);
    // A removed row does not make its key or any lower one come round again.
    exec(QStringLiteral("DELETE FROM Supplier WHERE SupplierID = 2"));
    EXPECT_EQ(proposeKey(SupplierKey), 6);
    exec(QStringLiteral("DELETE FROM Supplier WHERE SupplierID = 5"));
    EXPECT_EQ(proposeKey(SupplierKey), 2);
}

TEST_F(Keys, OnlyWholeNumbersAboveZeroAreKeys)
{
    EXPECT_EQ(parseKey(QStringLiteral("7")), 7);
    EXPECT_EQ(parseKey(QStringLiteral(" 12 ")), 12);
    EXPECT_FALSE(parseKey(QString()));
    EXPECT_FALSE(parseKey(QStringLiteral("0")));
    EXPECT_FALSE(parseKey(QStringLiteral("-3")));
    EXPECT_FALSE(parseKey(QStringLiteral("1 2")));
    EXPECT_FALSE(parseKey(QStringLiteral("12a")));
    EXPECT_FALSE(parseKey(QStringLiteral("1,5")));
    EXPECT_FALSE(parseKey(QStringLiteral("١٢"))); // digits of another script
}

TEST_F(Keys, StoringRefusesMissingBadAndRepeatedKeys)
{
    exec(QStringLiteral("INSERT INTO Supplier (SupplierID, SupplierName) VALUES (1, 'Alt')"));
    DataControl suppliers(QStringLiteral("Supplier"));
    ASSERT_TRUE(suppliers.refresh());
    QString error;

    suppliers->addNew();
    suppliers->setText(QStringLiteral("SupplierName"), QStringLiteral("Neu"));
    EXPECT_FALSE(storeKeyedRow(suppliers.recordset(), SupplierKey, &error));
    EXPECT_EQ(error, QStringLiteral("Bitte eine ID angeben. Es wurde nichts gespeichert."));

    suppliers->setText(QStringLiteral("SupplierID"), QStringLiteral("x1"));
    EXPECT_FALSE(storeKeyedRow(suppliers.recordset(), SupplierKey, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("„x1“ ist keine gültige ID"))) << error.toStdString();

    suppliers->setText(QStringLiteral("SupplierID"), QStringLiteral("1"));
    EXPECT_FALSE(storeKeyedRow(suppliers.recordset(), SupplierKey, &error));
    EXPECT_EQ(error, QStringLiteral("Die ID 1 ist bereits vergeben. Es wurde nichts gespeichert."));
    EXPECT_EQ(count(QStringLiteral("Supplier")), 1);
    // Nothing typed is lost: the row still waits with its values.
    EXPECT_TRUE(suppliers->isNewRow());
    EXPECT_EQ(suppliers->text(QStringLiteral("SupplierName")), QStringLiteral("Neu"));

    suppliers->setText(QStringLiteral("SupplierID"), QStringLiteral(" 2 "));
    EXPECT_TRUE(storeKeyedRow(suppliers.recordset(), SupplierKey, &error)) << error.toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT SupplierName FROM Supplier WHERE SupplierID = 2")).toString(),
              QStringLiteral("Neu"));

    // An existing row keeps its own key without clashing with itself, but
    // cannot take another row's.
    suppliers->moveFirst();
    suppliers->setText(QStringLiteral("SupplierName"), QStringLiteral("Alt 2"));
    EXPECT_TRUE(storeKeyedRow(suppliers.recordset(), SupplierKey, &error)) << error.toStdString();
    suppliers->setText(QStringLiteral("SupplierID"), QStringLiteral("2"));
    EXPECT_FALSE(storeKeyedRow(suppliers.recordset(), SupplierKey, &error));
    EXPECT_EQ(scalar(QStringLiteral("SELECT SupplierName FROM Supplier WHERE SupplierID = 1")).toString(),
              QStringLiteral("Alt 2"));
}
