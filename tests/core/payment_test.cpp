#include <random>

#include <gtest/gtest.h>

#include "platform/locale.h"
#include "till/payment.h"

namespace {
Money euros(const char *text)
{
    return *de::parseMoney(QString::fromLatin1(text));
}

Money cents(std::int64_t value)
{
    return Money::fromCents(value);
}

// An order of one amount, all of it at the given rate ("" untaxed).
OrderSums orderOf(Money amount, const QString &rate)
{
    Order order;
    order.add({"1", {}, {}, "1", {}, amount, rate});
    return order.sums();
}

// Integer arithmetic of the test's own: a ÷ b rounded half up, a, b ≥ 0.
std::int64_t roundedQuotient(std::int64_t a, std::int64_t b)
{
    return (2 * a + b) / (2 * b);
}

// The tax in a gross amount of cents at 19 or 7 percent.
std::int64_t taxIn(std::int64_t gross, std::int64_t rate)
{
    return roundedQuotient(gross * rate, 100 + rate);
}

// A percentage in hundredths as the cashier types it: 1250 is "12,5".
QString percentText(std::int64_t hundredths)
{
    return de::formatGeneral(static_cast<double>(hundredths) / 100.0);
}
} // namespace

TEST(PaymentAmounts, DiscountIsTakenOffTheAmountHandedOverOnce)
{
    Order order;
    order.add({"1", {}, {}, "1", {}, euros("17,50"), "19"});
    order.add({"2", {}, {}, "1", {}, euros("7,50"), "7"});
    PaymentAmounts amounts(order.sums());
    EXPECT_EQ(amounts.discountText(), "0");
    // No discount: the order's own tax sums, line by line.
    EXPECT_EQ(amounts.fullRateTax(), order.fullRateTax());
    ASSERT_TRUE(amounts.applyDiscount("0"));
    EXPECT_EQ(amounts.reducedRateTax(), order.reducedRateTax());
    ASSERT_TRUE(amounts.applyDiscount("10"));
    EXPECT_EQ(amounts.amountDue(), euros("22,50"));
    // Another percentage replaces the first.
    ASSERT_TRUE(amounts.applyDiscount("12,5"));
    EXPECT_EQ(amounts.amountDue(), euros("21,88")); // 21,875 rounded half up
    EXPECT_EQ(amounts.discountText(), "12,5");

    // All off, and the discount taken back again.
    PaymentAmounts allOff(orderOf(euros("19,99"), "19"));
    ASSERT_TRUE(allOff.applyDiscount("100"));
    EXPECT_EQ(allOff.amountDue(), Money());
    EXPECT_EQ(allOff.fullRateTax(), Money());
    ASSERT_TRUE(allOff.applyDiscount(""));
    EXPECT_EQ(allOff.amountDue(), euros("19,99"));
}

TEST(PaymentAmounts, DiscountedTaxIsTheTaxInWhatTheCustomerPays)
{
    // Every single-rate order up to 50,00 at the shop's usual discounts.
    for (const std::int64_t rate : {19, 7}) {
        const QString rateText = QString::number(rate);
        for (const std::int64_t discount : {300, 1000, 1250, 3300, 5000}) {
            for (std::int64_t total = 1; total <= 5000; ++total) {
                PaymentAmounts amounts(orderOf(cents(total), rateText));
                ASSERT_TRUE(amounts.applyDiscount(percentText(discount)));
                const std::int64_t due = roundedQuotient(total * (10000 - discount), 10000);
                const Money tax = rate == 19 ? amounts.fullRateTax() : amounts.reducedRateTax();
                const Money otherTax = rate == 19 ? amounts.reducedRateTax() : amounts.fullRateTax();
                if (amounts.amountDue() != cents(due) || tax != cents(taxIn(due, rate)) || !otherTax.isZero()) {
                    ADD_FAILURE() << total << " cents at " << rate << " % less " << discount / 100.0 << " %: due "
                                  << amounts.amountDue().cents() << ", tax " << tax.cents() << "; wanted " << due
                                  << ", " << taxIn(due, rate);
                    return;
                }
            }
        }
    }

    // Mixed orders: each rate's share of the amount due is its exact
    // proportion rounded half up; without untaxed lines the 7 % share is what
    // the 19 % share leaves, with them the untaxed rest takes what is left.
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> lineCount(1, 6);
    std::uniform_int_distribution<std::int64_t> amount(1, 8000);
    std::uniform_int_distribution<int> rateOf(0, 4);
    std::uniform_int_distribution<std::int64_t> discountOf(1, 10000);
    for (int run = 0; run < 4000; ++run) {
        Order order;
        std::int64_t gross19 = 0, gross7 = 0, untaxed = 0;
        for (int line = lineCount(random); line > 0; --line) {
            const std::int64_t lineCents = amount(random);
            const int kind = rateOf(random);
            const QString rate = kind < 2 ? "19" : kind < 4 ? "7" : "";
            (kind < 2 ? gross19 : kind < 4 ? gross7 : untaxed) += lineCents;
            order.add({"1", {}, {}, "1", {}, cents(lineCents), rate});
        }
        const std::int64_t discount = discountOf(random);
        PaymentAmounts amounts(order.sums());
        ASSERT_TRUE(amounts.applyDiscount(percentText(discount)));
        const std::int64_t total = gross19 + gross7 + untaxed;
        const std::int64_t due = roundedQuotient(total * (10000 - discount), 10000);
        ASSERT_EQ(amounts.amountDue(), cents(due));
        const std::int64_t share19 = roundedQuotient(due * gross19, total);
        const std::int64_t share7 = untaxed > 0 ? roundedQuotient(due * gross7, total) : due - share19;
        ASSERT_LE(share19 + share7, due);
        const bool matches =
            taxIn(share19, 19) == amounts.fullRateTax().cents() && taxIn(share7, 7) == amounts.reducedRateTax().cents();
        if (!matches) {
            ADD_FAILURE() << "run " << run << ": " << gross19 << " at 19 %, " << gross7 << " at 7 %, " << untaxed
                          << " untaxed, less " << discount / 100.0 << " %: tax " << amounts.fullRateTax().cents()
                          << " and " << amounts.reducedRateTax().cents();
            return;
        }
    }
}

// Random orders never share out exactly half a cent. Every order of a line
// at each rate up to 3,00, with or without an untaxed line, whose share at a
// rate is exactly half a cent of the amount due: the share is rounded away
// from zero, for a sale and for a return alike.
TEST(PaymentAmounts, AShareOfExactlyHalfACentIsRoundedAwayFromZero)
{
    int halves = 0;
    for (const std::int64_t discount : {5000, 2500, 1250})
        for (const std::int64_t untaxed : {0, 1})
            for (std::int64_t gross19 = 1; gross19 <= 300; ++gross19)
                for (std::int64_t gross7 = 1; gross7 <= 300; ++gross7) {
                    const std::int64_t total = gross19 + gross7 + untaxed;
                    const std::int64_t due = roundedQuotient(total * (10000 - discount), 10000);
                    const auto isHalf = [&](std::int64_t gross) { return due * gross % total * 2 == total; };
                    if (!isHalf(gross19) && !isHalf(gross7))
                        continue;
                    ++halves;
                    const std::int64_t share19 = roundedQuotient(due * gross19, total);
                    const std::int64_t share7 = untaxed ? roundedQuotient(due * gross7, total) : due - share19;
                    for (const std::int64_t sign : {1, -1}) {
                        Order order;
                        order.add({"1", {}, {}, "1", {}, cents(sign * gross19), "19"});
                        order.add({"2", {}, {}, "1", {}, cents(sign * gross7), "7"});
                        order.add({"3", {}, {}, "1", {}, cents(sign * untaxed), ""});
                        PaymentAmounts amounts(order.sums());
                        SCOPED_TRACE(testing::Message()
                                     << sign * gross19 << " at 19 %, " << sign * gross7 << " at 7 %, " << sign * untaxed
                                     << " untaxed, less " << discount / 100.0 << " %");
                        ASSERT_TRUE(amounts.applyDiscount(percentText(discount)));
                        ASSERT_EQ(amounts.fullRateTax().cents(), sign * taxIn(share19, 19));
                        ASSERT_EQ(amounts.reducedRateTax().cents(), sign * taxIn(share7, 7));
                    }
                }
    EXPECT_GT(halves, 1000);
}

TEST(PaymentAmounts, DiscountThatIsNoPercentageIsRefusedAndChangesNothing)
{
    PaymentAmounts amounts(orderOf(euros("25,00"), "19"));
    ASSERT_TRUE(amounts.applyDiscount("10"));
    for (const char *refused : {"abc", "-5", "100,01", "10%", "12.5"}) {
        EXPECT_FALSE(amounts.applyDiscount(QString::fromLatin1(refused))) << refused;
        EXPECT_EQ(amounts.amountDue(), euros("22,50")) << refused;
    }
}

TEST(PaymentAmounts, ChangeIsGivenOnlyForEnoughMoney)
{
    // The keypad's leading zero is read as a number.
    EXPECT_EQ(changeFor(euros("25,00"), "05"), std::nullopt);
    EXPECT_EQ(changeFor(euros("4,00"), "05"), euros("1,00"));
    // Nothing due: an amount of nothing is enough, no amount is not.
    EXPECT_EQ(changeFor(Money(), "0"), Money());
    EXPECT_EQ(changeFor(Money(), ""), std::nullopt);
    EXPECT_EQ(changeFor(Money(), "5,,"), std::nullopt);
}
