#include <gtest/gtest.h>

#include "data/datacontrol.h"
#include "masterdata/productstore.h"
#include "support/fixture.h"

namespace {
class ProductStore : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        exec("INSERT INTO Supplier (SupplierID, SupplierName) VALUES (3, 'Metro')");
        ASSERT_TRUE(products.refresh());
    }

    static ProductFields milk()
    {
        return {"4711", "Milch", "3", "Getränke", "Alpi", "1 l", "12", "7", "0,79", "1.234,50"};
    }
    bool store(const QString &id, const ProductFields &fields)
    {
        return storeNewProduct(products.recordset(), id, fields, &error);
    }

    DataControl products{QStringLiteral("Products")};
    QString error;
};
} // namespace

TEST_F(ProductStore, StoresEveryBoxAsTypedTheShopsWay)
{
    ASSERT_TRUE(store("1", milk())) << error.toStdString();
    EXPECT_EQ(scalar("SELECT ProductID || '|' || ArtNr || '|' || SupplierID || '|' || Quantity || '|' || Mwst || '|' ||"
                     " typeof(Mwst) || '|' || OrderPrice || '|' || SalesPrice FROM Products")
                  .toString(),
              "1|4711|3|12|7|text|79|123450");

    // What the editor shows again is what was typed, in the shop's format.
    products->moveFirst();
    const ProductFields shown = currentProduct(products.recordset());
    EXPECT_EQ(shown.OrderPrice + '|' + shown.SalesPrice + '|' + shown.Mwst + '|' + shown.Category,
              "0,79|1.234,50|7|Getränke");
}

TEST_F(ProductStore, ARefusedProductLeavesNothingBehind)
{
    ProductFields bad = milk();
    bad.Quantity = "zwölf";
    EXPECT_FALSE(store("1", bad));
    EXPECT_EQ(error,
              "Anzahl: „zwölf“ ist keine gültige Menge: bitte mit Komma, höchstens drei Nachkommastellen und ohne "
              "Tausenderpunkt, z. B. 12 oder 2,5. Es wurde nichts gespeichert.");
    EXPECT_EQ(count("Products"), 0);
    EXPECT_EQ(products->recordCount(), 0);

    ASSERT_TRUE(store("1", milk()));
    EXPECT_FALSE(store("1", milk()));
    EXPECT_EQ(error, "Die ID 1 ist bereits vergeben. Es wurde nichts gespeichert.");

    // The database's own refusal is reported the same way.
    exec("CREATE TRIGGER full BEFORE INSERT ON Products BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    EXPECT_FALSE(store("2", milk()));
    EXPECT_EQ(count("Products"), 1);
    EXPECT_EQ(products->recordCount(), 1);
}

TEST_F(ProductStore, KnowsWhichProductsWereSold)
{
    exec("INSERT INTO SalesDetails (salesid, productid, quantity, salesprice) VALUES (1, 2, 1, 100)");
    EXPECT_TRUE(productWasSold(2));
    EXPECT_FALSE(productWasSold(1));
}
