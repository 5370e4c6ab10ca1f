#include <limits>

#include <gtest/gtest.h>

#include "till/order.h"

namespace {
Money cents(std::int64_t value)
{
    return Money::fromCents(value);
}

OrderLine line(const char *productId, std::int64_t amountCents, const char *taxRate)
{
    return {QString::fromLatin1(productId), {}, {}, QStringLiteral("1"), {}, cents(amountCents),
            QString::fromLatin1(taxRate)};
}
} // namespace

TEST(Order, QuantitiesArePositiveBoundedAndAmountsNeverWrap)
{
    EXPECT_EQ(Order::parseQuantity("9999"), 9999.0);
    EXPECT_EQ(Order::parseQuantity(" 0,35 "), 0.35);
    EXPECT_EQ(Order::parseQuantity("0,1250"), 0.125); // grams, with a zero too many
    for (const char *refused :
         {"0", "0,00", "-2", "10000", "9999,01", "10000000000000", "1.250", "1.5", "", "x", "0,0001", "1,2345"})
        EXPECT_EQ(Order::parseQuantity(QString::fromLatin1(refused)), std::nullopt) << refused;

    const Money mostCents = Money::fromCents(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Order::lineAmount(2, mostCents), std::nullopt);
    EXPECT_EQ(Order::lineAmount(9999, Money::fromCents(100000000000000000)), std::nullopt);

    // A line whose amount would take the total out of range is not added.
    Order order;
    EXPECT_TRUE(order.add(line("1", std::numeric_limits<std::int64_t>::max() - 5, "19")));
    EXPECT_FALSE(order.add(line("2", 6, "7")));
    EXPECT_EQ(order.count(), 1);
    EXPECT_TRUE(order.reducedRateTax().isZero());
    EXPECT_TRUE(order.add(line("2", 5, "7")));
}

// The tax in each amount: see payment_test.cpp.
TEST(Order, OnlyTheShopsTwoRatesWrittenExactlySoCarryTax)
{
    for (const char *rate : {"19%", " 19", "7 ", ""})
        EXPECT_EQ(Order::taxContained(cents(1190), QString::fromLatin1(rate)), Money()) << rate;
}

TEST(Order, TaxSumsRoundEachLineInAndOutliveTheLines)
{
    Order order;
    order.add(line("1", 100, "7"));
    order.add(line("1", 100, "7"));
    order.add(line("2", 1190, "19"));
    // Each line's share is rounded into the sum: 0,14, not the 0,13 of 2,00.
    EXPECT_EQ(order.reducedRateTax(), cents(14));
    EXPECT_EQ(order.total(), cents(1390));

    // After a sale the lines go first; the tax sums stay for the receipt.
    order.clearLines();
    EXPECT_TRUE(order.isEmpty());
    EXPECT_EQ(order.total(), Money());
    EXPECT_EQ(order.fullRateTax(), cents(190));
    order.clearTaxSums();
    EXPECT_EQ(order.reducedRateTax(), Money());
    EXPECT_EQ(order.fullRateTax(), Money());
}
