#include <gtest/gtest.h>

#include "data/shopsettings.h"
#include "support/fixture.h"

using ShopSettingsTest = DatabaseTest;

TEST_F(ShopSettingsTest, TheFirstRowIsTheShopAndChangesShowAtTheNextRead)
{
    // A new database has the one empty row.
    auto shop = shopsettings::read(*m_db);
    ASSERT_TRUE(shop);
    EXPECT_EQ(shop->name, QString());
    EXPECT_EQ(shop->receiptFooter, QString());

    exec("UPDATE Settings SET cName = 'Pizzeria Süd', cAddress = 'Hauptstr. 5', cPlace = '12345 Köln',"
         " cPhone = '030 123', cFax = '030 124', ceMail = 'info@sued.de', cHomepage = 'sued.de',"
         " cstNr = '27/123/45678', custNr = 'DE123', cbnText = ?1, deZE = '192.168.178.1', voIPort = '1012'",
         {QStringLiteral("Vielen Dank!\r\nBis bald.")});
    // A second row added on the settings screen does not replace the shop.
    exec("INSERT INTO Settings (cName) VALUES ('Zweiter Eintrag')");
    shop = shopsettings::read(*m_db);
    ASSERT_TRUE(shop);
    const QStringList read = {shop->name,  shop->address,       shop->place,           shop->phone,
                              shop->fax,   shop->eMail,         shop->homepage,        shop->taxNumber,
                              shop->vatId, shop->receiptFooter, shop->callMonitorHost, shop->callMonitorPort};
    EXPECT_EQ(read,
              QStringList({"Pizzeria Süd", "Hauptstr. 5", "12345 Köln", "030 123", "030 124", "info@sued.de", "sued.de",
                           "27/123/45678", "DE123", "Vielen Dank!\r\nBis bald.", "192.168.178.1", "1012"}));

    // The database in use, read afresh each time.
    exec("UPDATE Settings SET cName = 'Pizzeria Nord' WHERE cName = 'Pizzeria Süd'");
    EXPECT_EQ(shopsettings::current().name, "Pizzeria Nord");

    // Without rows, or without a database, every value is empty.
    exec("DELETE FROM Settings");
    shop = shopsettings::read(*m_db);
    ASSERT_TRUE(shop);
    EXPECT_EQ(shop->name, QString());
    Database::setCurrent(nullptr);
    EXPECT_EQ(shopsettings::current().name, QString());
}

TEST_F(ShopSettingsTest, AnUnreadableRecordIsReportedAndPrintsAsEmpty)
{
    exec("UPDATE Settings SET cName = 'Pizzeria Süd'");
    exec("ALTER TABLE Settings RENAME TO Gone");
    EXPECT_FALSE(shopsettings::read(*m_db));
    EXPECT_FALSE(m_db->lastError().isEmpty());
    EXPECT_EQ(shopsettings::current().name, QString());
}
