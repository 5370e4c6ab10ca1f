#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "data/recordset.h"
#include "support/fixture.h"
#include "till/accountpayment.h"

class AccountPaymentTest : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        exec("INSERT INTO Customer VALUES (7, 'Anna Groß', 'Weg 2', '50667 Köln', '0221 123', 1250),"
             " (8, 'Bernd', 'Weg 3', '50667 Köln', '0221 456', -300)");
        ASSERT_TRUE(customers.open(m_db.get(), "Customer", false));
    }

    qint64 storedBalance(int customerId)
    {
        return scalar("SELECT accountbalance FROM Customer WHERE CustomerID = ?1", {customerId}).toLongLong();
    }

    Recordset customers;
};

TEST_F(AccountPaymentTest, APaymentLowersTheBalanceByWhatWasPaidAndTheSharedListShowsTheCustomer)
{
    const AccountPayment booking = bookAccountPayment(customers, "7", "10,00");
    EXPECT_EQ(booking.outcome, AccountPayment::Outcome::Booked);
    EXPECT_EQ(booking.balanceBefore.cents(), 1250);
    ASSERT_TRUE(booking.balanceAfter);
    EXPECT_EQ(booking.balanceAfter->cents(), 250);
    EXPECT_EQ(storedBalance(7), 250);
    EXPECT_EQ(storedBalance(8), -300);
    EXPECT_EQ(customers.recordCount(), 1);
    EXPECT_EQ(customers.text("Customername"), "Anna Groß");
    EXPECT_EQ(customers.money("accountbalance").cents(), 250);

    // Paying more than owed leaves a credit; a customer in credit pays on.
    EXPECT_EQ(bookAccountPayment(customers, "8", "1.000,5").balanceAfter->cents(), -300 - 100050);
    EXPECT_EQ(storedBalance(8), -100350);

    // Random balances and amounts typed in German notation, against integer
    // arithmetic in cents.
    std::mt19937 random(16);
    std::uniform_int_distribution<qint64> cents(-2'000'000, 2'000'000);
    for (int round = 0; round < 50; ++round) {
        const qint64 before = cents(random);
        const qint64 paid = std::abs(cents(random));
        exec("UPDATE Customer SET accountbalance = ?1 WHERE CustomerID = 7", {before});
        ASSERT_TRUE(customers.open(m_db.get(), "Customer", false));
        const QString typed = QStringLiteral("%1,%2").arg(paid / 100).arg(paid % 100, 2, 10, QLatin1Char('0'));
        const AccountPayment result = bookAccountPayment(customers, "7", typed);
        ASSERT_EQ(result.outcome, AccountPayment::Outcome::Booked) << typed.toStdString();
        EXPECT_EQ(result.balanceBefore.cents(), before);
        EXPECT_EQ(result.balanceAfter->cents(), before - paid) << typed.toStdString();
        EXPECT_EQ(storedBalance(7), before - paid) << typed.toStdString();
    }
}

TEST_F(AccountPaymentTest, NothingIsBookedToNoOneNorForAnAmountThatIsNoAmountOrOutOfRange)
{
    AccountPayment booking = bookAccountPayment(customers, "99", "10,00");
    EXPECT_EQ(booking.outcome, AccountPayment::Outcome::CustomerNotFound);
    EXPECT_FALSE(booking.balanceAfter);
    booking = bookAccountPayment(customers, "", "10,00");
    EXPECT_EQ(booking.outcome, AccountPayment::Outcome::CustomerNotFound);

    // Nor for a slip: more than two decimals is refused, never rounded.
    for (const char *typed : {"zehn", "", "10,00 €", "12,345", "0,001", "1.5"}) {
        booking = bookAccountPayment(customers, "7", typed);
        EXPECT_EQ(booking.outcome, AccountPayment::Outcome::NotAnAmount) << typed;
        EXPECT_FALSE(booking.balanceAfter) << typed << ": no invoice is printed";
    }
    // A balance that the payment would take out of range books nothing.
    exec("UPDATE Customer SET accountbalance = -9223372036854775000 WHERE CustomerID = 8");
    ASSERT_TRUE(customers.open(m_db.get(), "Customer", false));
    booking = bookAccountPayment(customers, "8", "10,00");
    EXPECT_EQ(booking.outcome, AccountPayment::Outcome::OutOfRange);
    EXPECT_FALSE(booking.balanceAfter);
    EXPECT_EQ(storedBalance(8), Q_INT64_C(-9223372036854775000));
    EXPECT_EQ(bookAccountPayment(customers, "8", "8,08").balanceAfter->cents(), std::numeric_limits<qint64>::min());
    exec("UPDATE Customer SET accountbalance = -300 WHERE CustomerID = 8");
    EXPECT_EQ(storedBalance(7), 1250);
    EXPECT_EQ(storedBalance(8), -300);
}

TEST_F(AccountPaymentTest, ARefusedWriteIsReportedAndLeavesTheBalanceAsStored)
{
    exec("CREATE TRIGGER Refuse BEFORE UPDATE ON Customer BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    const AccountPayment booking = bookAccountPayment(customers, "7", "10,00");
    EXPECT_EQ(booking.outcome, AccountPayment::Outcome::NotStored);
    EXPECT_TRUE(booking.error.contains("disk full")) << booking.error.toStdString();
    EXPECT_FALSE(booking.balanceAfter);
    EXPECT_EQ(storedBalance(7), 1250);
    EXPECT_EQ(customers.money("accountbalance").cents(), 1250) << "the shared list shows what is stored";

    // Paying nothing writes nothing, so nothing can be refused.
    const AccountPayment nothing = bookAccountPayment(customers, "7", "0");
    EXPECT_EQ(nothing.outcome, AccountPayment::Outcome::Booked);
    EXPECT_EQ(nothing.balanceAfter->cents(), 1250);
}
