#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/locale.h"
#include "platform/money.h"

namespace {
Money cents(qint64 c)
{
    return Money::fromCents(c);
}
} // namespace

TEST(Money, RoundsHalfAwayFromZero)
{
    EXPECT_EQ(cents(200).times(1.5), cents(300));
    EXPECT_EQ(cents(1).times(0.5), cents(1));
    EXPECT_EQ(cents(-1).times(0.5), cents(-1));
    EXPECT_EQ(cents(150).times(0.7), cents(105)); // 0,7 is not exact in binary
    EXPECT_EQ(cents(333).times(3), cents(999));
    // Tax contained in 11,90 at 19 %: 1,90; in 10,70 at 7 %: 0,70; in 1,00 at 7 %: 0,0654 → 0,07.
    EXPECT_EQ(cents(1190).mulDiv(19, 119), cents(190));
    EXPECT_EQ(cents(1070).mulDiv(7, 107), cents(70));
    EXPECT_EQ(cents(100).mulDiv(7, 107), cents(7));
    EXPECT_EQ(cents(-250).mulDiv(1, 100), cents(-3));
    EXPECT_EQ(divideRoundingHalfAway(5, 10), 1);
    EXPECT_EQ(divideRoundingHalfAway(-5, 10), -1);
    EXPECT_EQ(divideRoundingHalfAway(4, 10), 0);
}

TEST(Money, ArithmeticOutOfRangeIsRefusedNotWrapped)
{
    const Money most = cents(std::numeric_limits<std::int64_t>::max());
    const Money least = cents(std::numeric_limits<std::int64_t>::min());
    EXPECT_THROW(most + cents(1), MoneyOverflow);
    EXPECT_THROW(least - cents(1), MoneyOverflow);
    EXPECT_THROW(-least, MoneyOverflow);
    Money sum = most;
    EXPECT_THROW(sum += cents(1), MoneyOverflow);
    EXPECT_EQ(sum, most);
    EXPECT_THROW(cents(500).times(1e13), MoneyOverflow); // "10000000000000" × 5,00
    EXPECT_THROW(most.times(1.5), MoneyOverflow);
    EXPECT_THROW(most.mulDiv(3, 2), MoneyOverflow);
    EXPECT_EQ(most.mulDiv(19, 119), cents(1472639232775132272)); // the tax in it still fits
    EXPECT_EQ(most - most + least, least);
}

TEST(Locale, ReadsTypedNumbersTheGermanWay)
{
    const std::vector<std::pair<const char *, std::optional<double>>> numbers = {
        {"12,5", 12.5}, {" 1.234,50 ", 1234.5}, {"-3", -3.0}, {"", {}},
        {"abc", {}},    {"12.5", {}},           {"1e3", {}},  {"inf", {}},
        {"nan", {}},    {"1,2,3", {}}};
    for (const auto &[typed, read] : numbers)
        EXPECT_EQ(de::parseNumber(QString::fromLatin1(typed)), read) << typed;
    const std::vector<std::pair<const char *, std::optional<Money>>> amounts = {
        {"1.234,50", cents(123450)}, {"0,1", cents(10)}, {"2", cents(200)},           {"1,005", cents(101)},
        {"-0,50", cents(-50)},       {"zwölf", {}},      {"99999999999999999999", {}}}; // too large to hold in cents
    for (const auto &[typed, read] : amounts)
        EXPECT_EQ(de::parseMoney(QString::fromUtf8(typed)), read) << typed;
}

TEST(Locale, TypedAmountsTakeAtMostTwoDecimalsAndQuantitiesThreeWithoutAPoint)
{
    // A slip is refused, never rounded; zeros after the last decimal allowed
    // change nothing and are taken.
    const std::vector<std::pair<const char *, std::optional<Money>>> amounts = {{"50,00", cents(5000)},
                                                                                {"50,000", cents(5000)},
                                                                                {"50,005", {}},
                                                                                {"7,999", {}},
                                                                                {"12,345", {}},
                                                                                {"0,001", {}},
                                                                                {"1.234,5", cents(123450)},
                                                                                {" -0,50 ", cents(-50)},
                                                                                {"abc", {}},
                                                                                {"", {}},
                                                                                {"1,2,3", {}},
                                                                                {"12.5", {}},
                                                                                {"1e3", {}},
                                                                                {"99999999999999999999", {}}};
    for (const auto &[typed, read] : amounts)
        EXPECT_EQ(de::parseAmount(QString::fromLatin1(typed)), read) << typed;
    // The rounding read stays for amounts the program wrote itself.
    EXPECT_EQ(de::parseMoney("50,005"), cents(5001));

    const std::vector<std::pair<const char *, std::optional<double>>> quantities = {
        {"1,5", 1.5}, {"0,125", 0.125}, {"0,1250", 0.125}, {"0,0005", {}}, {"1.250", {}},
        {"1.5", {}},  {"1.250,5", {}},  {"9999", 9999.0},  {"-2", -2.0},   {"2 kg", {}}};
    for (const auto &[typed, read] : quantities)
        EXPECT_EQ(de::parseQuantity(QString::fromLatin1(typed)), read) << typed;
}

// Amounts: see moneytext_test.cpp.
TEST(Locale, WritesTheShopsFormats)
{
    EXPECT_EQ(de::formatGeneral(22.5), QStringLiteral("22,5"));
    EXPECT_EQ(de::formatGeneral(3), QStringLiteral("3"));
    EXPECT_EQ(de::formatGeneral(1234.25), QStringLiteral("1234,25"));
    EXPECT_EQ(de::shortDate(QDate(2026, 12, 6)), QStringLiteral("06.12.2026"));
    EXPECT_EQ(de::clockTime(QTime(9, 5, 7)), QStringLiteral("09:05:07"));
}
