#include <algorithm>
#include <functional>

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "platform/screens.h"
#include "shell/session.h"
#include "masterdata/frmcustomer.h"
#include "masterdata/frmproduct.h"
#include "platform/locale.h"
#include "till/frmsales.h"
#include "tilltest.h"

namespace {
class SalesScreenTest : public TillTest
{
protected:
    void addCategory(int id, const QString &name)
    {
        exec("INSERT INTO Category (CategoryID, Category) VALUES (?1, ?2)", {id, name});
    }

    // Three products of both rates, article numbers 1 to 3.
    void addWineCheeseAndJuice()
    {
        addProduct(1, "1", "Wein", "Getränke", "19", 1190);
        addProduct(2, "2", "Käse", "Feinkost", "7", 1070);
        addProduct(3, "3", "Saft", "Getränke", "19", 300);
    }

    static QStringList lineTexts(const FrmSales &sales, int row)
    {
        QStringList texts;
        for (int column = 0; column < FrmSales::ColumnCount; ++column)
            texts << sales.LvProduct->topLevelItem(row)->text(column);
        return texts;
    }

    // Article number, category, description, quantity, unit price, amount.
    static QStringList entryFields(const FrmSales &sales)
    {
        return {sales.cboNo->currentText(), sales.cboCategory->currentText(), sales.cboDescription->currentText(),
                sales.txtQty->text(),       sales.txtSalesPrice->text(),      sales.txtamount->text()};
    }

    // Total, full-rate and reduced-rate tax as shown.
    static QStringList sums(const FrmSales &sales)
    {
        return {sales.txttotal->text(), sales.mwst1->text(), sales.mwst2->text()};
    }

    static QStringList listEntries(const QComboBox *box)
    {
        QStringList entries;
        for (int i = 0; i < box->count(); ++i)
            entries << box->itemText(i);
        return entries;
    }

    static int shownButtons(const QList<QPushButton *> &buttons)
    {
        return static_cast<int>(std::count_if(buttons.begin(), buttons.end(), [](auto b) { return !b->isHidden(); }));
    }

    // Checks that `page` is the only page shown, with its number and the
    // paging buttons the cashier should see.
    static void expectPage(const QList<QFrame *> &frames, const QLineEdit *number, const QPushButton *back,
                           const QPushButton *next, int page, bool nextShown)
    {
        SCOPED_TRACE(page);
        EXPECT_EQ(number->text(), QString::number(page));
        for (int i = 0; i < frames.size(); ++i)
            EXPECT_EQ(frames[i]->isHidden(), i != page) << i;
        EXPECT_EQ(back->isHidden(), page == 0);
        EXPECT_EQ(next->isHidden(), !nextShown);
    }
    static void expectCategoryPage(const FrmSales &s, int page, bool nextShown)
    {
        expectPage(s.kategoryfrm, s.ktn_label, s.catNavBack, s.catNav, page, nextShown);
    }
    static void expectProductPage(const FrmSales &s, int page, bool nextShown)
    {
        expectPage(s.products, s.prd_label, s.prdNavBack, s.prdNav, page, nextShown);
    }

    // Opens "Kunden", renames the customer shown there (the next one, when
    // asked) and saves; closes the editor only when it moved on.
    void renameInCustomerEditor(FrmSales &sales, const QString &name, bool next)
    {
        work<FrmCustomer>(sales.btnCustomerE, [name, next](FrmCustomer &editor) {
            if (next)
                editor.findChild<QPushButton *>("cmdNext")->click();
            editor.cmdEdit->click();
            editor.txtName->selectAll();
            QTest::keyClicks(editor.txtName, name);
            editor.cmdSave->click();
            if (next)
                editor.cmdClose->click();
        });
    }

    static void doubleClickLine(FrmSales &sales, int row)
    {
        QTreeWidgetItem *line = sales.LvProduct->topLevelItem(row);
        sales.LvProduct->setCurrentItem(line);
        emit sales.LvProduct->itemDoubleClicked(line, 0);
    }
};
} // namespace

TEST_F(SalesScreenTest, LoadShowsShopDateCashierAndTheFirstCustomerAsEdited)
{
    exec("UPDATE Settings SET cName = 'Bäckerei Sonnenschein'");
    exec("INSERT INTO Customer (CustomerID, Customername) VALUES (1, 'Meier'), (2, 'Schulz')");
    session().CashierName = "ANNA";

    FrmSales &sales = frmSales();
    EXPECT_EQ(sales.txtcName->text(), "Bäckerei Sonnenschein");
    EXPECT_EQ(sales.txtCashier->text(), "ANNA");
    EXPECT_EQ(sales.lbldata->text(), de::shortDate(QDate::currentDate()));
    EXPECT_EQ(sales.DTDate->date(), QDate::currentDate());
    EXPECT_EQ(sales.txttotal->text(), "0.00");

    // The customer block shows the customer recordset's current row and
    // cannot be typed into.
    EXPECT_FALSE(sales.fraCustomer->isEnabled());
    EXPECT_EQ(sales.txtName->text(), "Meier");
    EXPECT_EQ(sales.Text1->text(), "1");

    // A customer corrected through "Kunden" shows corrected once the editor
    // closes, and stays the sale's customer.
    renameInCustomerEditor(sales, "Schulze", true);
    EXPECT_EQ(scalar("SELECT Customername FROM Customer WHERE CustomerID = 2").toString(), "Schulze");
    EXPECT_EQ(sales.txtName->text(), "Meier");
    renameInCustomerEditor(sales, "Meyer", false);
    EXPECT_EQ(sales.txtName->text(), "Meyer");
    EXPECT_EQ(sales.Text1->text(), "1");

    // "Ende" unloads the screen.
    sales.cmdClose->click();
    EXPECT_FALSE(screens().isLoaded<FrmSales>());
    processEvents();
}

// Categories fill pages of twenty buttons, a category's products pages of
// twenty-eight; both page alike.
TEST_F(SalesScreenTest, CategoryAndProductPages)
{
    for (const int categories : {0, 20, 21}) {
        SCOPED_TRACE(categories);
        exec("DELETE FROM Category");
        for (int i = 1; i <= categories; ++i)
            addCategory(i, QString("K%1").arg(i));
        screens().unloadAll();
        processEvents();
        FrmSales &sales = frmSales();

        EXPECT_EQ(shownButtons(sales.caButton), categories);
        EXPECT_EQ(sales.cboCategory->count(), categories + 1);
        EXPECT_EQ(sales.cboCategory->itemText(0), "Select!");
        EXPECT_EQ(sales.cboCategory->currentText(), "Wählen");
        expectCategoryPage(sales, 0, categories > 20);
    }
    // "Weiter" leads on to the last page, empty as the pages ahead are.
    FrmSales &sales = frmSales();
    EXPECT_EQ(sales.caButton[20]->text(), "K21");
    for (int page = 1; page <= 3; ++page) {
        sales.catNav->click();
        expectCategoryPage(sales, page, page < 3);
    }
    for (int page = 2; page >= 0; --page) {
        sales.catNavBack->click();
        expectCategoryPage(sales, page, true);
    }

    // The categories K1 to K6 hold these many products; the last, ids 111
    // to 223, more than there are buttons.
    const std::vector<int> sizes = {0, 26, 27, 28, 29, 113};
    int id = 1;
    for (std::size_t c = 0; c < sizes.size(); ++c)
        for (int i = 0; i < sizes[c]; ++i, ++id)
            addProduct(id, QString::number(1000 + id), QString("Artikel %1").arg(id), QString("K%1").arg(c + 1), "19",
                       100);
    for (std::size_t c = 0; c < 5; ++c) {
        SCOPED_TRACE(sizes[c]);
        sales.caButton[static_cast<int>(c)]->click();
        EXPECT_EQ(shownButtons(sales.proSellect), sizes[c]);
        // "Weiter" from the 27th product on, though a page holds 28.
        expectProductPage(sales, 0, sizes[c] >= 27);
    }

    // 28 products: "Weiter" leads to an empty page.
    sales.caButton[3]->click();
    sales.prdNav->click();
    expectProductPage(sales, 1, true);
    EXPECT_TRUE(sales.proSellect[28]->isHidden());

    // 29 products (ids 82 to 110): the 29th is on page 1.
    sales.caButton[4]->click();
    EXPECT_EQ(sales.proSellect[0]->text(), "82\nArtikel 82");
    EXPECT_EQ(sales.proSellect[28]->text(), "110\nArtikel 110");
    sales.prdNav->click();
    expectProductPage(sales, 1, true);
    EXPECT_FALSE(sales.proSellect[28]->isHidden());
    sales.prdNav->click();
    expectProductPage(sales, 2, true);

    // Another category starts again on its first page.
    sales.caButton[1]->click();
    expectProductPage(sales, 0, false);

    // The category's filter stays on the shared product recordset.
    Recordset &productRows = frmProduct().ADOProduct.recordset();
    EXPECT_TRUE(productRows.isFiltered());
    EXPECT_EQ(productRows.recordCount(), 26);

    // More products than buttons: every button shows one, in order, and the
    // recordset stands after the category's last product all the same.
    sales.caButton[5]->click();
    EXPECT_EQ(shownButtons(sales.proSellect), 112);
    EXPECT_EQ(sales.proSellect[111]->text(), "222\nArtikel 222");
    EXPECT_EQ(productRows.recordCount(), 113);
    EXPECT_TRUE(productRows.eof());
    expectProductPage(sales, 0, true);
}

TEST_F(SalesScreenTest, ProductButtonsAddLinesAndKeepTheRunningTotal)
{
    // An ampersand in a category name is part of the name.
    const QString bakery = "Brot & Kuchen";
    addCategory(1, bakery);
    addProduct(7, "A7", "Brot", bakery, "7", 250);
    addProduct(8, "A8", "Kaffee", bakery, "19", 119);
    addProduct(9, "A9", "Tüte", bakery, "0", 10);
    FrmSales &sales = frmSales();
    EXPECT_EQ(sales.caButton[0]->text(), "Brot && Kuchen");
    sales.caButton[0]->click();
    EXPECT_EQ(sales.proSellect[0]->text(), "7\nBrot");

    sales.proSellect[0]->click();
    sales.proSellect[1]->click();
    ASSERT_EQ(sales.LvProduct->topLevelItemCount(), 2);
    EXPECT_EQ(lineTexts(sales, 0), (QStringList{"7", bakery, "Brot", "1", "2,50", "2,50"}));
    // 2,50 × 7 ÷ 107 and 1,19 × 19 ÷ 119
    EXPECT_EQ(sums(sales), (QStringList{"3,69", "0,19", "0,16"}));

    // A product of another rate adds to the total but to neither tax sum.
    sales.proSellect[2]->click();
    EXPECT_EQ(sums(sales), (QStringList{"3,79", "0,19", "0,16"}));
    EXPECT_TRUE(m_dialogs->messages().empty());

    // The product recordset stays on the last product pressed.
    Recordset &productRows = frmProduct().ADOProduct.recordset();
    EXPECT_TRUE(productRows.isFiltered());
    EXPECT_EQ(productRows.recordCount(), 1);

    // A product that has gone since the buttons were filled adds nothing.
    exec("DELETE FROM Products WHERE ProductID = 8");
    frmProduct().ADOProduct.refresh();
    sales.proSellect[1]->click();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{"Artikel nicht gefunden!"});
    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 3);
}

TEST_F(SalesScreenTest, ATypedArticleNumberMakesALineWithOkOrEnter)
{
    addProduct(1, "1", "Salz", "Gewürze", "7", 100, 10, "500 g");
    addProduct(2, "12", "Pfeffer", "Gewürze", "19", 200, 10, "50 g");
    FrmSales &sales = frmSales();

    sales.ArtSelok->click();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{"Bitte Artikelnummer angeben"});
    EXPECT_EQ(m_dialogs->messages().back().buttons, 0);
    EXPECT_EQ(m_dialogs->messages().back().title, "TALVEX - LT - ISDN");

    QTest::keyClicks(sales.txtid, "12");
    EXPECT_EQ(listEntries(sales.cboNo), (QStringList{"1", "2"}));
    EXPECT_EQ(listEntries(sales.cboDescription), (QStringList{"Salz 500 g", "Pfeffer 50 g"}));
    EXPECT_EQ(entryFields(sales), (QStringList{"2", "Gewürze", "Pfeffer", "1", "2,00", "2,00"}));
    EXPECT_EQ(sales.txtmwst->text(), "19");

    // A quantity the order refuses adds nothing and stays for correction.
    sales.txtQty->setText("1.250");
    QTest::keyClick(sales.txtQty, Qt::Key_Return);
    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 0);
    EXPECT_TRUE(m_dialogs->messageTexts().last().contains("Menge „1.250“ ist ungültig"));
    EXPECT_EQ(sales.txtQty->text(), "1.250");
    // An amount too large for the till is refused, never wrapped round.
    sales.txtSalesPrice->setText("999.999.999.999.999,00");
    sales.txtQty->setText("9999");
    QTest::keyClick(sales.txtQty, Qt::Key_Return);
    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 0);
    EXPECT_TRUE(m_dialogs->messageTexts().last().contains("zu groß"));
    sales.txtSalesPrice->setText("2,00");

    // A fractional quantity, shown as typed; then the entry fields start afresh.
    sales.txtQty->setText("1,5");
    QTest::keyClick(sales.txtQty, Qt::Key_Return);
    ASSERT_EQ(sales.LvProduct->topLevelItemCount(), 1);
    EXPECT_EQ(lineTexts(sales, 0), (QStringList{"2", "Gewürze", "Pfeffer", "1,5", "2,00", "3,00"}));
    EXPECT_EQ(sums(sales), (QStringList{"3,00", "0,48", "0"}));
    EXPECT_EQ(entryFields(sales), (QStringList{QString(), " ", QString(), "1", "0.00", "0.00"}));
    EXPECT_EQ(sales.cboDescription->count(), 0);
    EXPECT_EQ(sales.cboNo->count(), 0);
    EXPECT_EQ(sales.focusWidget(), sales.cboCategory);
    // No parked order is open: nothing is written.
    EXPECT_EQ(count("Temp"), 0);
}

TEST_F(SalesScreenTest, OkAndEnterSellOnlyTheProductWhoseArticleNumberIsExactlyTheOneTyped)
{
    addProduct(1, "1", "Tiramisu", "Desserts", "7", 450);
    addProduct(2, "2001", "Coca-Cola", "Getränke", "19", 190, 10, "0,33 l");
    FrmSales &sales = frmSales();
    const std::vector<std::pair<const char *, std::function<void()>>> keys = {
        {"OK", [&] { sales.ArtSelok->click(); }}, {"Enter", [&] {
                                                       sales.txtQty->setText("2");
                                                       QTest::keyClick(sales.txtQty, Qt::Key_Return);
                                                   }}};

    // Typed key by key, a shorter number on the way fills the entry fields
    // ("1" for "1x", "2001" for "20013001"); that product is not the one named.
    for (const char *typed : {"1x", "1'", "1;2", "20013001", "2001x", "01", "+1", "1,0", "1.0", "1 ", " 1", "200"}) {
        for (const auto &[key, press] : keys) {
            SCOPED_TRACE(std::string(typed) + " " + key);
            sales.txtid->clear();
            QTest::keyClicks(sales.txtid, QString::fromUtf8(typed));
            press();
            EXPECT_EQ(m_dialogs->messageTexts(), QStringList{"Artikel nicht gefunden!"});
            EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 0);
            EXPECT_EQ(sales.txtid->text(), QString::fromUtf8(typed)) << "kept for correction";
            m_dialogs->clearRecords();
        }
    }

    // The number exactly: each key adds its line and empties the box, so
    // that the next number typed is not appended to the last.
    sales.txtid->clear();
    QTest::keyClicks(sales.txtid, "1");
    sales.txtQty->setText("2");
    QTest::keyClick(sales.txtQty, Qt::Key_Return);
    EXPECT_EQ(sales.txtid->text(), QString());
    QTest::keyClicks(sales.txtid, "2001");
    sales.txtQty->setText("3");
    QTest::keyClick(sales.txtQty, Qt::Key_Return);
    EXPECT_EQ(sales.txtid->text(), QString());
    QTest::keyClicks(sales.txtid, "1");
    sales.ArtSelok->click();
    EXPECT_EQ(sales.txtid->text(), QString());
    ASSERT_EQ(sales.LvProduct->topLevelItemCount(), 3);
    // 2 × 4,50 + 3 × 1,90 + 4,50
    EXPECT_EQ(sums(sales), (QStringList{"19,20", "0,91", "0,88"}));
    EXPECT_TRUE(m_dialogs->messages().empty());

    // A line taken back goes in again by Enter as it is, whatever the
    // article box was typed to before it was taken back.
    QTest::keyClicks(sales.txtid, "1x");
    sales.btnRemoveLast->click();
    QTest::keyClick(sales.txtQty, Qt::Key_Return);
    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 3);
    EXPECT_EQ(lineTexts(sales, 2), (QStringList{"1", "Desserts", "Tiramisu", "1", "4,50", "4,50"}));
    EXPECT_TRUE(m_dialogs->messages().empty());
}

TEST_F(SalesScreenTest, CategoryAndDescriptionListsMakeALine)
{
    addCategory(1, "Obst");
    addProduct(1, "11", "Apfel", "Obst", "7", 30, 10, "Stück");
    addProduct(2, "12", "Birne", "Obst", "7", 45, 10, "Stück");
    addProduct(3, "13", "Wurst", "Fleisch", "7", 300);
    FrmSales &sales = frmSales();

    sales.cboCategory->setCurrentIndex(1);
    emit sales.cboCategory->activated(1);
    EXPECT_EQ(listEntries(sales.cboDescription), (QStringList{"Apfel Stück", "Birne Stück"}));
    EXPECT_EQ(listEntries(sales.cboNo), (QStringList{"1", "2"}));

    sales.cboDescription->setCurrentIndex(1);
    emit sales.cboDescription->activated(1);
    EXPECT_EQ(sales.cboNo->currentText(), "2");
    EXPECT_EQ(sales.txtSalesPrice->text(), "0,45");
    QTest::keyClick(sales.cboDescription, Qt::Key_Return);
    EXPECT_EQ(sales.focusWidget(), sales.txtQty);
    sales.txtQty->setText("4");
    QTest::keyClick(sales.txtQty, Qt::Key_Return);

    ASSERT_EQ(sales.LvProduct->topLevelItemCount(), 1);
    EXPECT_EQ(lineTexts(sales, 0), (QStringList{"2", "Obst", "Birne Stück", "4", "0,45", "1,80"}));
    EXPECT_EQ(sales.mwst2->text(), "0,12");
}

TEST_F(SalesScreenTest, EachLineAddsItsTaxAndStornoOrADoubleClickTakesItBackByItsOwnRate)
{
    addWineCheeseAndJuice();
    FrmSales &sales = frmSales();
    sales.btnRemoveLast->click(); // nothing to take back
    EXPECT_EQ(sales.txttotal->text(), "0.00");

    sell(sales, "1");
    EXPECT_EQ(sums(sales), (QStringList{"11,90", "1,90", "0"}));
    sell(sales, "2");
    EXPECT_EQ(sums(sales), (QStringList{"22,60", "1,90", "0,70"}));
    // Lines of the same product stay separate lines.
    sell(sales, "2");
    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 3);
    // The cashier looks up a product of the other rate but does not add it.
    sales.txtid->setText("3");
    EXPECT_EQ(sales.txtmwst->text(), "19");

    sales.btnRemoveLast->click();
    EXPECT_EQ(sums(sales), (QStringList{"22,60", "1,90", "0,70"}));
    EXPECT_EQ(entryFields(sales), (QStringList{"2", "Feinkost", "Käse", "1", "10,70", "10,70"}));

    // Enter adds the line taken back again, with its own rate.
    sales.txtQty->setText("2");
    QTest::keyClick(sales.txtQty, Qt::Key_Return);
    EXPECT_EQ(sums(sales), (QStringList{"44,00", "1,90", "2,10"}));

    for (int line = 0; line < 3; ++line)
        sales.btnRemoveLast->click();
    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 0);
    EXPECT_EQ(sums(sales), (QStringList{"0,00", "0,00", "0,00"}));

    // A double click takes back the line clicked, also by its own rate.
    sell(sales, "1");
    sell(sales, "3");
    sell(sales, "2");
    EXPECT_EQ(sums(sales), (QStringList{"25,60", "2,38", "0,70"}));
    doubleClickLine(sales, 0);
    ASSERT_EQ(sales.LvProduct->topLevelItemCount(), 2);
    EXPECT_EQ(lineTexts(sales, 0)[FrmSales::ColProductId], "3");
    EXPECT_EQ(lineTexts(sales, 1)[FrmSales::ColProductId], "2");
    EXPECT_EQ(entryFields(sales), (QStringList{"1", "Getränke", "Wein", "1", "11,90", "11,90"}));
    EXPECT_EQ(sums(sales), (QStringList{"13,70", "0,48", "0,70"}));
    EXPECT_TRUE(m_dialogs->messages().empty());
}

TEST_F(SalesScreenTest, ParkedOrderRowsFollowTheLines)
{
    addProduct(1, "1", "Brot", "Backwaren", "7", 214);
    session().TmpNo = 5;
    session().CashierName = "ANNA";
    FrmSales &sales = frmSales();

    sell(sales, "1", "1,5");
    ASSERT_EQ(count("Temp"), 1);
    EXPECT_EQ(scalar(QString("SELECT tmpno || '|' || productid || '|' || Qty || '|' || Price || '|' ||"
                             " extprice || '|' || \"Desc\" || '|' || Cashier FROM Temp"))
                  .toString(),
              "5|1|1.5|214|321|Brot|ANNA");

    doubleClickLine(sales, 0);
    EXPECT_EQ(count("Temp"), 0);
    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 0);
}
