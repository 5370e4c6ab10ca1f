#include <gtest/gtest.h>

#include "platform/locale.h"
#include "till/payment.h"

namespace {
Money euros(const char *text)
{
    return *de::parseMoney(QString::fromLatin1(text));
}
} // namespace

TEST(PaymentAmounts, DiscountIsTakenOffTheAmountHandedOverOnce)
{
    PaymentAmounts amounts(euros("25,00"), euros("1,90"), euros("0,70"));
    EXPECT_EQ(amounts.discountText(), "0");
    ASSERT_TRUE(amounts.applyDiscount("10"));
    EXPECT_EQ(amounts.amountDue(), euros("22,50"));
    // The tax contained shrinks with the amount: 1,90 × 0,9 = 1,71; 0,70 × 0,9 = 0,63.
    EXPECT_EQ(amounts.fullRateTax(), euros("1,71"));
    EXPECT_EQ(amounts.reducedRateTax(), euros("0,63"));
    // Another percentage replaces the first.
    ASSERT_TRUE(amounts.applyDiscount("12,5"));
    EXPECT_EQ(amounts.amountDue(), euros("21,88")); // 21,875 rounded half up
    EXPECT_EQ(amounts.discountText(), "12,5");
    EXPECT_EQ(amounts.handedOver(), euros("25,00"));

    // 19,99 less 10 % is 17,991: the customer pays whole cents.
    PaymentAmounts odd(euros("19,99"), {}, {});
    ASSERT_TRUE(odd.applyDiscount("10"));
    EXPECT_EQ(odd.amountDue(), euros("17,99"));
    ASSERT_TRUE(odd.applyDiscount("100"));
    EXPECT_EQ(odd.amountDue(), Money());
    ASSERT_TRUE(odd.applyDiscount(""));
    EXPECT_EQ(odd.amountDue(), euros("19,99"));
}

TEST(PaymentAmounts, DiscountThatIsNoPercentageIsRefusedAndChangesNothing)
{
    PaymentAmounts amounts(euros("25,00"), {}, {});
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
