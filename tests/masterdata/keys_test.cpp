#include <gtest/gtest.h>

#include "data/datacontrol.h"
#include "masterdata/keys.h"
#include "support/fixture.h"

// How new keys are proposed is shown through the supplier editor.

namespace {
const KeyColumn SupplierKey{QStringLiteral("Supplier"), QStringLiteral("SupplierID")};

using Keys = DatabaseTest;
} // namespace

TEST(KeyParsing, OnlyWholeNumbersAboveZeroAreKeys)
{
    EXPECT_EQ(parseKey("7"), 7);
    EXPECT_EQ(parseKey(" 12 "), 12);
    // The last are digits of another script.
    for (const char *bad : {"", "0", "-3", "1 2", "12a", "1,5", "١٢"})
        EXPECT_FALSE(parseKey(QString::fromUtf8(bad))) << bad;
}

TEST_F(Keys, StoringRefusesMissingBadAndRepeatedKeys)
{
    exec("INSERT INTO Supplier (SupplierID, SupplierName) VALUES (1, 'Alt')");
    DataControl suppliers(QStringLiteral("Supplier"));
    ASSERT_TRUE(suppliers.refresh());
    QString error;
    const auto refusal = [&](const QString &id) {
        suppliers->setText("SupplierID", id);
        EXPECT_FALSE(storeKeyedRow(suppliers.recordset(), SupplierKey, &error)) << id.toStdString();
        return error;
    };

    suppliers->addNew();
    suppliers->setText("SupplierName", "Neu");
    EXPECT_EQ(refusal(""), "Bitte eine ID angeben. Es wurde nichts gespeichert.");
    EXPECT_TRUE(refusal("x1").startsWith("„x1“ ist keine gültige ID")) << error.toStdString();
    EXPECT_EQ(refusal("1"), "Die ID 1 ist bereits vergeben. Es wurde nichts gespeichert.");
    EXPECT_EQ(count("Supplier"), 1);
    // Nothing typed is lost: the row still waits with its values.
    EXPECT_TRUE(suppliers->isNewRow());
    EXPECT_EQ(suppliers->text("SupplierName"), "Neu");

    suppliers->setText("SupplierID", " 2 ");
    EXPECT_TRUE(storeKeyedRow(suppliers.recordset(), SupplierKey, &error)) << error.toStdString();
    EXPECT_EQ(scalar("SELECT SupplierName FROM Supplier WHERE SupplierID = 2").toString(), "Neu");

    // An existing row keeps its own key without clashing with itself, but
    // cannot take another row's.
    suppliers->moveFirst();
    suppliers->setText("SupplierName", "Alt 2");
    EXPECT_TRUE(storeKeyedRow(suppliers.recordset(), SupplierKey, &error)) << error.toStdString();
    refusal("2");
    EXPECT_EQ(scalar("SELECT SupplierName FROM Supplier WHERE SupplierID = 1").toString(), "Alt 2");
}
