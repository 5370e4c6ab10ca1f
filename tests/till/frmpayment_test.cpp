#include <gmock/gmock.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "platform/screens.h"
#include "shell/session.h"
#include "masterdata/frmcustomer.h"
#include "platform/clock.h"
#include "platform/printerchoice.h"
#include "platform/ui/reportpreview.h"
#include "till/frmpayment.h"
#include "till/frmsales.h"
#include "tilltest.h"

using ::testing::HasSubstr;
using ::testing::IsSupersetOf;
using ::testing::Not;

namespace {
class PaymentTest : public TillTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        exec("UPDATE Settings SET cName = 'Bäckerei Sonnenschein', cPhone = '030 123', cbnText = 'Danke'");
        addProduct(1, "100", "Brot", "Backwaren", "7", 250, 10);
        addProduct(2, "200", "Wein", "Backwaren", "19", 1190, 2);
        addProduct(3, "300", "Torte", "Backwaren", "19", 1750, 5);
        exec("INSERT INTO Customer (CustomerID, Customername, Address, Place, ContactNumber, accountbalance)"
             " VALUES (1, 'Meier', 'Gartenweg 3', '12345 Berlin', '0301111', 5000)");
        exec("INSERT INTO Customer (CustomerID, Customername, ContactNumber, accountbalance)"
             " VALUES (2, 'Meier', '0302222', 10000)");
        exec("INSERT INTO UserAccount (UserID, Name) VALUES ('anna', 'Anna'), ('ben', 'Ben')");
        session().CashierName = "ANNA";
        session().UserID = "anna";
    }

    // The sales screen with the given customer in its customer block.
    FrmSales &salesScreenFor(const QString &customerId)
    {
        FrmSales &sales = frmSales();
        sales.ADOCustomer.refresh();
        sales.ADOCustomer->find({"CustomerID", customerId});
        return sales;
    }

    // An order of 25,00: three loaves (7,50 at 7 %) and a cake (17,50 at 19 %).
    FrmSales &orderOf25()
    {
        FrmSales &sales = salesScreenFor("1");
        sell(sales, "100", "3");
        sell(sales, "300", "1");
        return sales;
    }

    // Presses "Kasse" and lets `cashier` work the payment dialog.
    void pay(FrmSales &sales, const std::function<void(FrmPayment &)> &cashier)
    {
        work<FrmPayment>(sales.cmdPayment, cashier);
    }

    // The next receipt or invoice shown, as it prints.
    void readNextPreview()
    {
        m_dialogs->onModal([this](QDialog *window) {
            m_printed.clear();
            for (const report::Page &page : qobject_cast<ReportPreview *>(window)->pages())
                m_printed << report::textLines(page);
            return 0;
        });
    }

    static void enter(QLineEdit *box) { QTest::keyClick(box, Qt::Key_Return); }

    QStringList m_printed;
};
} // namespace

// The dialog opens on the next sale number, the drivers and the customers'
// lists, which are kept for the run and made again only when a customer
// changed; a cancel leaves the number free.
TEST_F(PaymentTest, TheDialogOpensOnTheNextSaleNumberAndTheCustomerListsOfTheRun)
{
    // Two customers are called Meier; the second is on the sales screen.
    FrmSales &sales = salesScreenFor("2");
    sell(sales, "100", "10");
    QStringList numbers;
    QStringList listed;
    // How often the lists were made again after the first "Kasse".
    int made = 0;
    QAbstractItemModel *lists = nullptr;
    const auto cancel = [&](FrmPayment &payment) {
        if (!lists) {
            lists = payment.cboCustomer->model();
            QObject::connect(lists, &QAbstractItemModel::modelReset, lists, [&made] { ++made; });
        }
        EXPECT_EQ(payment.cboCustomer->model(), lists);
        EXPECT_EQ(payment.cboNo->model(), lists);
        listed.clear();
        for (int entry = 0; entry < payment.cboCustomer->count(); ++entry)
            listed << payment.cboCustomer->itemText(entry) + '|' + payment.cboNo->itemText(entry);
        // The sales screen's customer is the one chosen in them.
        EXPECT_EQ(payment.cboNo->itemText(payment.cboCustomer->currentIndex()), sales.Text1->text());
        EXPECT_EQ(payment.cboNo->currentText(), sales.Text1->text());
        numbers << payment.txtid->text();
        EXPECT_EQ(payment.txtBill->text(), sales.txttotal->text());
        EXPECT_EQ((QStringList{payment.txtAdvance->text(), payment.txtamount->text(), payment.txtChange->text()}),
                  (QStringList{"0.00", "0", "0.00"}));
        EXPECT_EQ(payment.txtCashier->text(), "ANNA");
        EXPECT_EQ(payment.cboFahrer->currentText(), "Bitte Wählen");
        EXPECT_EQ(payment.cboFahrer->count(), 3); // the administrator, anna and ben
        EXPECT_FALSE(payment.cmdSales->isHidden());
        EXPECT_TRUE(payment.cmdOK->isHidden());
        payment.cmdCancel->click();
    };
    pay(sales, cancel);
    pay(sales, cancel);
    exec("INSERT INTO Sales (salesid) VALUES (41)");
    pay(sales, cancel);
    EXPECT_EQ(numbers, (QStringList{"1", "1", "42"}));
    EXPECT_EQ(count("Sales"), 1);
    EXPECT_EQ(sales.order().count(), 1);
    EXPECT_EQ(listed, QStringList({"Meier|1", "Meier|2"}));

    // A sale paid in cash changes no customer: the lists are shown as made.
    pay(sales, [this](FrmPayment &payment) {
        readNextPreview();
        payment.cmdSales->click();
    });
    EXPECT_EQ(count("Sales"), 2);
    sell(sales, "100", "1");
    pay(sales, cancel);
    EXPECT_EQ(made, 0);

    // A customer renamed in the editor, and a new one, are listed at the next "Kasse".
    DataControl &customers = frmCustomer().ADOCustomer;
    customers.refresh();
    customers->find({"CustomerID", "2"});
    customers->setText("Customername", "Schulz");
    customers->update();
    exec("INSERT INTO Customer (CustomerID, Customername) VALUES (3, 'Wolf')");
    salesScreenFor("3");
    pay(sales, cancel);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(listed, QStringList({"Meier|1", "Schulz|2", "Wolf|3"}));
}

TEST_F(PaymentTest, TheKeypadTypesTheAmountAndTheCheckWantsEnoughMoney)
{
    FrmSales &sales = orderOf25();
    pay(sales, [this](FrmPayment &payment) {
        EXPECT_EQ(payment.txtamount->text(), "0");
        payment.vTaste[5]->click();
        EXPECT_EQ(payment.txtamount->text(), "05");
        payment.vClr->click();
        EXPECT_EQ(payment.txtamount->text(), "0");
        payment.txtamount->setText("0,00");
        payment.vTaste[3]->click();
        payment.vTaste[0]->click();
        EXPECT_EQ(payment.txtamount->text(), "30");
        payment.vTaste[10]->click();
        payment.vTaste[5]->click();
        EXPECT_EQ(payment.txtamount->text(), "30,5");

        // Too little, by Enter and by the keypad's "OK".
        payment.txtamount->setText("24,99");
        enter(payment.txtamount);
        payment.txtamount->setText("5");
        payment.vOk->click();
        // "Bar" after a failed check stores nothing either.
        payment.cmdSales->click();
        EXPECT_EQ(m_dialogs->messageTexts(),
                  (QStringList{"Insuficient Fund...", "Bezahlung Unzureichend...", "Bezahlung Unzureichend..."}));
        EXPECT_EQ(m_dialogs->messages().front().buttons, 64);
        EXPECT_EQ(payment.txtChange->text(), "0.00");
        EXPECT_TRUE(payment.cmdCancel->isEnabled());
        EXPECT_EQ(count("Sales"), 0);

        payment.txtamount->setText("25");
        enter(payment.txtamount);
        EXPECT_EQ(payment.txtamount->text(), "25,00");
        EXPECT_EQ(payment.txtChange->text(), "0,00");
        EXPECT_FALSE(payment.cmdCancel->isEnabled());
        EXPECT_EQ(m_dialogs->messages().size(), size_t(3));
    });
}

// The till was opened before midnight; the sale is paid after it.
TEST_F(PaymentTest, ACashSaleIsStoredOnTheDayItIsPaidAndItsReceiptShown)
{
    FixedClock &clock = FixedClock::install(QDateTime(QDate(2026, 12, 6), QTime(23, 59, 56)));
    FrmSales &sales = orderOf25();
    EXPECT_EQ(sales.lbldata->text(), "06.12.2026");
    sales.zusText->setText("Bitte klingeln");
    EXPECT_EQ(sales.mwst1->text(), "2,79");
    clock.set(QDateTime(QDate(2026, 12, 7), QTime(0, 0, 0)));
    pay(sales, [this](FrmPayment &payment) {
        payment.txtamount->setText("30");
        enter(payment.txtamount);
        readNextPreview();
        payment.cmdSales->click();
        // The order is cleared while the receipt still prints the tax.
        EXPECT_EQ(m_dialogs->shownWindows().last(), "ReceiptReport");
    });

    EXPECT_EQ(scalar("SELECT salesid || '|' || Date || '|' || totalsales || '|' || custid || '|' || cashierid"
                     " || '|' || mwst1 || '|' || mwst2 FROM Sales")
                  .toString(),
              "1|2026-12-07|2500|1|anna|279|49");
    EXPECT_EQ(count("SalesDetails"), 2);
    EXPECT_EQ(scalar("SELECT Quantity FROM Products WHERE ProductID = 1").toLongLong(), 7);
    EXPECT_EQ(scalar("SELECT accountbalance FROM Customer WHERE CustomerID = 1").toLongLong(), 5000);

    EXPECT_THAT(m_printed,
                IsSupersetOf({"Bäckerei Sonnenschein", "Tel.: 030 123", "3 Brot 2,50 € 7,50 €", "Total 25,00",
                              "Gegeben 30,00", "Rückgeld 5,00", "Kassierer: ANNA", "Bitte klingeln"}));
    EXPECT_THAT(m_printed.join('\n').toStdString(), HasSubstr("07.12.2026"));
    EXPECT_THAT(m_printed.join('\n').toStdString(), Not(HasSubstr("Lieferung an:")));

    EXPECT_EQ(sales.LvProduct->topLevelItemCount(), 0);
    EXPECT_EQ((QStringList{sales.txttotal->text(), sales.mwst1->text(), sales.mwst2->text()}),
              (QStringList{"0,00", "0", "0"}));
    EXPECT_EQ(sales.txtName->text(), "Meier");
    EXPECT_FALSE(screens().isLoaded<FrmPayment>());
    // The header turns over with the clock, the screen still open.
    sales.Timer1_Timer();
    EXPECT_EQ(sales.lbldata->text(), "07.12.2026");
    EXPECT_EQ(sales.stsTime->text(), "00:00:00");

    // The next sale gets the next number.
    sell(sales, "100", "1");
    pay(sales, [](FrmPayment &payment) { EXPECT_EQ(payment.txtid->text(), "2"); });
}

TEST_F(PaymentTest, ADeliveryReceiptNamesTheCustomerTheSaleWasStoredFor)
{
    printerchoice::write(printerchoice::ReceiptPrinter);
    struct Case
    {
        const char *customer; // on the sales screen at "Kasse"
        const char *ringing;  // a caller's number while the payment is open
        const char *movedTo;  // an address stored for the customer meanwhile
        QStringList printed;
    };
    const std::vector<Case> cases = {
        {"1", "0302222", nullptr, {"Meier", "Gartenweg 3", "12345 Berlin", "Tel: 0301111"}},
        {"2", "0301111", "Lindenallee 7", {"Meier", "Lindenallee 7", "Tel: 0302222"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.customer);
        FrmSales &sales = salesScreenFor(c.customer);
        sell(sales, "200", "3");
        pay(sales, [&](FrmPayment &payment) {
            ring(sales, QString("t") + c.customer, c.ringing);
            if (c.movedTo)
                exec("UPDATE Customer SET Address = ?1 WHERE CustomerID = ?2", {c.movedTo, c.customer});
            payment.cboFahrer->setEditText("ben");
            readNextPreview();
            payment.cmdCredit->click();
            EXPECT_EQ(m_dialogs->shownWindows().last(), "ReceiptReportBON");
        });
        EXPECT_EQ(scalar("SELECT custid || '|' || cashierid FROM Sales ORDER BY salesid DESC").toString(),
                  QString(c.customer) + "|ben");
        EXPECT_THAT(m_printed, IsSupersetOf({"Lieferung an:", "Fahrer: ben", "Rabatt %", "3 Wein 11,90 35,70"}));
        EXPECT_THAT(m_printed, IsSupersetOf(c.printed));
        // The sales screen goes on showing the caller.
        EXPECT_NE(sales.Text1->text(), c.customer);
    }
    EXPECT_EQ(scalar("SELECT accountbalance FROM Customer WHERE CustomerID = 1").toLongLong(), 5000 + 3570);
}

TEST_F(PaymentTest, ARefusedStoreStoresNothingAndKeepsTheOrderAndTheDialog)
{
    exec("CREATE TRIGGER full BEFORE INSERT ON SalesDetails BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    FrmSales &sales = orderOf25();
    pay(sales, [this, &sales](FrmPayment &payment) {
        payment.txtamount->setText("30");
        enter(payment.txtamount);
        EXPECT_FALSE(payment.cmdCancel->isEnabled());
        payment.cmdCredit->click();
        // The message offers to cancel, and "Abbrechen" does.
        EXPECT_TRUE(payment.cmdCancel->isEnabled());
        ASSERT_EQ(m_dialogs->messages().size(), size_t(1));
        EXPECT_THAT(m_dialogs->messages().front().text.toStdString(), HasSubstr("nicht gespeichert"));
        EXPECT_EQ(count("Sales"), 0);
        EXPECT_EQ(sales.order().count(), 2);
        EXPECT_EQ(sales.txttotal->text(), "25,00");
        EXPECT_EQ(sales.mwst1->text(), "2,79");
        EXPECT_TRUE(payment.isVisible());
        EXPECT_EQ(m_dialogs->shownWindows(), QStringList{"frmPayment"});

        // Once the database takes it again, "Bar" stores a cash sale.
        exec("DROP TRIGGER full");
        readNextPreview();
        payment.cmdSales->click();
        EXPECT_EQ(m_dialogs->shownWindows().last(), "ReceiptReport");
    });
    EXPECT_EQ(count("Sales"), 1);
    EXPECT_EQ(scalar("SELECT Quantity FROM Products WHERE ProductID = 1").toLongLong(), 7);
}

TEST_F(PaymentTest, AmountTenderedAndDiscountTakeAtMostTwoDecimalsAndTextIsNamedNoNumber)
{
    const QString notANumber = "Der gegebene Betrag „%1“ ist keine gültige Zahl: ein Betrag hat höchstens zwei "
                               "Nachkommastellen, z. B. 50 oder 50,00.";
    FrmSales &sales = orderOf25();
    pay(sales, [&](FrmPayment &payment) {
        // Enter, the keypad's "OK" and "Bar" (which checks before it stores).
        const std::vector<std::pair<const char *, std::function<void()>>> keys = {
            {"Enter", [&] { enter(payment.txtamount); }},
            {"OK", [&] { payment.vOk->click(); }},
            {"Bar", [&] { payment.cmdSales->click(); }}};
        for (const char *typed : {"50,005", "25,001", "30,0001", "abc", "5,,", "50,00 €", "1e3", "30.5", "--30"}) {
            for (const auto &[key, press] : keys) {
                SCOPED_TRACE(std::string(typed) + " " + key);
                payment.txtamount->setText(QString::fromUtf8(typed));
                press();
                EXPECT_EQ(m_dialogs->messageTexts(), QStringList{notANumber.arg(QString::fromUtf8(typed))});
                EXPECT_EQ(payment.txtamount->text(), QString::fromUtf8(typed)) << "nothing rounded";
                EXPECT_EQ(payment.txtChange->text(), "0.00");
                EXPECT_TRUE(payment.cmdCancel->isEnabled());
                m_dialogs->clearRecords();
            }
        }

        // A discount with a third decimal is refused, never rounded: the bill stays.
        payment.txtamount->setText("30");
        for (const char *typed : {"12,345", "10,001", "0,005", "12,5%", "zehn"}) {
            payment.txtAdvance->setText(QString::fromUtf8(typed));
            payment.vOk->click();
            EXPECT_EQ(m_dialogs->messageTexts(),
                      QStringList{QString("Der Rabatt „%1“ ist keine Zahl von 0 bis 100 mit höchstens zwei "
                                          "Nachkommastellen. Bitte den Rabatt in Prozent eingeben, z. B. 10 oder 12,5.")
                                      .arg(QString::fromUtf8(typed))});
            EXPECT_EQ(payment.txtBill->text(), "25,00") << typed;
            EXPECT_EQ(payment.txtChange->text(), "0.00") << typed;
            m_dialogs->clearRecords();
        }

        // Ten percent off, taken once however often "berechnen" is pressed.
        payment.txtAdvance->setText("10");
        for (int press = 0; press < 2; ++press) {
            payment.vOk->click();
            EXPECT_EQ(payment.txtBill->text(), "22,50");
            EXPECT_EQ(payment.txtChange->text(), "7,50");
        }
        EXPECT_TRUE(m_dialogs->messages().empty());

        // Two decimals pass, as do zeros after them: nothing to round.
        payment.txtAdvance->setText("12,50");
        payment.txtamount->setText("50,000");
        payment.vOk->click();
        EXPECT_EQ(payment.txtBill->text(), "21,88"); // 25,00 less 12,5 % is 21,875
        EXPECT_EQ(payment.txtamount->text(), "50,00");
        EXPECT_EQ(payment.txtChange->text(), "28,12");

        // The keypad's "5" after the checked "50,00" is a slip, refused by
        // "OK" and by "Bar" alike; the change counted before stays.
        payment.vTaste[5]->click();
        EXPECT_EQ(payment.txtamount->text(), "50,005");
        payment.vOk->click();
        payment.cmdSales->click();
        EXPECT_EQ(m_dialogs->messageTexts(), QStringList(2, notANumber.arg("50,005")));
        EXPECT_EQ(payment.txtChange->text(), "28,12");
        EXPECT_EQ(count("Sales"), 0);

        payment.txtamount->setText("50");
        readNextPreview();
        payment.cmdCredit->click();
    });
    // Stored, printed and owed: what was paid for, the discount taken off,
    // with the tax contained in it (15,32 at 19 % and 6,56 at 7 %).
    EXPECT_EQ(scalar("SELECT totalsales || '|' || mwst1 || '|' || mwst2 FROM Sales").toString(), "2188|245|43");
    EXPECT_EQ(scalar("SELECT accountbalance FROM Customer WHERE CustomerID = 1").toLongLong(), 5000 + 2188);
    EXPECT_THAT(m_printed, IsSupersetOf({"Total 21,88", "Rabatt 12,5%", "Gegeben 50,00", "Rückgeld 28,12",
                                         "Inkl. MwSt: 19% 2,45"}));
}

// Only an amount within range is booked and gets an invoice.
TEST_F(PaymentTest, AccountPaymentLowersTheBalanceAndPrintsTheInvoice)
{
    exec("UPDATE Customer SET accountbalance = 10000 WHERE CustomerID = 1");
    FrmPayment &payment = frmPayment();
    payment.AccountMode = true;
    EXPECT_FALSE(payment.cmdOK->isHidden());
    payment.cboCustomer->setCurrentIndex(0);
    EXPECT_EQ(payment.txtAdvance->text(), "100,00");
    payment.txtamount->setText("50");
    const QString notBooked = "Der gezahlte Betrag „%1“ ist keine gültige Zahl: ein Betrag hat höchstens zwei "
                              "Nachkommastellen, z. B. 30 oder 30,00. Es wurde nichts gebucht.";
    for (const char *typed : {"12,345", "zwölf", "0,001", "1.5"}) {
        SCOPED_TRACE(typed);
        payment.txtCash->setText(QString::fromUtf8(typed));
        enter(payment.txtamount);
        EXPECT_EQ(m_dialogs->messageTexts(),
                  QStringList{QString("Der gezahlte Betrag „%1“ ist keine gültige Zahl: ein Betrag hat höchstens "
                                      "zwei Nachkommastellen, z. B. 50 oder 50,00.")
                                  .arg(QString::fromUtf8(typed))});
        m_dialogs->clearRecords();
        payment.cmdOK->setEnabled(true);
        payment.cmdOK->click();
        EXPECT_EQ(m_dialogs->messageTexts(), QStringList{notBooked.arg(QString::fromUtf8(typed))});
        m_dialogs->clearRecords();
    }
    payment.txtCash->clear();
    payment.cmdOK->click();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{"Bitte den gezahlten Betrag angeben. Es wurde nichts gebucht."});
    m_dialogs->clearRecords();
    EXPECT_EQ(scalar("SELECT accountbalance FROM Customer WHERE CustomerID = 1").toLongLong(), 10000);

    // A balance the payment would take below the smallest amount.
    exec("UPDATE Customer SET accountbalance = -9223372036854775000 WHERE CustomerID = 1");
    frmCustomer().ADOCustomer.refresh();
    payment.txtCash->setText("10,00");
    payment.cmdOK->click();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{"Der neue Kontostand wäre zu groß für die Kasse. Bitte den "
                                                     "gezahlten Betrag prüfen. Es wurde nichts gebucht."});
    EXPECT_EQ(scalar("SELECT accountbalance FROM Customer WHERE CustomerID = 1").toLongLong(),
              Q_INT64_C(-9223372036854775000));
    EXPECT_TRUE(m_dialogs->shownWindows().isEmpty()) << "no invoice for a payment not booked";

    exec("UPDATE Customer SET accountbalance = 10000 WHERE CustomerID = 1");
    frmCustomer().ADOCustomer.refresh();
    payment.txtCash->setText("12,34");
    enter(payment.txtamount);
    EXPECT_EQ(payment.txtChange->text(), "37,66");
    readNextPreview();
    payment.cmdOK->click();
    EXPECT_EQ(scalar("SELECT accountbalance FROM Customer WHERE CustomerID = 1").toLongLong(), 10000 - 1234);
    EXPECT_EQ(m_dialogs->shownWindows(), QStringList{"Invoice"});
    EXPECT_THAT(m_printed, IsSupersetOf({"Current Balance 100,00 Cash 50,00", "Rem. Balance 87,66"}));
    EXPECT_FALSE(payment.cmdOK->isEnabled());
    EXPECT_EQ(payment.cmdCancel->text(), "Close");
    EXPECT_EQ(count("Sales"), 0);
}

TEST_F(PaymentTest, NothingIsStoredThatWasNotPaidOrHasNoCustomerOrLines)
{
    FrmSales &sales = salesScreenFor("1");
    // No lines: "Kasse" opens nothing.
    sales.cmdPayment->click();
    EXPECT_THAT(m_dialogs->messageTexts().join('\n').toStdString(), HasSubstr("Bestellung ist leer"));
    EXPECT_FALSE(screens().isLoaded<FrmPayment>());

    sell(sales, "100", "2"); // 5,00
    m_dialogs->clearRecords();
    pay(sales, [this](FrmPayment &payment) {
        // "Clr" empties the amount: nothing tendered, not an untouched box.
        payment.vClr->click();
        payment.cmdSales->click();
        EXPECT_EQ(m_dialogs->messageTexts(), QStringList{"Bezahlung Unzureichend..."});
        // A delivery to a customer number nobody has.
        payment.txtamount->setText("5");
        payment.cboNo->setEditText("999");
        payment.cmdCredit->click();
        EXPECT_EQ(m_dialogs->messageTexts().last(), "Kunde nicht gefunden!");
        EXPECT_EQ(count("Sales"), 0);
        EXPECT_TRUE(payment.isVisible());
        payment.cmdCancel->click();
    });
    EXPECT_EQ(count("Sales"), 0);
    EXPECT_EQ(scalar("SELECT Quantity FROM Products WHERE ProductID = 1").toLongLong(), 10);

    // The amount left as the dialog opened means paid exactly. Meanwhile
    // another till stored the number the dialog shows: the sale takes the
    // next and shows and prints it.
    pay(sales, [this](FrmPayment &payment) {
        EXPECT_EQ(payment.txtid->text(), "1");
        exec("INSERT INTO Sales (salesid, totalsales) VALUES (1, 100)");
        readNextPreview();
        payment.cmdSales->click();
        EXPECT_EQ(payment.txtid->text(), "2");
    });
    EXPECT_EQ(scalar("SELECT totalsales FROM Sales WHERE salesid = 2").toLongLong(), 500);
    EXPECT_THAT(m_printed, IsSupersetOf({"Gegeben 5,00", "Rückgeld 0,00"}));
    EXPECT_THAT(m_printed.join('\n').toStdString(), HasSubstr("Beleg-Nr 2"));
}

TEST_F(PaymentTest, AReceiptThatCannotBeFilledKeepsTheSaleAndTheProgram)
{
    // A record source without the line amount that the layout prints.
    exec("DROP VIEW Receipt");
    exec("CREATE VIEW Receipt AS SELECT d.salesid AS salesid, d.quantity AS Quantity FROM SalesDetails d");
    FrmSales &sales = orderOf25();
    pay(sales, [](FrmPayment &payment) { payment.cmdSales->click(); });
    EXPECT_EQ(count("Sales"), 1);
    EXPECT_EQ(count("SalesDetails"), 2);
    ASSERT_EQ(m_dialogs->messages().size(), size_t(1));
    EXPECT_THAT(m_dialogs->messages().front().text.toStdString(), HasSubstr("kann nicht angezeigt werden"));
    EXPECT_FALSE(m_dialogs->programEnded());
    EXPECT_FALSE(screens().isLoaded<FrmPayment>());
    EXPECT_EQ(sales.order().count(), 0);
    EXPECT_EQ(sales.mwst1->text(), "0");
}
