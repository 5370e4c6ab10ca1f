#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>

#include "platform/screens.h"
#include "masterdata/frmproduct.h"
#include "masterdata/frmproductdelivery.h"
#include "masterdata/frmproductupdate.h"
#include "editortest.h"

// The stock list and the delivery booking it opens.

namespace {
const QString Today = QDate::currentDate().toString(Qt::ISODate);

class Stock : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        exec("INSERT INTO Products (ProductID, Category, Description, Size, Quantity, OrderPrice, SalesPrice) VALUES"
             " (1, 'Pizza', 'Margherita', '30cm', 12, 123450, 250), (2, 'Getränke', 'Cola', '0,33l', 3, 45, 190),"
             " (12, 'Pizza', 'Salami', '26cm', 0, 100, 700)");
    }

    // The product's stock and prices as stored.
    QString product(qint64 id)
    {
        return scalar("SELECT Quantity || ' ' || OrderPrice || ' ' || SalesPrice FROM Products WHERE ProductID = ?1",
                      {id})
            .toString();
    }
    QString deliveries()
    {
        return scalar(
                   "SELECT group_concat(deliveryno || ' ' || prodno || ' ' || quantity || ' ' || orderprice || ' ' ||"
                   " Date, '|') FROM (SELECT * FROM Deliveries ORDER BY rowid)")
            .toString();
    }

    // The row of the product's line in the stock list.
    static int line(const QString &productId)
    {
        const QStringList ids = listedIds(frmProductUpdate());
        EXPECT_EQ(ids.count(productId), 1) << productId.toStdString();
        return static_cast<int>(ids.indexOf(productId));
    }
    static QStringList lineOf(const QString &productId)
    {
        return lineTexts(frmProductUpdate().LvProduct, line(productId));
    }
    // "Best.", "Vorh.", "Verk.", "EK" and "VK" of the product's line.
    static QStringList stockLine(const QString &productId) { return lineOf(productId).mid(4); }
    static QStringList listedIds(FrmProductUpdate &list) { return listLines(list.LvProduct, 1); }
    static QStringList search(FrmProductUpdate &list, const QString &text)
    {
        list.txtSearch->setText(text);
        list.btnSearch->click();
        return listedIds(list);
    }

    // Id, description, quantity, order and sales price as the booking's boxes hold them.
    static QStringList boxes(FrmProductDelivery &booking)
    {
        return {booking.txtNo->text(), booking.txtDescription->text(), booking.txtQuantity->text(),
                booking.txtorder->text(), booking.txtsales->text()};
    }
    static void fill(FrmProductDelivery &booking, const QStringList &numberAndBoxes)
    {
        booking.cboNumber->setEditText(numberAndBoxes[0]);
        booking.txtNo->setText(numberAndBoxes[1]);
        booking.txtQuantity->setText(numberAndBoxes[2]);
        booking.txtorder->setText(numberAndBoxes[3]);
        booking.txtsales->setText(numberAndBoxes[4]);
    }
    static QStringList numberList(FrmProductDelivery &booking)
    {
        QStringList numbers;
        for (int i = 0; i < booking.cboNumber->count(); ++i)
            numbers << booking.cboNumber->itemText(i);
        return numbers;
    }

    // The next booking screen shown is handed to `user`, who fills it in and
    // clicks, instead of waiting for a real one.
    void onBooking(std::function<void(FrmProductDelivery &)> user)
    {
        m_dialogs->onModal([user](QDialog *window) {
            user(*static_cast<FrmProductDelivery *>(window));
            return 0;
        });
    }
    // Selects the product's line in the stock list (none for an empty id) and clicks "Wählen".
    void choose(const QString &productId, std::function<void(FrmProductDelivery &)> user)
    {
        onBooking(std::move(user));
        FrmProductUpdate &list = frmProductUpdate();
        if (productId.isEmpty())
            list.LvProduct->selectionModel()->clear();
        else
            list.LvProduct->setCurrentIndex(list.LvProduct->model()->index(line(productId), 0));
        list.btnSelect->click();
        processEvents();
    }
};
} // namespace

TEST_F(Stock, ListsEveryProductWithItsStockAndGermanPrices)
{
    exec("INSERT INTO Deliveries VALUES (1, 1, 4, 123450, '2026-01-05'), (2, 1, 6, 123450, '2026-01-09')");
    exec("INSERT INTO SalesDetails VALUES (1, 1, 2, 250)");
    FrmProductUpdate &list = frmProductUpdate();
    ASSERT_EQ(listedIds(list), QStringList({"1", "2", "12"}));
    // Delivered 4 + 6, on hand 12, sold 2; prices grouped with two decimals.
    EXPECT_EQ(lineOf("1"), QStringList({"1", "Pizza", "Margherita", "30cm", "10", "12", "2", "1.234,50", "2,50"}));
    EXPECT_EQ(lineOf("2"), QStringList({"2", "Getränke", "Cola", "0,33l", "0", "3", "0", "0,45", "1,90"}));
    EXPECT_TRUE(list.ADOProductInventory->eof()) << "the list is filled to the recordset's end";
}

TEST_F(Stock, AListOfThousandsShowsEveryLineWhereverItIsReadFrom)
{
    // More lines than the list keeps read at a time, each its own figures,
    // stored in descending ids and listed as the stock's record source
    // hands them over, by id.
    exec("WITH RECURSIVE n(i) AS (SELECT 3599 UNION ALL SELECT i - 1 FROM n WHERE i > 100)"
         " INSERT INTO Products (ProductID, Category, Description, Quantity, OrderPrice, SalesPrice)"
         " SELECT i, 'K' || (i % 7), 'Artikel ' || i, i % 50, i, 2 * i FROM n");
    FrmProductUpdate &list = frmProductUpdate();
    const auto expected = [](int id) {
        const auto cents = [](int value) {
            return QString("%1,%2").arg(value / 100).arg(value % 100, 2, 10, QChar('0'));
        };
        return QStringList({QString::number(id), QString("K%1").arg(id % 7), QString("Artikel %1").arg(id), "", "0",
                            QString::number(id % 50), "0", cents(id), cents(2 * id)});
    };
    ASSERT_EQ(list.LvProduct->model()->rowCount(), 3 + 3500);
    // Forwards, backwards and forwards again: lines read anew after others
    // were read in between show the same.
    for (const int step : {1, -1, 1}) {
        SCOPED_TRACE(step);
        for (int line = step > 0 ? 3 : 3502; line >= 3 && line < 3503; line += step * 61)
            ASSERT_EQ(lineTexts(list.LvProduct, line), expected(97 + line));
    }
    EXPECT_EQ(lineTexts(list.LvProduct, 3502), expected(3599));
}

// A stock whose rows cannot be read (a damaged file, a value the database
// cannot compute) or whose view is gone says so, rather than showing a shop
// without products.
TEST_F(Stock, AStockThatCannotBeReadIsReportedNotListedEmpty)
{
    const QString created = scalar("SELECT sql FROM sqlite_master WHERE name = 'ProductInventory'").toString();
    const QString rowsFail = "CREATE VIEW ProductInventory AS SELECT * FROM (" +
                             created.mid(created.indexOf(" AS ", 0, Qt::CaseInsensitive) + 4) +
                             ") WHERE abs(-9223372036854775807 - 1)";
    for (const QString &unreadable : {rowsFail, QString()}) {
        exec("DROP VIEW ProductInventory");
        if (!unreadable.isEmpty())
            exec(unreadable);
        m_dialogs->clearRecords();
        FrmProductUpdate &list = shown(frmProductUpdate());
        processEvents();
        ASSERT_EQ(m_dialogs->messages().size(), 1u) << unreadable.toStdString();
        EXPECT_TRUE(m_dialogs->messages()[0].text.startsWith("Der Lagerbestand konnte nicht gelesen werden: "))
            << m_dialogs->messages()[0].text.toStdString();
        EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbExclamation);
        EXPECT_EQ(list.LvProduct->model()->rowCount(), 0);
        screens().unload<FrmProductUpdate>();
        processEvents();
        exec("DROP VIEW IF EXISTS ProductInventory");
        exec(created);
    }
}

TEST_F(Stock, SearchShowsOnlyTheProductWithThatIdUntilEnde)
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

TEST_F(Stock, SelectAndDoubleClickHandTheLineToTheBookingEvenWithoutALine)
{
    FrmProductUpdate &list = shown(frmProductUpdate());
    QStringList handed;
    const auto record = [&handed](FrmProductDelivery &booking) {
        handed = boxes(booking);
        booking.btnCancel->click();
    };
    choose("1", record);
    EXPECT_EQ(m_dialogs->shownWindows(), QStringList{"frmProductDelivery"});
    EXPECT_EQ(handed, QStringList({"1", "Margherita", "0", "1.234,50", "2,50"}));

    onBooking(record);
    clickLine(list.LvProduct, 1, true);
    processEvents();
    EXPECT_EQ(m_dialogs->shownWindows().size(), 2);
    EXPECT_EQ(handed, QStringList({"2", "Cola", "0", "0,45", "1,90"}));

    // Without a line, "Wählen" still opens the booking, empty but for the quantity.
    search(list, "99");
    choose("", record);
    EXPECT_EQ(m_dialogs->shownWindows().size(), 3);
    EXPECT_EQ(handed, QStringList({"", "", "0", "", ""}));
}

TEST_F(Stock, BookingRaisesTheStockSetsThePricesAndRewritesTheLine)
{
    choose("1", [](FrmProductDelivery &booking) {
        EXPECT_EQ(booking.cboNumber->currentText(), "1");
        EXPECT_EQ(booking.DTDate->date(), QDate::currentDate());
        booking.txtQuantity->setText("5");
        booking.txtorder->setText("3,00");
        booking.btnUpdate->click();
    });
    EXPECT_EQ(product(1), "17 300 250");
    EXPECT_EQ(deliveries(), "1 1 5 300 " + Today);
    expectMessage("Margherita erfolgreich aktualisiert...", mb::vbInformation);
    EXPECT_EQ(stockLine("1"), QStringList({"5", "17", "0", "3,00", "2,50"}));
    EXPECT_FALSE(screens().isLoaded<FrmProductDelivery>()) << "the booking closes itself";

    // The shared product recordset is left on the booked product, as stored.
    Recordset &products = frmProduct().ADOProduct.recordset();
    EXPECT_EQ(QString::number(products.recordCount()) + ' ' + products.text("Quantity"), "1 17");

    // A second delivery of the same product, at a new price: the line shows
    // everything delivered so far, not only this delivery.
    choose("1", [](FrmProductDelivery &booking) {
        EXPECT_EQ(booking.cboNumber->currentText(), "2");
        EXPECT_EQ(booking.txtorder->text(), "3,00") << "handed over from the rewritten line";
        booking.txtQuantity->setText("3");
        booking.txtorder->setText("1.250,5");
        booking.btnUpdate->click();
    });
    EXPECT_EQ(product(1), "20 125050 250");
    EXPECT_EQ(stockLine("1"), QStringList({"8", "20", "0", "1.250,50", "2,50"}));
    EXPECT_EQ(stockLine("2"), QStringList({"0", "3", "0", "0,45", "1,90"})) << "other lines stay";
}

TEST_F(Stock, EndeStoresNothingAndTheSameNumberIsProposedAgain)
{
    exec("INSERT INTO Deliveries VALUES (1, 2, 2, 45, '2026-01-05')");
    choose("1", [](FrmProductDelivery &booking) {
        EXPECT_EQ(booking.cboNumber->currentText(), "2");
        booking.txtQuantity->setText("5");
        booking.btnCancel->click();
    });
    EXPECT_EQ(count("Deliveries"), 1);
    EXPECT_EQ(product(1), "12 123450 250");
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_FALSE(screens().isLoaded<FrmProductDelivery>());

    // Closing the window is the same as "Ende".
    choose("1", [](FrmProductDelivery &booking) { booking.close(); });
    EXPECT_FALSE(screens().isLoaded<FrmProductDelivery>());
    EXPECT_EQ(count("Deliveries"), 1);
    EXPECT_EQ(frmProductDelivery().cboNumber->currentText(), "2");
}

TEST_F(Stock, NumberBoxListsTheNumbersInUseAndEveryNumberTyped)
{
    for (int number : {1, 5, 3, 4})
        exec("INSERT INTO Deliveries VALUES (?1, 1, 1, 300, '2026-01-05')", {number});
    FrmProductDelivery &booking = frmProductDelivery();
    // Four rows, but 5 is in use: the next free number is 6.
    EXPECT_EQ(booking.cboNumber->currentText(), "6");
    EXPECT_EQ(numberList(booking), QStringList({"1", "5", "3", "4", "6"}));

    booking.cboNumber->lineEdit()->clear();
    QTest::keyClicks(booking.cboNumber->lineEdit(), "67");
    EXPECT_EQ(numberList(booking), QStringList({"1", "5", "3", "4", "6", "67"}));

    // A booking under a number in use adds a row to that delivery and uses
    // no new number.
    fill(booking, {"3", "2", "1", "0,45", "1,90"});
    booking.btnUpdate->click();
    EXPECT_EQ(scalar("SELECT count(*) FROM Deliveries WHERE deliveryno = 3").toInt(), 2);
    processEvents();
    EXPECT_EQ(frmProductDelivery().cboNumber->currentText(), "6");
}

TEST_F(Stock, RefusedBookingStoresNothingAndKeepsWhatWasTyped)
{
    exec("INSERT INTO Deliveries VALUES (1, 2, 2, 45, '2026-01-05')");
    const QString before = deliveries() + product(1) + product(2);
    // The booking's rules refuse it; the screen shows why and stays with what was typed.
    FrmProductDelivery &booking = frmProductDelivery();
    const QStringList typed = {"2", "1", "fünf", "3,00", "6,50"};
    fill(booking, typed);
    booking.btnUpdate->click();
    expectMessage("Die Anzahl „fünf“ ist keine gültige Zahl: bitte mit Komma, höchstens drei Nachkommastellen und "
                  "ohne Tausenderpunkt, z. B. 12 oder 2,5.",
                  mb::vbExclamation);
    EXPECT_EQ(deliveries() + product(1) + product(2), before);
    EXPECT_TRUE(screens().isLoaded<FrmProductDelivery>()) << "the screen stays open";
    EXPECT_EQ(boxes(booking).mid(2), typed.mid(2)) << "what was typed stays";

    // A write the database refuses half way takes the delivery row back too.
    exec("CREATE TRIGGER full BEFORE UPDATE ON Products BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    fill(booking, {"2", "1", "5", "3,00", "6,50"});
    booking.btnUpdate->click();
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_TRUE(m_dialogs->messages()[0].text.startsWith("Die Lieferung wurde nicht gespeichert."));
    EXPECT_EQ(deliveries() + product(1) + product(2), before);
    EXPECT_TRUE(screens().isLoaded<FrmProductDelivery>());
}

// What the booking refuses is the booking's rule; the screen books the
// till's limits themselves: the largest quantity and a gram.
TEST_F(Stock, TheBookingTakesTheTillsLargestQuantityAndAGram)
{
    choose("1", [](FrmProductDelivery &booking) {
        fill(booking, {"2", "1", "9999", "1.000,00", "12,50"});
        booking.btnUpdate->click();
    });
    choose("1", [](FrmProductDelivery &booking) {
        fill(booking, {"3", "1", "0,001", "1.000,10", "12,5"});
        booking.btnUpdate->click();
    });
    EXPECT_EQ(deliveries(), QString("2 1 9999 100000 %1|3 1 0.001 100010 %1").arg(Today));
    EXPECT_EQ(product(1), "10011.001 100010 1250");
}

// A search shows the figures as stored, also right after a booking, and a
// line handed to the booking is read again first: a booking proposes no
// figure older than what is stored.
TEST_F(Stock, SearchAndHandOverShowTheFiguresAsStoredNow)
{
    exec("INSERT INTO Products (ProductID, Category, Description, Size, Quantity, OrderPrice, SalesPrice) VALUES"
         " (5, 'Backen', 'Mehl', 'kg', 25.5, 120, 199)");
    FrmProductUpdate &list = shown(frmProductUpdate());
    choose("5", [](FrmProductDelivery &booking) {
        booking.txtQuantity->setText("10,25");
        booking.txtorder->setText("1,25");
        booking.btnUpdate->click();
    });
    m_dialogs->clearRecords();
    EXPECT_EQ(search(list, "5"), QStringList{"5"});
    EXPECT_EQ(stockLine("5"), QStringList({"10,25", "35,75", "0", "1,25", "1,99"}));

    // Booking again from the searched line proposes, and keeps, the price booked before.
    QStringList handed;
    choose("5", [&handed](FrmProductDelivery &booking) {
        handed = boxes(booking);
        booking.txtQuantity->setText("1");
        booking.btnUpdate->click();
    });
    EXPECT_EQ(handed, QStringList({"5", "Mehl", "0", "1,25", "1,99"}));
    EXPECT_EQ(product(5), "36.75 125 199");
    EXPECT_EQ(stockLine("5"), QStringList({"11,25", "36,75", "0", "1,25", "1,99"}));

    // Figures another program changed while the list was open are read
    // again for the line handed over, and only for it.
    exec("UPDATE Products SET Quantity = 40, OrderPrice = 130, SalesPrice = 249 WHERE ProductID IN (2, 5)");
    exec("INSERT INTO SalesDetails VALUES (1, 5, 2, 249)");
    choose("5", [&handed](FrmProductDelivery &booking) {
        handed = boxes(booking);
        booking.btnCancel->click();
    });
    EXPECT_EQ(handed, QStringList({"5", "Mehl", "0", "1,30", "2,49"}));
    EXPECT_EQ(stockLine("5"), QStringList({"11,25", "40", "2", "1,30", "2,49"}));
    EXPECT_EQ(search(list, "2"), QStringList{"2"});
    EXPECT_EQ(stockLine("2"), QStringList({"0", "40", "0", "1,30", "2,49"}));
}

// A price box left as proposed stands for the price stored when the booking
// is made: a price another program set meanwhile is not written back over
// with the older proposal. A price typed is stored as typed.
TEST_F(Stock, ABookingNeverWritesAnOlderPriceOverANewerOne)
{
    struct Case
    {
        QString orderTyped; // empty: left as proposed
        QString salesTyped;
        QString stored;   // quantity, order and sales price in cents
        QStringList line; // "Best.", "Vorh.", "Verk.", "EK", "VK"
        QString delivery; // the delivery's quantity and order price
    };
    const Case cases[] = {
        {"", "", "14 700 800", {"2", "14", "0", "7,00", "8,00"}, "2 700"},
        {"", "3,00", "16 700 300", {"4", "16", "0", "7,00", "3,00"}, "2 700"},
        {"4,00", "", "18 400 800", {"6", "18", "0", "4,00", "8,00"}, "2 400"},
        {"5,00", "6,00", "20 500 600", {"8", "20", "0", "5,00", "6,00"}, "2 500"},
    };
    for (const Case &c : cases) {
        // The stock list shows the prices as stored before the other program's change.
        exec("UPDATE Products SET OrderPrice = 123450, SalesPrice = 250 WHERE ProductID = 1");
        screens().unload<FrmProductUpdate>();
        processEvents();
        shown(frmProductUpdate());
        choose("1", [this, &c](FrmProductDelivery &booking) {
            exec("UPDATE Products SET OrderPrice = 700, SalesPrice = 800 WHERE ProductID = 1");
            booking.txtQuantity->setText("2");
            if (!c.orderTyped.isEmpty())
                booking.txtorder->setText(c.orderTyped);
            if (!c.salesTyped.isEmpty())
                booking.txtsales->setText(c.salesTyped);
            booking.btnUpdate->click();
        });
        const std::string what = (c.orderTyped + " / " + c.salesTyped).toStdString();
        EXPECT_EQ(product(1), c.stored) << what;
        EXPECT_EQ(stockLine("1"), c.line) << what;
        EXPECT_EQ(scalar("SELECT quantity || ' ' || orderprice FROM Deliveries ORDER BY rowid DESC LIMIT 1").toString(),
                  c.delivery)
            << what;
        m_dialogs->clearRecords();
    }
}
