#include <gtest/gtest.h>

#include "app/screens.h"
#include "masterdata/frmproductdelivery.h"
#include "masterdata/frmproductupdate.h"
#include "editortest.h"

namespace {
class StockList : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        exec("INSERT INTO Products (ProductID, Category, Description, Size, Quantity, OrderPrice, SalesPrice) VALUES"
             " (1, 'Pizza', 'Margherita', '30cm', 12, 123450, 250), (2, 'Getränke', 'Cola', '0,33l', 3, 45, 190),"
             " (12, 'Pizza', 'Salami', '26cm', 0, 100, 700)");
        exec("INSERT INTO Deliveries VALUES (1, 1, 4, 123450, '2026-01-05'), (2, 1, 6, 123450, '2026-01-09')");
        exec("INSERT INTO SalesDetails VALUES (1, 1, 2, 250)");
    }

    static QStringList lineTexts(const QTreeWidgetItem *line)
    {
        QStringList texts;
        for (int column = 0; column < line->columnCount(); ++column)
            texts << line->text(column);
        return texts;
    }

    static QStringList listedIds(FrmProductUpdate &list)
    {
        QStringList ids;
        for (int i = 0; i < list.LvProduct->topLevelItemCount(); ++i)
            ids << list.LvProduct->topLevelItem(i)->text(0);
        return ids;
    }

    static QStringList search(FrmProductUpdate &list, const QString &text)
    {
        list.txtSearch->setText(text);
        list.btnSearch->click();
        return listedIds(list);
    }

    // The next booking screen shown records what its boxes held: id,
    // description, quantity, order and sales price.
    void recordHandOver()
    {
        m_dialogs->onModal([handed = m_handed](QDialog *window) {
            auto &booking = *static_cast<FrmProductDelivery *>(window);
            *handed = {booking.txtNo->text(), booking.txtDescription->text(), booking.txtQuantity->text(),
                       booking.txtorder->text(), booking.txtsales->text()};
            return 0;
        });
    }
    std::shared_ptr<QStringList> m_handed = std::make_shared<QStringList>();
};
} // namespace

TEST_F(StockList, ListsEveryProductWithItsStockAndGermanPrices)
{
    FrmProductUpdate &list = frmProductUpdate();
    EXPECT_EQ(list.windowTitle(), "Update Product");
    EXPECT_EQ(lineTexts(list.LvProduct->headerItem()),
              QStringList({"#", "Kategory", "Beschreibung", "Größe", "Best.", "Vorh.", "Verk.", "EK", "VK"}));

    ASSERT_EQ(listedIds(list), QStringList({"1", "2", "12"}));
    // Delivered 4 + 6, on hand 12, sold 2; prices grouped with two decimals.
    EXPECT_EQ(lineTexts(list.LvProduct->topLevelItem(0)),
              QStringList({"1", "Pizza", "Margherita", "30cm", "10", "12", "2", "1.234,50", "2,50"}));
    EXPECT_EQ(lineTexts(list.LvProduct->topLevelItem(1)),
              QStringList({"2", "Getränke", "Cola", "0,33l", "0", "3", "0", "0,45", "1,90"}));

    const QTreeWidgetItem *line = list.LvProduct->topLevelItem(0);
    EXPECT_TRUE(line->textAlignment(0) & Qt::AlignLeft);
    EXPECT_TRUE(line->textAlignment(5) & Qt::AlignHCenter);
    EXPECT_TRUE(line->textAlignment(7) & Qt::AlignRight);
    EXPECT_TRUE(list.ADOProductInventory->eof()) << "the list is filled to the recordset's end";
}

TEST_F(StockList, SearchShowsOnlyTheProductWithThatIdUntilEnde)
{
    FrmProductUpdate &list = frmProductUpdate();
    EXPECT_EQ(search(list, "12"), QStringList{"12"}) << "the id is compared whole, 1 and 2 do not match";
    EXPECT_EQ(search(list, "2"), QStringList{"2"}) << "a new search replaces the old one";
    EXPECT_EQ(search(list, "99"), QStringList());
    EXPECT_EQ(search(list, ""), QStringList()) << "an empty search matches no id";
    EXPECT_EQ(search(list, "1' or '1'='1"), QStringList()) << "a quote in the search is just text";

    // The search stays until "Ende" unloads the screen; the next opening shows everything again.
    list.btnClose->click();
    processEvents();
    EXPECT_FALSE(screens().isLoaded<FrmProductUpdate>());
    EXPECT_EQ(listedIds(frmProductUpdate()), QStringList({"1", "2", "12"}));
}

TEST_F(StockList, SelectAndDoubleClickHandTheLineToTheBookingEvenWithoutALine)
{
    FrmProductUpdate &list = shown(frmProductUpdate());
    list.LvProduct->setCurrentItem(list.LvProduct->topLevelItem(0));
    recordHandOver();
    list.btnSelect->click();
    EXPECT_EQ(m_dialogs->shownWindows(), QStringList{"frmProductDelivery"});
    EXPECT_EQ(*m_handed, QStringList({"1", "Margherita", "0", "1.234,50", "2,50"}));

    // The booking screen is left open by the scripted answer; a real user
    // would have closed it, which unloads it.
    frmProductDelivery().btnCancel->click();
    processEvents();

    recordHandOver();
    clickLine(list.LvProduct, 1, true);
    EXPECT_EQ(m_dialogs->shownWindows().size(), 2);
    EXPECT_EQ(*m_handed, QStringList({"2", "Cola", "0", "0,45", "1,90"}));
    frmProductDelivery().btnCancel->click();
    processEvents();

    // Without a line, "Wählen" still opens the booking, empty but for the quantity.
    search(list, "99");
    recordHandOver();
    list.btnSelect->click();
    EXPECT_EQ(m_dialogs->shownWindows().size(), 3);
    EXPECT_EQ(*m_handed, QStringList({"", "", "0", "", ""}));
}
