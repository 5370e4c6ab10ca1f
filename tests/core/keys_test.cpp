#include <gtest/gtest.h>

#include "data/datacontrol.h"
#include "masterdata/keys.h"
#include "support/fixture.h"

// How keys are proposed and how a missing, bad or taken key is refused is
// shown through the editors.

using Keys = DatabaseTest;

TEST(KeyParsing, OnlyWholeNumbersAboveZeroAreKeys)
{
    EXPECT_EQ(parseKey("7"), 7);
    EXPECT_EQ(parseKey(" 12 "), 12);
    // The last are digits of another script.
    for (const char *bad : {"", "0", "-3", "1 2", "12a", "1,5", "١٢"})
        EXPECT_FALSE(parseKey(QString::fromUtf8(bad))) << bad;
}

TEST_F(Keys, AStoredRowKeepsItsOwnKeyButCannotTakeAnothers)
{
    exec("INSERT INTO Supplier (SupplierID, SupplierName) VALUES (1, 'Alt'), (2, 'Neu')");
    DataControl suppliers(QStringLiteral("Supplier"));
    ASSERT_TRUE(suppliers.refresh());
    const KeyColumn key{"Supplier", "SupplierID"};
    QString error;
    suppliers->moveFirst();
    suppliers->setText("SupplierName", "Alt 2");
    EXPECT_TRUE(storeKeyedRow(suppliers.recordset(), key, &error)) << error.toStdString();

    suppliers->setText("SupplierID", "2");
    EXPECT_FALSE(storeKeyedRow(suppliers.recordset(), key, &error));
    EXPECT_EQ(error, "Die ID 2 ist bereits vergeben. Es wurde nichts gespeichert.");
    EXPECT_EQ(scalar("SELECT group_concat(SupplierID || SupplierName) FROM Supplier").toString(), "1Alt 2,2Neu");
}
