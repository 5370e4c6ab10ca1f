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
        ASSERT_TRUE(products.refresh());
    }

    static ProductFields milk()
    {
        return {QStringLiteral("4711"), QStringLiteral("Milch"),   QStringLiteral("3"),  QStringLiteral("Getränke"),
                QStringLiteral("Alpi"), QStringLiteral("1 l"),     QStringLiteral("12"), QStringLiteral("7"),
                QStringLiteral("0,79"), QStringLiteral("1.234,50")};
    }

    DataControl products{QStringLiteral("Products")};
};
} // namespace

TEST_F(ProductStore, StoresEveryBoxAsTypedTheShopsWay)
{
    QString error;
    ASSERT_TRUE(storeNewProduct(products.recordset(), QStringLiteral("1"), milk(), &error)) << error.toStdString();
    const auto row = m_db->select(QStringLiteral("SELECT ProductID, ArtNr, SupplierID, Quantity, Mwst, OrderPrice,"
                                                 " SalesPrice, typeof(Mwst) FROM Products"));
    ASSERT_TRUE(row && row->values.size() == 1);
    const auto &values = row->values.front();
    EXPECT_EQ(values[0].toLongLong(), 1);
    EXPECT_EQ(values[1].toString(), QStringLiteral("4711"));
    EXPECT_EQ(values[2].toLongLong(), 3);
    EXPECT_EQ(values[3].toLongLong(), 12);
    EXPECT_EQ(values[4].toString(), QStringLiteral("7"));
    EXPECT_EQ(values[5].toLongLong(), 79);
    EXPECT_EQ(values[6].toLongLong(), 123450);
    EXPECT_EQ(values[7].toString(), QStringLiteral("text"));

    // What the editor shows again is what was typed, in the shop's format.
    products->moveFirst();
    const ProductFields shown = currentProduct(products.recordset());
    EXPECT_EQ(shown.OrderPrice, QStringLiteral("0,79"));
    EXPECT_EQ(shown.SalesPrice, QStringLiteral("1.234,50"));
    EXPECT_EQ(shown.Mwst, QStringLiteral("7"));
    EXPECT_EQ(shown.Category, QStringLiteral("Getränke"));
}

TEST_F(ProductStore, ARefusedProductLeavesNothingBehind)
{
    QString error;
    ProductFields bad = milk();
    bad.Quantity = QStringLiteral("zwölf");
    EXPECT_FALSE(storeNewProduct(products.recordset(), QStringLiteral("1"), bad, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(count(QStringLiteral("Products")), 0);
    EXPECT_EQ(products->recordCount(), 0);

    ASSERT_TRUE(storeNewProduct(products.recordset(), QStringLiteral("1"), milk(), &error));
    EXPECT_FALSE(storeNewProduct(products.recordset(), QStringLiteral("1"), milk(), &error));
    EXPECT_EQ(error, QStringLiteral("Die ID 1 ist bereits vergeben. Es wurde nichts gespeichert."));

    // The database's own refusal is reported the same way.
    exec(QStringLiteral("CREATE TRIGGER full BEFORE INSERT ON Products BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    EXPECT_FALSE(storeNewProduct(products.recordset(), QStringLiteral("2"), milk(), &error));
    EXPECT_EQ(count(QStringLiteral("Products")), 1);
    EXPECT_EQ(products->recordCount(), 1);
}

TEST_F(ProductStore, UpdateWritesIntoTheNamedProductOnly)
{
    QString error;
    ASSERT_TRUE(storeNewProduct(products.recordset(), QStringLiteral("1"), milk(), &error));
    ProductFields bread = milk();
    bread.ArtNr = QStringLiteral("1000");
    bread.Description = QStringLiteral("Brot");
    ASSERT_TRUE(storeNewProduct(products.recordset(), QStringLiteral("2"), bread, &error));
    products.refresh();

    bread.SalesPrice = QStringLiteral("2,49");
    bread.Mwst = QStringLiteral("19");
    products->moveFirst(); // standing on the milk must not matter
    ASSERT_TRUE(updateProduct(products.recordset(), 2, bread, &error)) << error.toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT SalesPrice FROM Products WHERE ProductID = 2")).toLongLong(), 249);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Mwst FROM Products WHERE ProductID = 2")).toString(), QStringLiteral("19"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT SalesPrice FROM Products WHERE ProductID = 1")).toLongLong(), 123450);

    bread.OrderPrice = QStringLiteral("billig");
    EXPECT_FALSE(updateProduct(products.recordset(), 2, bread, &error));
    EXPECT_EQ(scalar(QStringLiteral("SELECT SalesPrice FROM Products WHERE ProductID = 2")).toLongLong(), 249);
    EXPECT_FALSE(updateProduct(products.recordset(), 9, milk(), &error));
    EXPECT_EQ(error, QStringLiteral("Den Artikel 9 gibt es nicht mehr. Es wurde nichts gespeichert."));
}

TEST_F(ProductStore, KnowsWhichProductsWereSold)
{
    exec(QStringLiteral("INSERT INTO SalesDetails (salesid, productid, quantity, salesprice) VALUES (1, 2, 1, 100)"));
    EXPECT_TRUE(productWasSold(2));
    EXPECT_FALSE(productWasSold(1));
}
