#include <gmock/gmock.h>

#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

#include "apptest.h"
#include "app/frmabout.h"
#include "app/frmmainmenu.h"
#include "app/frmsettings.h"
#include "data/schema.h"
#include "platform/screens.h"
#include "shell/session.h"
#include "masterdata/frmproductupdate.h"
#include "reports/frmselectdate.h"
#include "reports/previews.h"
#include "reports/reporttest.h"
#include "support/lists.h"
#include "core/support/quantities.h"
#include "till/salestore.h"

using ::testing::Contains;

namespace {

class MainMenuTest : public AppTest
{
protected:
    void TearDown() override
    {
        previews::closeAll();
        AppTest::TearDown();
    }

    // The menu as the login shows it, for the given user.
    FrmMainMenu &showMenuFor(const QString &userId)
    {
        session().UserID = userId;
        FrmMainMenu &menu = frmMainMenu();
        dialogs().showModeless(&menu);
        return menu;
    }
};

} // namespace

TEST_F(MainMenuTest, OnlyTheAdministratorGetsTheReportsAndOnlyAtLoading)
{
    const auto reportsOpen = [](FrmMainMenu &menu) {
        int open = 0;
        for (QPushButton *button :
             {menu.btnProReport, menu.btnRepSale, menu.btnRepDelivery, menu.btnRepCredit, menu.kasAbBer, menu.btngdpdu})
            open += button->isEnabled() ? 1 : 0;
        return open;
    };
    FrmMainMenu &menu = showMenuFor(Admin);
    EXPECT_EQ(reportsOpen(menu), 6);
    EXPECT_FALSE(menu.btnLogOut->isVisible()) << "no screen offers log-out";
    // Resized, the logo stays in the middle and the band runs down the left side.
    menu.setWindowState(Qt::WindowNoState);
    menu.resize(1001, 700);
    processEvents();
    EXPECT_LE(std::abs(menu.imagelogo->geometry().center().x() - 500), 1);
    EXPECT_EQ(menu.Shape2->height(), 700);
    screens().unloadAll();
    for (const QString &other : QStringList{"anna", "OPS-WARDEN5830", "Ops-Warden5830", "ops-warden5830 ", ""}) {
        SCOPED_TRACE(other.toStdString());
        EXPECT_EQ(reportsOpen(showMenuFor(other)), 0);
        // The administrator logging in while the menu stays loaded finds it
        // as the first login left it.
        EXPECT_EQ(reportsOpen(showMenuFor(Admin)), 0);
        screens().unloadAll();
    }
}

TEST_F(MainMenuTest, EveryCloseAsksNoLeavesEveryScreenAsItWasAndYesEndsTheProgram)
{
    // Both period buttons use the one dialog and keep its dates.
    FrmMainMenu &menu = showMenuFor(Admin);
    menu.btnRepSale->click();
    EXPECT_EQ(session().ReportType, "Sales");
    FrmSelectDate &period = frmSelectDate();
    EXPECT_EQ(period.dtFrom->date(), QDate::currentDate());
    period.dtFrom->setDate(QDate(2026, 2, 1));
    period.dtTo->setDate(QDate(2026, 2, 28));
    menu.btnRepDelivery->click();
    EXPECT_EQ(session().ReportType, "Purchase");
    EXPECT_EQ(&frmSelectDate(), &period);
    EXPECT_EQ(m_dialogs->shownWindows(), QStringList({"frmMainMenu", "frmSelectDate", "frmSelectDate"}));

    const QString question = "Möchten Sie das Programm wirklich beenden?";
    // "Beenden", the close box and the unload by the log-out or the data reset.
    const std::vector<std::function<void(FrmMainMenu &)>> closings = {
        [](FrmMainMenu &menu) { menu.extButon->click(); },
        [](FrmMainMenu &menu) { menu.close(); },
        [](FrmMainMenu &) { screens().unload<FrmMainMenu>(); },
    };
    for (const auto &close : closings) {
        m_dialogs->answerMessage(mb::vbNo);
        close(menu);
    }
    processEvents();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList(3, question));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbYesNo + mb::vbInformation);
    EXPECT_FALSE(m_dialogs->programEnded());
    ASSERT_TRUE(screens().isLoaded<FrmMainMenu>() && screens().isLoaded<FrmSelectDate>());
    EXPECT_TRUE(menu.isVisible());
    EXPECT_TRUE(period.isVisible());
    EXPECT_EQ(period.dtFrom->date(), QDate(2026, 2, 1));
    EXPECT_EQ(period.dtTo->date(), QDate(2026, 2, 28));

    for (size_t way = 0; way < closings.size(); ++way) {
        SCOPED_TRACE(way);
        m_dialogs->clearRecords();
        m_dialogs->answerMessage(mb::vbYes);
        closings[way](showMenuFor("anna"));
        processEvents();
        EXPECT_EQ(m_dialogs->messageTexts(), QStringList{question});
        EXPECT_TRUE(m_dialogs->programEnded());
        EXPECT_FALSE(screens().isLoaded<FrmMainMenu>());
    }
}

TEST_F(MainMenuTest, StockAndCreditReportsPrintTheShopAndTheirRows)
{
    exec("UPDATE Settings SET cName = 'Pizzeria Bäckerstraße', cAddress = 'Hauptstr. 5', cPlace = '12345 Köln'");
    exec("INSERT INTO Settings (cName) VALUES ('Zweiter Eintrag')");
    exec("INSERT INTO Products (ProductID, Category, Description, Size, Quantity, OrderPrice, SalesPrice)"
         " VALUES (1, 'Pizza', 'Margherita', '30cm', 12, 123450, 650), (2, 'Getränke', 'Cola', NULL, 3, NULL, 190)");
    exec("INSERT INTO Deliveries VALUES (1, 1, 4, 123450, '2026-01-05')");
    exec("INSERT INTO Customer VALUES (1, 'Anna Groß', 'Weg 2', '50667 Köln', '0221 123', 1250),"
         " (2, 'Bernd', 'Weg 3', '50667 Köln', '0221 456', 0), (3, 'Carla', 'Weg 4', '50667 Köln', '0221 789', -300)");

    FrmMainMenu &menu = showMenuFor(Admin);
    menu.btnProReport->click();
    ASSERT_TRUE(screens().isLoaded<FrmProductUpdate>());
    EXPECT_FALSE(frmProductUpdate().isVisible());
    EXPECT_FALSE(frmSettings().isVisible());
    const QString margherita = "1 Pizza Margherita 30cm 4 12 0 1.234,50 6,50";
    const QStringList printed = previews::lines("ProductInventory");
    EXPECT_EQ(printed.mid(0, 3), QStringList({"Pizzeria Bäckerstraße", "Hauptstr. 5", "12345 Köln"}));
    EXPECT_THAT(printed, Contains(margherita));
    EXPECT_THAT(printed, Contains("2 Getränke Cola 0 3 0 1,90"));
    // A filter left on the stock list is removed for the report.
    frmProductUpdate().ADOProductInventory->setFilter({{"productid", "2"}});
    menu.btnProReport->click();
    EXPECT_THAT(previews::lines("ProductInventory"), Contains(margherita));
    // The stock list the report loaded unseen shows the stock of the moment
    // it is opened.
    exec("UPDATE Products SET Quantity = 7 WHERE ProductID = 2");
    m_dialogs->onModal([](QDialog *window) {
        EXPECT_EQ(listLines(qobject_cast<FrmProductUpdate *>(window)->LvProduct, 6).value(1), "2|Getränke|Cola||0|7");
        return 0;
    });
    menu.btnProUpdate->click();

    // "Lieferungen" lists the customers with a balance.
    menu.btnRepCredit->click();
    EXPECT_EQ(previews::lines("CreditReport"),
              QStringList({"Pizzeria Bäckerstraße", "Hauptstr. 5", "12345 Köln", "Offene Beträge der Kunden",
                           "Kd.-Nr. Name Adresse Telefon Betrag", "1 Anna Groß Weg 2 0221 123 12,50",
                           "3 Carla Weg 4 0221 789 -3,00"}));
}

// A year at the counter for weighed goods, sold through the till's own
// storing: the stock list and the stock report show to the gram what the
// shop weighed, summed here in whole thousandths.
TEST_F(MainMenuTest, WeighedGoodsShowToTheGramInTheStockListAndTheStockReport)
{
    exec("INSERT INTO Products (ProductID, Category, Description, Size, Quantity, OrderPrice, SalesPrice) VALUES"
         " (1, 'Käse', 'Gouda', 'kg', 0, 900, 1490), (2, 'Käse', 'Feta', 'kg', 0, 700, 1190),"
         // On hand as an older program left it, added up as binary fractions.
         " (3, 'Oliven', 'Grün', 'kg', 30977.3049999999, 500, 990)");
    std::vector<qint64> delivered(4), onHand{0, 0, 0, 30977305}, sold(4);
    std::mt19937 random(40);
    {
        Database::Transaction transaction(*m_db);
        for (int line = 0; line < 40000; ++line) {
            const int product = 1 + static_cast<int>(random() % 2);
            const qint64 thousandths = 1 + static_cast<qint64>(random() % 9999);
            if (line % 4 == 0) {
                exec("INSERT INTO Deliveries VALUES (?1, ?2, ?3, 500, '2026-01-05')",
                     {line, product, schema::storedQuantity(static_cast<double>(thousandths) / 1000)});
                delivered[product] += thousandths;
                continue;
            }
            OrderLine sale;
            sale.productId = QString::number(product);
            sale.quantity = thousandthsText(thousandths);
            sale.unitPrice = "14,90";
            ASSERT_TRUE(SaveSalesDetails(*m_db, line, {sale})) << m_db->lastError().toStdString();
            sold[product] += thousandths;
            onHand[product] -= thousandths;
        }
        ASSERT_TRUE(transaction.commit());
    }
    const auto figures = [&](int product) {
        return QStringList{thousandthsText(delivered[product]), thousandthsText(onHand[product]),
                           thousandthsText(sold[product])};
    };

    FrmMainMenu &menu = showMenuFor(Admin);
    QStringList listed;
    m_dialogs->onModal([&listed](QDialog *window) {
        const QTreeView *lines = qobject_cast<FrmProductUpdate *>(window)->LvProduct;
        for (int row = 0; row < lines->model()->rowCount(); ++row)
            listed << lineTexts(lines, row, 7).mid(4);
        return 0;
    });
    menu.btnProUpdate->click();
    EXPECT_EQ(listed, figures(1) + figures(2) + figures(3));

    menu.btnProReport->click();
    const QStringList printed = previews::lines("ProductInventory");
    EXPECT_THAT(printed, Contains("1 Käse Gouda kg " + figures(1).join(' ') + " 9,00 14,90"));
    EXPECT_THAT(printed, Contains("2 Käse Feta kg " + figures(2).join(' ') + " 7,00 11,90"));
    EXPECT_THAT(printed, Contains("3 Oliven Grün kg 0 30977,305 0 5,00 9,90"));
}

TEST_F(MainMenuTest, ButtonsOpenTheirScreensAndOkUnloadsTheAboutBox)
{
    FrmMainMenu &menu = showMenuFor(Admin);
    const std::vector<std::pair<QPushButton *, QString>> opens = {
        {menu.ShowCategory, "frmCategory"}, {menu.ShowCustomer, "frmCustomer"}, {menu.ShowSettings, "frmSettings"},
        {menu.btnAbout, "frmAbout"},        {menu.ShowBrands, "frmBrands"},     {menu.showSupplier, "FrmSupplier"},
        {menu.ShowUser, "frmUserAccount"},  {menu.ShowReoduct, "frmProduct"},   {menu.btnProUpdate, "frmProductUpdate"},
        {menu.kasAbBer, "frmKasaBer"},      {menu.btngdpdu, "frmgdpdu"},        {menu.ShowSale, "frmSales"},
    };
    for (const auto &[button, window] : opens) {
        m_dialogs->clearRecords();
        EXPECT_TRUE(button->isVisible()) << button->objectName().toStdString();
        button->click();
        EXPECT_EQ(m_dialogs->shownWindows(), QStringList{window}) << button->objectName().toStdString();
    }
    frmAbout().abClose->click();
    processEvents();
    EXPECT_FALSE(screens().isLoaded<FrmAbout>());
}

// The stock and credit reports whose rows cannot be read say so, and show no
// report that reads like a shop without products or open amounts; the stock
// report as well when the stock list loaded earlier read the rows before.
TEST_F(MainMenuTest, ReportsWhoseRowsCannotBeReadAreReportedNotShownEmpty)
{
    exec("INSERT INTO Products (ProductID, Description, Quantity, SalesPrice) VALUES (1, 'Margherita', 12, 650)");
    exec("INSERT INTO Customer VALUES (1, 'Anna Groß', 'Weg 2', '50667 Köln', '0221 123', 1250)");
    FrmMainMenu &menu = showMenuFor(Admin);
    struct Case
    {
        QPushButton *button;
        QString view;
        QString layout;
    };
    for (const Case &c : {Case{menu.btnProReport, "ProductInventory", "ProductInventory"},
                          Case{menu.btnRepCredit, "Lieferungen", "CreditReport"}}) {
        const QString created = scalar("SELECT sql FROM sqlite_master WHERE name = ?1", {c.view}).toString();
        for (const Unreadable how : {Unreadable::RowsFail, Unreadable::Gone}) {
            for (const bool readBefore : {false, true}) {
                const std::string what = c.view.toStdString() + (how == Unreadable::Gone ? ", gone" : ", rows fail") +
                                         (readBefore ? ", read before" : "");
                exec("DROP VIEW IF EXISTS " + c.view);
                exec(created);
                screens().unload<FrmProductUpdate>();
                processEvents();
                if (readBefore) {
                    c.button->click();
                    ASSERT_FALSE(previews::lines(c.layout).isEmpty()) << what;
                }
                previews::closeAll();
                m_dialogs->clearRecords();

                ASSERT_TRUE(makeUnreadable(*m_db, c.view, how)) << what;
                c.button->click();
                ASSERT_EQ(m_dialogs->messages().size(), 1u) << what;
                EXPECT_TRUE(m_dialogs->messages()[0].text.startsWith("Der Bericht konnte nicht erstellt werden: "))
                    << what << ": " << m_dialogs->messages()[0].text.toStdString();
                EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbExclamation) << what;
                EXPECT_TRUE(previews::lines(c.layout).isEmpty()) << what;
            }
        }
    }
}
