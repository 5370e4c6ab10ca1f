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

#include "app/screens.h"
#include "app/session.h"
#include "masterdata/frmproduct.h"
#include "platform/locale.h"
#include "support/fixture.h"
#include "till/frmsales.h"
#include "till/ui/pagedbuttongrid.h"

namespace {
class SalesScreenTest : public DatabaseTest
{
protected:
    void addCategory(int id, const QString &name)
    {
        exec(QStringLiteral("INSERT INTO Category (CategoryID, Category) VALUES (?1, ?2)"), {id, name});
    }

    void addProduct(int id, const QString &articleNumber, const QString &description, const QString &category,
                    const QString &taxRate, qint64 priceCents, const QString &size = QStringLiteral("1 kg"))
    {
        exec(QStringLiteral("INSERT INTO Products (ProductID, ArtNr, Description, Category, Mwst, SalesPrice, Size)"
                            " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"),
             {id, articleNumber, description, category, taxRate, priceCents, size});
    }

    // Types an article number and presses "OK".
    void sell(FrmSales &sales, const QString &articleNumber)
    {
        sales.txtid->setText(articleNumber);
        sales.ArtSelok->click();
    }

    static QStringList lineTexts(const FrmSales &sales, int row)
    {
        QStringList texts;
        const QTreeWidgetItem *item = sales.LvProduct->topLevelItem(row);
        for (int column = 0; column < 6; ++column)
            texts << item->text(column);
        return texts;
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
        int shown = 0;
        for (const QPushButton *button : buttons)
            shown += button->isHidden() ? 0 : 1;
        return shown;
    }

    // Unloads every screen, so that the next access loads them from the rows
    // the test has just written.
    void reloadScreens()
    {
        screens().unloadAll();
        processEvents();
    }
};
} // namespace

TEST_F(SalesScreenTest, LoadShowsShopDateCashierAndTheFirstCustomer)
{
    exec(QStringLiteral("UPDATE Settings SET cName = 'Bäckerei Sonnenschein'"));
    exec(QStringLiteral("INSERT INTO Customer (CustomerID, Customername) VALUES (1, 'Meier')"));
    exec(QStringLiteral("INSERT INTO Customer (CustomerID, Customername) VALUES (2, 'Schulz')"));
    session().CashierName = QStringLiteral("ANNA");

    FrmSales &sales = frmSales();
    EXPECT_EQ(sales.objectName(), QStringLiteral("frmSales"));
    EXPECT_EQ(sales.windowTitle(), QStringLiteral("Create Bill"));
    EXPECT_EQ(sales.txtcName->text(), QStringLiteral("Bäckerei Sonnenschein"));
    EXPECT_EQ(sales.txtCashier->text(), QStringLiteral("ANNA"));
    EXPECT_EQ(sales.lbldata->text(), de::shortDate(QDate::currentDate()));
    EXPECT_EQ(sales.DTDate->date(), QDate::currentDate());
    EXPECT_TRUE(sales.DTDate->isHidden());
    EXPECT_EQ(sales.txttotal->text(), QStringLiteral("0.00"));
    EXPECT_TRUE(sales.mwst1->isHidden());
    EXPECT_TRUE(sales.txtmwst->isHidden());

    // The customer block shows the customer recordset's current row and
    // cannot be typed into.
    EXPECT_FALSE(sales.fraCustomer->isEnabled());
    EXPECT_EQ(sales.txtName->text(), QStringLiteral("Meier"));
    EXPECT_EQ(sales.Text1->text(), QStringLiteral("1"));
    sales.ADOCustomer->moveNext();
    EXPECT_EQ(sales.txtName->text(), QStringLiteral("Schulz"));

    sales.showClock(QTime(9, 5, 7));
    EXPECT_EQ(sales.stsTime->text(), QStringLiteral("09:05:07"));
}

TEST_F(SalesScreenTest, CategoryPagesHoldTwentyButtonsEach)
{
    for (const int categories : {0, 20, 21}) {
        SCOPED_TRACE(categories);
        exec(QStringLiteral("DELETE FROM Category"));
        for (int i = 1; i <= categories; ++i)
            addCategory(i, QStringLiteral("Kategorie %1").arg(i));
        reloadScreens();
        FrmSales &sales = frmSales();

        EXPECT_EQ(shownButtons(sales.caButton), categories);
        EXPECT_EQ(sales.cboCategory->count(), categories + 1);
        EXPECT_EQ(sales.cboCategory->itemText(0), QStringLiteral("Select!"));
        EXPECT_EQ(sales.cboCategory->currentText(), QStringLiteral("Wählen"));
        EXPECT_EQ(sales.ktn_label->text(), QStringLiteral("0"));
        EXPECT_TRUE(sales.catNavBack->isHidden());
        EXPECT_EQ(sales.catNav->isHidden(), categories <= 20);
        if (categories > 0) {
            EXPECT_EQ(sales.caButton[categories - 1]->text(), QStringLiteral("Kategorie %1").arg(categories));
        }
    }

    FrmSales &sales = frmSales();
    EXPECT_EQ(sales.caButton[20]->text(), QStringLiteral("Kategorie 21"));
    EXPECT_TRUE(sales.kategoryfrm[1]->isHidden());
    sales.catNav->click();
    EXPECT_FALSE(sales.kategoryfrm[1]->isHidden());
    EXPECT_TRUE(sales.kategoryfrm[0]->isHidden());
    EXPECT_FALSE(sales.catNavBack->isHidden());
    // "Weiter" leads on to the last page, empty as the pages ahead are.
    sales.catNav->click();
    sales.catNav->click();
    EXPECT_EQ(sales.ktn_label->text(), QStringLiteral("3"));
    EXPECT_FALSE(sales.kategoryfrm[3]->isHidden());
    EXPECT_TRUE(sales.catNav->isHidden());
    sales.catNavBack->click();
    EXPECT_EQ(sales.ktn_label->text(), QStringLiteral("2"));
    EXPECT_FALSE(sales.kategoryfrm[2]->isHidden());
    EXPECT_FALSE(sales.catNav->isHidden());
    EXPECT_FALSE(sales.catNavBack->isHidden());
    sales.catNavBack->click();
    sales.catNavBack->click();
    EXPECT_EQ(sales.ktn_label->text(), QStringLiteral("0"));
    EXPECT_FALSE(sales.kategoryfrm[0]->isHidden());
    EXPECT_TRUE(sales.catNavBack->isHidden());
    EXPECT_FALSE(sales.catNav->isHidden());
}

TEST_F(SalesScreenTest, ProductPagesHoldTwentyEightButtonsEach)
{
    const std::vector<int> sizes = {0, 26, 27, 28, 29};
    int id = 1;
    for (std::size_t c = 0; c < sizes.size(); ++c) {
        addCategory(static_cast<int>(c) + 1, QStringLiteral("K%1").arg(sizes[c]));
        for (int i = 0; i < sizes[c]; ++i, ++id)
            addProduct(id, QString::number(1000 + id), QStringLiteral("Artikel %1").arg(id),
                       QStringLiteral("K%1").arg(sizes[c]), QStringLiteral("19"), 100);
    }
    FrmSales &sales = frmSales();

    for (std::size_t c = 0; c < sizes.size(); ++c) {
        SCOPED_TRACE(sizes[c]);
        sales.caButton[static_cast<int>(c)]->click();
        EXPECT_EQ(shownButtons(sales.proSellect), sizes[c]);
        EXPECT_EQ(sales.prd_label->text(), QStringLiteral("0"));
        EXPECT_FALSE(sales.products[0]->isHidden());
        EXPECT_TRUE(sales.prdNavBack->isHidden());
        // "Weiter" from the 27th product on, though a page holds 28.
        EXPECT_EQ(sales.prdNav->isHidden(), sizes[c] < 27);
    }

    // 28 products: "Weiter" leads to an empty page.
    sales.caButton[3]->click();
    sales.prdNav->click();
    EXPECT_FALSE(sales.products[1]->isHidden());
    EXPECT_TRUE(sales.proSellect[28]->isHidden());

    // 29 products (ids 82 to 110): the 29th is on page 1.
    sales.caButton[4]->click();
    EXPECT_EQ(sales.proSellect[0]->text(), QStringLiteral("82\nArtikel 82"));
    EXPECT_EQ(sales.proSellect[28]->text(), QStringLiteral("110\nArtikel 110"));
    sales.prdNav->click();
    EXPECT_EQ(sales.prd_label->text(), QStringLiteral("1"));
    EXPECT_FALSE(sales.products[1]->isHidden());
    EXPECT_FALSE(sales.proSellect[28]->isHidden());
    EXPECT_FALSE(sales.prdNavBack->isHidden());
    EXPECT_FALSE(sales.prdNav->isHidden());
    sales.prdNav->click();
    EXPECT_EQ(sales.prd_label->text(), QStringLiteral("2"));

    // Another category starts again on its first page.
    sales.caButton[1]->click();
    EXPECT_EQ(sales.prd_label->text(), QStringLiteral("0"));
    EXPECT_FALSE(sales.products[0]->isHidden());
    EXPECT_TRUE(sales.products[2]->isHidden());
    EXPECT_TRUE(sales.prdNavBack->isHidden());
    EXPECT_TRUE(sales.prdNav->isHidden());

    // The category's filter stays on the shared product recordset.
    Recordset &productRows = frmProduct().ADOProduct.recordset();
    EXPECT_TRUE(productRows.isFiltered());
    EXPECT_EQ(productRows.recordCount(), 26);
}

TEST_F(SalesScreenTest, ProductButtonsAddLinesAndKeepTheRunningTotal)
{
    // An ampersand in a category name is part of the name.
    const QString bakery = QStringLiteral("Brot & Kuchen");
    addCategory(1, bakery);
    addProduct(7, QStringLiteral("A7"), QStringLiteral("Brot"), bakery, QStringLiteral("7"), 250);
    addProduct(8, QStringLiteral("A8"), QStringLiteral("Kaffee"), bakery, QStringLiteral("19"), 119);
    addProduct(9, QStringLiteral("A9"), QStringLiteral("Tüte"), bakery, QStringLiteral("0"), 10);
    FrmSales &sales = frmSales();
    EXPECT_EQ(sales.caButton[0]->text(), QStringLiteral("Brot && Kuchen"));
    sales.caButton[0]->click();
    EXPECT_EQ(sales.proSellect[0]->text(), QStringLiteral("7\nBrot"));

    sales.proSellect[0]->click();
    sales.proSellect[1]->click();
    ASSERT_EQ(sales.LvProduct->topLevelItemCount(), 2);
    EXPECT_EQ(lineTexts(sales, 0), (QStringList{QStringLiteral("7"), bakery, QStringLiteral("Brot"),
                                                QStringLiteral("1"), QStringLiteral("2,50"), QStringLiteral("2,50")}));
    EXPECT_EQ(sales.txttotal->text(), QStringLiteral("3,69"));
    EXPECT_EQ(sales.mwst2->text(), QStringLiteral("0,16")); // 2,50 × 7 ÷ 107
    EXPECT_EQ(sales.mwst1->text(), QStringLiteral("0,19")); // 1,19 × 19 ÷ 119

    // A product of another rate adds to the total but to neither tax sum.
    sales.proSellect[2]->click();
    EXPECT_EQ(sales.txttotal->text(), QStringLiteral("3,79"));
    EXPECT_EQ(sales.mwst1->text(), QStringLiteral("0,19"));
    EXPECT_EQ(sales.mwst2->text(), QStringLiteral("0,16"));
    EXPECT_EQ(sales.order().total(), Money::fromCents(379));
    EXPECT_TRUE(m_dialogs->messages().empty());

    // The product recordset stays on the last product pressed.
    Recordset &productRows = frmProduct().ADOProduct.recordset();
    EXPECT_TRUE(productRows.isFiltered());
    EXPECT_EQ(productRows.recordCount(), 1);

    // A product that has gone since the buttons were filled adds nothing.
    exec(QStringLiteral("DELETE FROM Products WHERE ProductID = 8"));
    frmProduct().ADOProduct.refresh();
    sales.proSellect[1]->click();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{QStringLiteral("Artikel nicht gefunden!")});
    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 3);
}

TEST_F(SalesScreenTest, TaxSumsAreRoundedAfterEveryLine)
{
    addProduct(1, QStringLiteral("1"), QStringLiteral("Wein"), QStringLiteral("Getränke"), QStringLiteral("19"), 1190);
    addProduct(2, QStringLiteral("2"), QStringLiteral("Käse"), QStringLiteral("Feinkost"), QStringLiteral("7"), 1070);
    addProduct(3, QStringLiteral("3"), QStringLiteral("Milch"), QStringLiteral("Feinkost"), QStringLiteral("7"), 100);
    FrmSales &sales = frmSales();

    sell(sales, QStringLiteral("1"));
    EXPECT_EQ(sales.mwst1->text(), QStringLiteral("1,90"));
    EXPECT_EQ(sales.mwst2->text(), QStringLiteral("0"));
    sell(sales, QStringLiteral("2"));
    EXPECT_EQ(sales.mwst2->text(), QStringLiteral("0,70"));
    EXPECT_EQ(sales.txttotal->text(), QStringLiteral("22,60"));

    // Each line's 6,54 cents are rounded in: 0,84, not the 0,83 of the sum.
    sell(sales, QStringLiteral("3"));
    EXPECT_EQ(sales.mwst2->text(), QStringLiteral("0,77"));
    sell(sales, QStringLiteral("3"));
    EXPECT_EQ(sales.mwst2->text(), QStringLiteral("0,84"));
    // Lines of the same product stay separate lines.
    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 4);
}

TEST_F(SalesScreenTest, OkAndTheEntryFieldsAfterALine)
{
    addProduct(4, QStringLiteral("400"), QStringLiteral("Tee"), QStringLiteral("Getränke"), QStringLiteral("19"), 350,
               QStringLiteral("100 g"));
    FrmSales &sales = frmSales();

    sales.ArtSelok->click();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{QStringLiteral("Bitte Artikelnummer angeben")});
    EXPECT_EQ(m_dialogs->messages().back().buttons, 0);
    EXPECT_EQ(m_dialogs->messages().back().title, QStringLiteral("TALVEX - LT - ISDN"));
    sell(sales, QStringLiteral("401"));
    EXPECT_EQ(m_dialogs->messageTexts().last(), QStringLiteral("Artikel nicht gefunden!"));
    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 0);
    EXPECT_EQ(sales.txtid->text(), QStringLiteral("401"));

    sell(sales, QStringLiteral("400"));
    ASSERT_EQ(sales.LvProduct->topLevelItemCount(), 1);
    EXPECT_EQ(lineTexts(sales, 0), (QStringList{QStringLiteral("4"), QStringLiteral("Getränke"), QStringLiteral("Tee"),
                                                QStringLiteral("1"), QStringLiteral("3,50"), QStringLiteral("3,50")}));
    EXPECT_EQ(sales.txtid->text(), QString());
    EXPECT_EQ(sales.cboCategory->currentText(), QStringLiteral(" "));
    EXPECT_EQ(sales.focusWidget(), sales.cboCategory);
    EXPECT_EQ(sales.cboDescription->currentText(), QString());
    EXPECT_EQ(sales.cboDescription->count(), 0);
    EXPECT_EQ(sales.cboNo->currentText(), QString());
    EXPECT_EQ(sales.cboNo->count(), 0);
    EXPECT_EQ(sales.txtQty->text(), QStringLiteral("1"));
    EXPECT_EQ(sales.txtSalesPrice->text(), QStringLiteral("0.00"));
    EXPECT_EQ(sales.txtamount->text(), QStringLiteral("0.00"));
    EXPECT_EQ(sales.txttotal->text(), QStringLiteral("3,50"));
    EXPECT_EQ(sales.txtmwst->text(), QStringLiteral("19"));
}

TEST_F(SalesScreenTest, TypingAnArticleNumberFillsTheEntryFields)
{
    addProduct(1, QStringLiteral("1"), QStringLiteral("Salz"), QStringLiteral("Gewürze"), QStringLiteral("7"), 99,
               QStringLiteral("500 g"));
    addProduct(2, QStringLiteral("12"), QStringLiteral("Pfeffer"), QStringLiteral("Gewürze"), QStringLiteral("19"), 249,
               QStringLiteral("50 g"));
    FrmSales &sales = frmSales();

    QTest::keyClicks(sales.txtid, QStringLiteral("12"));
    EXPECT_EQ(listEntries(sales.cboNo), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(listEntries(sales.cboDescription),
              (QStringList{QStringLiteral("Salz 500 g"), QStringLiteral("Pfeffer 50 g")}));
    EXPECT_EQ(sales.cboNo->currentText(), QStringLiteral("2"));
    EXPECT_EQ(sales.cboDescription->currentText(), QStringLiteral("Pfeffer"));
    EXPECT_EQ(sales.cboCategory->currentText(), QStringLiteral("Gewürze"));
    EXPECT_EQ(sales.txtSalesPrice->text(), QStringLiteral("2,49"));
    EXPECT_EQ(sales.txtQty->text(), QStringLiteral("1"));
    EXPECT_EQ(sales.txtamount->text(), QStringLiteral("2,49"));
    EXPECT_EQ(sales.txtmwst->text(), QStringLiteral("19"));
    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 0);

    // A fractional quantity, shown as typed; Enter makes the line.
    sales.txtQty->setText(QStringLiteral("1,5"));
    EXPECT_EQ(sales.txtamount->text(), QStringLiteral("3,74")); // 3,735 rounds up
    QTest::keyClick(sales.txtQty, Qt::Key_Return);
    ASSERT_EQ(sales.LvProduct->topLevelItemCount(), 1);
    EXPECT_EQ(lineTexts(sales, 0)[3], QStringLiteral("1,5"));
    EXPECT_EQ(lineTexts(sales, 0)[5], QStringLiteral("3,74"));
    EXPECT_EQ(sales.mwst1->text(), QStringLiteral("0,60"));
    // No parked order is open: nothing is written.
    EXPECT_EQ(count(QStringLiteral("Temp")), 0);
}

TEST_F(SalesScreenTest, EnterInTheQuantityBoxNeedsAProductAndANumber)
{
    addProduct(1, QStringLiteral("5"), QStringLiteral("Mehl"), QStringLiteral("Backen"), QStringLiteral("7"), 200);
    FrmSales &sales = frmSales();

    QTest::keyClick(sales.txtQty, Qt::Key_Return);
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{QStringLiteral("Artikel nicht gefunden!")});
    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 0);

    sales.txtid->setText(QStringLiteral("5"));
    sales.txtQty->setText(QStringLiteral("zwei"));
    EXPECT_EQ(sales.txtamount->text(), QStringLiteral("2,00"));
    QTest::keyClick(sales.txtQty, Qt::Key_Return);
    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 0);
    EXPECT_TRUE(m_dialogs->messageTexts().last().contains(QStringLiteral("„zwei“ ist keine Zahl")));
    EXPECT_EQ(sales.txtQty->text(), QStringLiteral("zwei"));

    sales.txtQty->setText(QStringLiteral("1,5"));
    QTest::keyClick(sales.txtQty, Qt::Key_Return);
    EXPECT_EQ(sales.txttotal->text(), QStringLiteral("3,00"));
    EXPECT_EQ(lineTexts(sales, 0)[3], QStringLiteral("1,5"));
}

TEST_F(SalesScreenTest, CategoryAndDescriptionListsMakeALine)
{
    addCategory(1, QStringLiteral("Obst"));
    addProduct(1, QStringLiteral("11"), QStringLiteral("Apfel"), QStringLiteral("Obst"), QStringLiteral("7"), 30,
               QStringLiteral("Stück"));
    addProduct(2, QStringLiteral("12"), QStringLiteral("Birne"), QStringLiteral("Obst"), QStringLiteral("7"), 45,
               QStringLiteral("Stück"));
    addProduct(3, QStringLiteral("13"), QStringLiteral("Wurst"), QStringLiteral("Fleisch"), QStringLiteral("7"), 300);
    FrmSales &sales = frmSales();

    sales.cboCategory->setCurrentIndex(1);
    emit sales.cboCategory->activated(1);
    EXPECT_EQ(listEntries(sales.cboDescription),
              (QStringList{QStringLiteral("Apfel Stück"), QStringLiteral("Birne Stück")}));
    EXPECT_EQ(listEntries(sales.cboNo), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));

    sales.cboDescription->setCurrentIndex(1);
    emit sales.cboDescription->activated(1);
    EXPECT_EQ(sales.cboNo->currentText(), QStringLiteral("2"));
    EXPECT_EQ(sales.txtSalesPrice->text(), QStringLiteral("0,45"));
    QTest::keyClick(sales.cboDescription, Qt::Key_Return);
    EXPECT_EQ(sales.focusWidget(), sales.txtQty);
    sales.txtQty->setText(QStringLiteral("4"));
    QTest::keyClick(sales.txtQty, Qt::Key_Return);

    ASSERT_EQ(sales.LvProduct->topLevelItemCount(), 1);
    EXPECT_EQ(lineTexts(sales, 0),
              (QStringList{QStringLiteral("2"), QStringLiteral("Obst"), QStringLiteral("Birne Stück"),
                           QStringLiteral("4"), QStringLiteral("0,45"), QStringLiteral("1,80")}));
    EXPECT_EQ(sales.mwst2->text(), QStringLiteral("0,12"));
}

TEST_F(SalesScreenTest, StornoTakesBackEachLineWithItsOwnTax)
{
    addProduct(1, QStringLiteral("1"), QStringLiteral("Wein"), QStringLiteral("Getränke"), QStringLiteral("19"), 1190);
    addProduct(2, QStringLiteral("2"), QStringLiteral("Brot"), QStringLiteral("Backwaren"), QStringLiteral("7"), 214);
    addProduct(3, QStringLiteral("3"), QStringLiteral("Saft"), QStringLiteral("Getränke"), QStringLiteral("19"), 300);
    FrmSales &sales = frmSales();
    sales.btnRemoveLast->click(); // nothing to take back
    EXPECT_EQ(sales.txttotal->text(), QStringLiteral("0.00"));

    sell(sales, QStringLiteral("1"));
    sell(sales, QStringLiteral("2"));
    // The cashier looks up a product of the other rate but does not add it.
    sales.txtid->setText(QStringLiteral("3"));
    EXPECT_EQ(sales.txtmwst->text(), QStringLiteral("19"));

    sales.btnRemoveLast->click();
    EXPECT_EQ(sales.mwst2->text(), QStringLiteral("0,00"));
    EXPECT_EQ(sales.mwst1->text(), QStringLiteral("1,90"));
    EXPECT_EQ(sales.txttotal->text(), QStringLiteral("11,90"));
    EXPECT_EQ(sales.cboNo->currentText(), QStringLiteral("2"));
    EXPECT_EQ(sales.cboCategory->currentText(), QStringLiteral("Backwaren"));
    EXPECT_EQ(sales.cboDescription->currentText(), QStringLiteral("Brot"));
    EXPECT_EQ(sales.txtQty->text(), QStringLiteral("1"));
    EXPECT_EQ(sales.txtSalesPrice->text(), QStringLiteral("2,14"));
    EXPECT_EQ(sales.txtamount->text(), QStringLiteral("2,14"));

    // Enter adds the line taken back again, with its own rate.
    sales.txtQty->setText(QStringLiteral("2"));
    QTest::keyClick(sales.txtQty, Qt::Key_Return);
    EXPECT_EQ(sales.mwst2->text(), QStringLiteral("0,28"));
    EXPECT_EQ(sales.txttotal->text(), QStringLiteral("16,18"));

    sales.btnRemoveLast->click();
    sales.btnRemoveLast->click();
    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 0);
    EXPECT_EQ(sales.txttotal->text(), QStringLiteral("0,00"));
    EXPECT_EQ(sales.mwst1->text(), QStringLiteral("0,00"));
    EXPECT_EQ(sales.mwst2->text(), QStringLiteral("0,00"));
    EXPECT_TRUE(m_dialogs->messages().empty());
}

TEST_F(SalesScreenTest, DoubleClickTakesBackTheChosenLine)
{
    addProduct(1, QStringLiteral("1"), QStringLiteral("Wein"), QStringLiteral("Getränke"), QStringLiteral("19"), 1190);
    addProduct(2, QStringLiteral("2"), QStringLiteral("Brot"), QStringLiteral("Backwaren"), QStringLiteral("7"), 214);
    addProduct(3, QStringLiteral("3"), QStringLiteral("Saft"), QStringLiteral("Getränke"), QStringLiteral("19"), 300);
    FrmSales &sales = frmSales();
    sell(sales, QStringLiteral("1"));
    sell(sales, QStringLiteral("2"));
    sell(sales, QStringLiteral("3"));
    EXPECT_EQ(sales.mwst1->text(), QStringLiteral("2,38"));

    QTreeWidgetItem *first = sales.LvProduct->topLevelItem(0);
    sales.LvProduct->setCurrentItem(first);
    emit sales.LvProduct->itemDoubleClicked(first, 0);

    ASSERT_EQ(sales.LvProduct->topLevelItemCount(), 2);
    EXPECT_EQ(lineTexts(sales, 0)[0], QStringLiteral("2"));
    EXPECT_EQ(lineTexts(sales, 1)[0], QStringLiteral("3"));
    EXPECT_EQ(sales.cboNo->currentText(), QStringLiteral("1"));
    EXPECT_EQ(sales.cboDescription->currentText(), QStringLiteral("Wein"));
    EXPECT_EQ(sales.txtamount->text(), QStringLiteral("11,90"));
    EXPECT_EQ(sales.txttotal->text(), QStringLiteral("5,14"));
    EXPECT_EQ(sales.mwst1->text(), QStringLiteral("0,48"));
    EXPECT_EQ(sales.mwst2->text(), QStringLiteral("0,14"));
}

TEST_F(SalesScreenTest, ParkedOrderRowsFollowTheLines)
{
    addProduct(1, QStringLiteral("1"), QStringLiteral("Brot"), QStringLiteral("Backwaren"), QStringLiteral("7"), 214);
    session().TmpNo = 5;
    session().CashierName = QStringLiteral("ANNA");
    FrmSales &sales = frmSales();

    sales.txtid->setText(QStringLiteral("1"));
    sales.txtQty->setText(QStringLiteral("1,5"));
    QTest::keyClick(sales.txtQty, Qt::Key_Return);
    ASSERT_EQ(count(QStringLiteral("Temp")), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT tmpno || '|' || productid || '|' || Qty || '|' || Price || '|' ||"
                                    " extprice || '|' || \"Desc\" || '|' || Cashier FROM Temp"))
                  .toString(),
              QStringLiteral("5|1|1.5|214|321|Brot|ANNA"));

    QTreeWidgetItem *line = sales.LvProduct->topLevelItem(0);
    sales.LvProduct->setCurrentItem(line);
    emit sales.LvProduct->itemDoubleClicked(line, 0);
    EXPECT_EQ(count(QStringLiteral("Temp")), 0);
    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 0);
}

TEST_F(SalesScreenTest, EndeUnloadsTheScreen)
{
    FrmSales &sales = frmSales();
    sales.cmdClose->click();
    EXPECT_FALSE(screens().isLoaded<FrmSales>());
    processEvents();
}
