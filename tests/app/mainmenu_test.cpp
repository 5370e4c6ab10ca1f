#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/frmmainmenu.h"
#include "app/frmsettings.h"
#include "app/screens.h"
#include "app/session.h"
#include "masterdata/frmproductupdate.h"
#include "reports/frmselectdate.h"
#include "reports/previews.h"
#include "support/fixture.h"

using ::testing::Contains;

namespace {

class MainMenuTest : public DatabaseTest
{
protected:
    void TearDown() override
    {
        previews::closeAll();
        DatabaseTest::TearDown();
    }

    // The menu as the login shows it, for the given user.
    FrmMainMenu &showMenuFor(const QString &userId)
    {
        session().UserID = userId;
        FrmMainMenu &menu = frmMainMenu();
        dialogs().showModeless(&menu);
        return menu;
    }

    void setShop(const QString &name, const QString &address, const QString &place)
    {
        exec("UPDATE Settings SET cName = ?1, cAddress = ?2, cPlace = ?3", {name, address, place});
    }

    static const QString Question;
};

const QString MainMenuTest::Question = QStringLiteral("Möchten Sie das Programm wirklich beenden?");

QRect pixelsOf(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

} // namespace

TEST_F(MainMenuTest, ButtonsStandWhereTheMenuPutsThemAndLogOutStaysHidden)
{
    FrmMainMenu &menu = showMenuFor(QStringLiteral("ops-warden5830"));
    EXPECT_EQ(menu.objectName(), "frmMainMenu");
    EXPECT_EQ(menu.windowTitle(), "Main Menu TalVEX");
    EXPECT_EQ(menu.ShowCustomer->text(), "Kunden");
    EXPECT_EQ(menu.ShowCustomer->geometry(), pixelsOf(2640, 240, 1935, 1095));
    EXPECT_EQ(menu.extButon->text(), "Beenden");
    EXPECT_EQ(menu.extButon->geometry(), pixelsOf(7440, 2640, 1935, 1095));
    EXPECT_EQ(menu.Frame1->geometry(), pixelsOf(240, 3960, 9255, 2535));
    EXPECT_EQ(menu.btnProReport->parentWidget(), menu.Frame1);
    EXPECT_EQ(menu.btnProReport->geometry(), pixelsOf(120, 120, 1815, 1095));
    EXPECT_EQ(menu.kasAbBer->text(), "Mitarbeiter Abschlussbericht");
    EXPECT_EQ(menu.btngdpdu->geometry(), pixelsOf(2400, 1440, 1935, 975));
    EXPECT_EQ(menu.findChild<QPushButton *>("btnLogOut"), menu.btnLogOut);
    EXPECT_EQ(menu.btnLogOut->text(), "Abmelden");
    EXPECT_FALSE(menu.btnLogOut->isVisible());
    int visibleButtons = 0;
    for (const QPushButton *button : menu.findChildren<QPushButton *>())
        visibleButtons += button->isVisible() ? 1 : 0;
    EXPECT_EQ(visibleButtons, 11 + 6);
}

TEST_F(MainMenuTest, OnlyTheAdministratorGetsTheReportsAndOnlyAtLoading)
{
    EXPECT_TRUE(showMenuFor(QStringLiteral("ops-warden5830")).Frame1->isEnabled());
    screens().unloadAll();

    FrmMainMenu &menu = showMenuFor(QStringLiteral("anna"));
    EXPECT_FALSE(menu.Frame1->isEnabled());
    EXPECT_FALSE(menu.btnRepSale->isEnabled());
    // The administrator logging in while the menu stays loaded finds it as
    // the first login left it.
    EXPECT_FALSE(showMenuFor(QStringLiteral("ops-warden5830")).Frame1->isEnabled());
    screens().unloadAll();

    for (const QString &almost : {QStringLiteral("OPS-WARDEN5830"), QStringLiteral("Ops-Warden5830"),
                                  QStringLiteral("ops-warden5830 "), QString()}) {
        EXPECT_FALSE(showMenuFor(almost).Frame1->isEnabled()) << almost.toStdString();
        screens().unloadAll();
    }
}

TEST_F(MainMenuTest, EveryCloseAsksAndNoLeavesEveryScreenAsItWas)
{
    FrmMainMenu &menu = showMenuFor(QStringLiteral("ops-warden5830"));
    menu.btnRepSale->click();
    FrmSelectDate &period = frmSelectDate();
    const QDate chosen(2026, 3, 1);
    period.dtFrom->setDate(chosen);

    // "Beenden", the close box and the unload by the log-out or the data
    // reset, each answered No.
    menu.extButon->click();
    menu.close();
    screens().unload<FrmMainMenu>();
    processEvents();
    ASSERT_EQ(m_dialogs->messages().size(), 3u);
    for (const ScriptedDialogs::Message &message : m_dialogs->messages()) {
        EXPECT_EQ(message.text, Question);
        EXPECT_EQ(message.buttons, 68);
        EXPECT_EQ(message.title, AppTitle);
    }
    EXPECT_FALSE(m_dialogs->programEnded());
    ASSERT_TRUE(screens().isLoaded<FrmMainMenu>());
    EXPECT_TRUE(menu.isVisible());
    ASSERT_TRUE(screens().isLoaded<FrmSelectDate>());
    EXPECT_TRUE(period.isVisible());
    EXPECT_EQ(period.dtFrom->date(), chosen);

    // Yes ends the program without a further question.
    m_dialogs->answerMessage(mb::vbYes);
    menu.close();
    processEvents();
    EXPECT_TRUE(m_dialogs->programEnded());
    EXPECT_FALSE(screens().isLoaded<FrmMainMenu>());
    EXPECT_EQ(m_dialogs->messages().size(), 4u);
}

TEST_F(MainMenuTest, YesOnBeendenAndOnTheDataResetsUnloadEndsTheProgram)
{
    m_dialogs->answerMessage(mb::vbYes);
    showMenuFor(QStringLiteral("anna")).extButon->click();
    EXPECT_TRUE(m_dialogs->programEnded());
    processEvents();
    EXPECT_FALSE(screens().isLoaded<FrmMainMenu>());

    m_dialogs->clearRecords();
    showMenuFor(QStringLiteral("anna"));
    m_dialogs->answerMessage(mb::vbYes);
    EXPECT_TRUE(screens().unload<FrmMainMenu>());
    EXPECT_TRUE(m_dialogs->programEnded());
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{Question});
}

TEST_F(MainMenuTest, ProductReportLoadsStockListAndSettingsAndPrintsTheShop)
{
    setShop(QStringLiteral("Pizzeria Bäckerstraße"), QStringLiteral("Hauptstr. 5"), QStringLiteral("12345 Köln"));
    exec("INSERT INTO Settings (cName) VALUES ('Zweiter Eintrag')");
    exec("INSERT INTO Products (ProductID, Category, Description, Size, Quantity, OrderPrice, SalesPrice)"
         " VALUES (1, 'Pizza', 'Margherita', '30cm', 12, 123450, 650)");
    exec("INSERT INTO Products (ProductID, Category, Description, Quantity, SalesPrice) VALUES (2, 'Getränke', 'Cola', "
         "3, 190)");
    exec("INSERT INTO Deliveries VALUES (1, 1, 4, 123450, '2026-01-05')");

    FrmMainMenu &menu = showMenuFor(QStringLiteral("ops-warden5830"));
    ASSERT_FALSE(screens().isLoaded<FrmProductUpdate>());
    ASSERT_FALSE(screens().isLoaded<FrmSettings>());
    menu.btnProReport->click();

    EXPECT_TRUE(screens().isLoaded<FrmProductUpdate>());
    EXPECT_TRUE(screens().isLoaded<FrmSettings>());
    EXPECT_FALSE(frmProductUpdate().isVisible());
    EXPECT_FALSE(frmSettings().isVisible());
    ASSERT_TRUE(previews::find("ProductInventory"));
    const QStringList printed = previews::lines("ProductInventory");
    ASSERT_GE(printed.size(), 4);
    EXPECT_EQ(printed[0], "Pizzeria Bäckerstraße");
    EXPECT_EQ(printed[1], "Hauptstr. 5");
    EXPECT_EQ(printed[2], "12345 Köln");
    EXPECT_THAT(printed, Contains("1 Pizza Margherita 30cm 4 12 0 1.234,50 6,50"));
    EXPECT_THAT(printed, Contains("2 Getränke Cola 0 3 0 1,90"));

    // A filter left on the stock list is removed for the report.
    frmProductUpdate().ADOProductInventory->setFilter({{"productid", "2"}});
    menu.btnProReport->click();
    EXPECT_THAT(previews::lines("ProductInventory"), Contains("1 Pizza Margherita 30cm 4 12 0 1.234,50 6,50"));
}

TEST_F(MainMenuTest, CreditReportListsTheCustomersWithABalance)
{
    setShop(QStringLiteral("Imbiss Ost"), QStringLiteral("Ring 1"), QStringLiteral("50667 Köln"));
    exec("INSERT INTO Customer VALUES (1, 'Anna Groß', 'Weg 2', '50667 Köln', '0221 123', 1250)");
    exec("INSERT INTO Customer VALUES (2, 'Bernd', 'Weg 3', '50667 Köln', '0221 456', 0)");
    exec("INSERT INTO Customer VALUES (3, 'Carla', 'Weg 4', '50667 Köln', '0221 789', -300)");

    showMenuFor(QStringLiteral("ops-warden5830")).btnRepCredit->click();
    EXPECT_EQ(previews::lines("CreditReport"),
              QStringList({"Imbiss Ost", "Ring 1", "50667 Köln", "Offene Beträge der Kunden",
                           "Kd.-Nr. Name Adresse Telefon Betrag", "1 Anna Groß Weg 2 0221 123 12,50",
                           "3 Carla Weg 4 0221 789 -3,00"}));
}

TEST_F(MainMenuTest, BothPeriodButtonsUseTheOneDialogAndKeepItsDates)
{
    FrmMainMenu &menu = showMenuFor(QStringLiteral("ops-warden5830"));
    menu.btnRepSale->click();
    EXPECT_EQ(session().ReportType, "Sales");
    FrmSelectDate *first = &frmSelectDate();
    EXPECT_EQ(first->dtFrom->date(), QDate::currentDate());
    first->dtFrom->setDate(QDate(2026, 2, 1));
    first->dtTo->setDate(QDate(2026, 2, 28));

    menu.btnRepDelivery->click();
    EXPECT_EQ(session().ReportType, "Purchase");
    EXPECT_EQ(&frmSelectDate(), first);
    EXPECT_EQ(first->dtFrom->date(), QDate(2026, 2, 1));
    EXPECT_EQ(first->dtTo->date(), QDate(2026, 2, 28));
    EXPECT_EQ(m_dialogs->shownWindows(), QStringList({"frmMainMenu", "frmSelectDate", "frmSelectDate"}));
}

TEST_F(MainMenuTest, ButtonsOpenTheirScreens)
{
    FrmMainMenu &menu = showMenuFor(QStringLiteral("ops-warden5830"));
    const std::vector<std::pair<QPushButton *, QString>> opens = {
        {menu.ShowCategory, "frmCategory"}, {menu.ShowCustomer, "frmCustomer"}, {menu.ShowSettings, "frmSettings"},
        {menu.btnAbout, "frmAbout"},        {menu.ShowBrands, "frmBrands"},     {menu.showSupplier, "FrmSupplier"},
        {menu.ShowUser, "frmUserAccount"},  {menu.ShowReoduct, "frmProduct"},   {menu.btnProUpdate, "frmProductUpdate"},
        {menu.kasAbBer, "frmKasaBer"},      {menu.btngdpdu, "frmgdpdu"},        {menu.ShowSale, "frmSales"},
    };
    for (const auto &[button, window] : opens) {
        m_dialogs->clearRecords();
        button->click();
        EXPECT_EQ(m_dialogs->shownWindows(), QStringList{window}) << button->objectName().toStdString();
    }
}

TEST_F(MainMenuTest, ResizingStretchesTheBandAndCentresTheLogo)
{
    FrmMainMenu &menu = showMenuFor(QStringLiteral("anna"));
    menu.setWindowState(Qt::WindowNoState);
    for (const QSize size : {QSize(800, 600), QSize(1001, 700)}) {
        menu.resize(size);
        processEvents();
        EXPECT_EQ(menu.Shape2->geometry(), QRect(0, 0, 70, size.height()));
        EXPECT_EQ(menu.imagelogo->x(), qRound((size.width() - menu.imagelogo->width()) / 2.0));
        EXPECT_EQ(menu.Shape1->size(), menu.screen()->size());
    }
}
