#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/screens.h"
#include "masterdata/frmproductdelivery.h"
#include "masterdata/frmproductupdate.h"
#include "support/fixture.h"

namespace {
class StockList : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        exec("INSERT INTO Products (ProductID, Category, Description, Size, Quantity, OrderPrice, SalesPrice)"
             " VALUES (1, 'Pizza', 'Margherita', '30cm', 12, 123450, 250)");
        exec("INSERT INTO Products (ProductID, Category, Description, Size, Quantity, OrderPrice, SalesPrice)"
             " VALUES (2, 'Getränke', 'Cola', '0,33l', 3, 45, 190)");
        exec("INSERT INTO Products (ProductID, Category, Description, Size, Quantity, OrderPrice, SalesPrice)"
             " VALUES (12, 'Pizza', 'Salami', '26cm', 0, 100, 700)");
        exec("INSERT INTO Deliveries VALUES (1, 1, 4, 123450, '2026-01-05')");
        exec("INSERT INTO Deliveries VALUES (2, 1, 6, 123450, '2026-01-09')");
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

    void search(FrmProductUpdate &list, const QString &text)
    {
        list.txtSearch->setText(text);
        list.btnSearch->click();
    }

    // What the booking screen's boxes held when it was shown.
    struct Handed
    {
        QString no, description, quantity, order, sales;
    };
    void expectHandOver()
    {
        auto handed = std::make_shared<Handed>();
        m_handed = handed;
        m_dialogs->onModal([handed](QDialog *window) {
            auto &booking = *static_cast<FrmProductDelivery *>(window);
            *handed = {booking.txtNo->text(), booking.txtDescription->text(), booking.txtQuantity->text(),
                       booking.txtorder->text(), booking.txtsales->text()};
            return 0;
        });
    }
    std::shared_ptr<Handed> m_handed;
};
} // namespace

TEST_F(StockList, ListsEveryProductWithItsStockAndGermanPrices)
{
    FrmProductUpdate &list = frmProductUpdate();
    EXPECT_EQ(list.objectName(), "frmProductUpdate");
    EXPECT_EQ(list.windowTitle(), "Update Product");
    EXPECT_EQ(lineTexts(list.LvProduct->headerItem()),
              QStringList({"#", "Kategory", "Beschreibung", "Größe", "Best.", "Vorh.", "Verk.", "EK", "VK"}));

    ASSERT_EQ(list.LvProduct->topLevelItemCount(), 3);
    // Delivered 4 + 6, on hand 12, sold 2; prices grouped with two decimals.
    EXPECT_EQ(lineTexts(list.LvProduct->topLevelItem(0)),
              QStringList({"1", "Pizza", "Margherita", "30cm", "10", "12", "2", "1.234,50", "2,50"}));
    EXPECT_EQ(lineTexts(list.LvProduct->topLevelItem(1)),
              QStringList({"2", "Getränke", "Cola", "0,33l", "0", "3", "0", "0,45", "1,90"}));
    EXPECT_EQ(listedIds(list), QStringList({"1", "2", "12"}));

    const QTreeWidgetItem *line = list.LvProduct->topLevelItem(0);
    EXPECT_TRUE(line->textAlignment(0) & Qt::AlignLeft);
    EXPECT_TRUE(line->textAlignment(5) & Qt::AlignHCenter);
    EXPECT_TRUE(line->textAlignment(7) & Qt::AlignRight);
    EXPECT_TRUE(list.ADOProductInventory->eof()) << "the list is filled to the recordset's end";
}

TEST_F(StockList, SearchShowsOnlyTheProductWithThatId)
{
    FrmProductUpdate &list = frmProductUpdate();
    search(list, "12");
    EXPECT_EQ(listedIds(list), QStringList({"12"})) << "the id is compared whole, 1 and 2 do not match";
    search(list, "2");
    EXPECT_EQ(listedIds(list), QStringList({"2"})) << "a new search replaces the old one";
    search(list, "99");
    EXPECT_EQ(list.LvProduct->topLevelItemCount(), 0);
    search(list, "");
    EXPECT_EQ(list.LvProduct->topLevelItemCount(), 0) << "an empty search matches no id";
    search(list, "1' or '1'='1");
    EXPECT_EQ(list.LvProduct->topLevelItemCount(), 0) << "a quote in the search is just text";
}

TEST_F(StockList, SelectAndDoubleClickHandTheLineToTheBooking)
{
    FrmProductUpdate &list = frmProductUpdate();
    list.show();
    list.LvProduct->setCurrentItem(list.LvProduct->topLevelItem(0));
    expectHandOver();
    list.btnSelect->click();
    EXPECT_EQ(m_dialogs->shownWindows(), QStringList({"frmProductDelivery"}));
    EXPECT_EQ(m_handed->no, "1");
    EXPECT_EQ(m_handed->description, "Margherita");
    EXPECT_EQ(m_handed->quantity, "0");
    EXPECT_EQ(m_handed->order, "1.234,50");
    EXPECT_EQ(m_handed->sales, "2,50");

    // The booking screen is left open by the scripted answer; a real user
    // would have closed it, which unloads it.
    frmProductDelivery().btnCancel->click();
    processEvents();

    QTreeWidgetItem *cola = list.LvProduct->topLevelItem(1);
    expectHandOver();
    const QRect rect = list.LvProduct->visualItemRect(cola);
    // A double click is a click followed by a double-click event on the same line.
    QTest::mouseClick(list.LvProduct->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list.LvProduct->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(m_dialogs->shownWindows().size(), 2);
    EXPECT_EQ(m_handed->no, "2");
    EXPECT_EQ(m_handed->description, "Cola");
    EXPECT_EQ(m_handed->order, "0,45");
    EXPECT_EQ(m_handed->sales, "1,90");
}

TEST_F(StockList, ChoosingWithoutALineOpensAnEmptyBooking)
{
    FrmProductUpdate &list = frmProductUpdate();
    search(list, "99");
    expectHandOver();
    list.btnSelect->click();
    EXPECT_EQ(m_dialogs->shownWindows(), QStringList({"frmProductDelivery"}));
    EXPECT_EQ(m_handed->no, "");
    EXPECT_EQ(m_handed->description, "");
    EXPECT_EQ(m_handed->quantity, "0");
    EXPECT_EQ(m_handed->order, "");
}

TEST_F(StockList, EndeUnloadsAndTheNextOpeningShowsEverythingAgain)
{
    search(frmProductUpdate(), "2");
    frmProductUpdate().btnClose->click();
    processEvents();
    EXPECT_FALSE(screens().isLoaded<FrmProductUpdate>());
    EXPECT_EQ(listedIds(frmProductUpdate()), QStringList({"1", "2", "12"}));
}
