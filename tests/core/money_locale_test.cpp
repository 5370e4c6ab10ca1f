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

// A number as any box reads it, an amount the program wrote itself (rounded
// to the cent) and a typed amount (a slip is refused, never rounded; zeros
// after the last decimal allowed change nothing).
TEST(Locale, ReadsNumbersAndAmountsTheGermanWay)
{
    struct Case
    {
        const char *typed;
        std::optional<double> number;
        std::optional<qint64> money, amount;
    };
    // clang-format off
    const Case cases[] = {
        {"12,5", 12.5, 1250, 1250},            {" 1.234,50 ", 1234.5, 123450, 123450}, {"-3", -3.0, -300, -300},
        {"0,1", 0.1, 10, 10},                  {"-0,50", -0.5, -50, -50},              {"1.234,5", 1234.5, 123450, 123450},
        {"50,000", 50.0, 5000, 5000},          {"1,005", 1.005, 101, {}},              {"50,005", 50.005, 5001, {}},
        {"7,999", 7.999, 800, {}},             {"0,001", 0.001, 0, {}},                {"", {}, {}, {}},
        {"abc", {}, {}, {}},                   {"zwölf", {}, {}, {}},                  {"12.5", {}, {}, {}},
        {"1e3", {}, {}, {}},                   {"inf", {}, {}, {}},                    {"nan", {}, {}, {}},
        {"1,2,3", {}, {}, {}},                 {"99999999999999999999", 1e20, {}, {}}, // too large to hold in cents
    };
    // clang-format on
    const auto money = [](std::optional<qint64> c) { return c ? std::optional(Money::fromCents(*c)) : std::nullopt; };
    for (const Case &c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        EXPECT_EQ(de::parseNumber(typed), c.number) << c.typed;
        EXPECT_EQ(de::parseMoney(typed), money(c.money)) << c.typed;
        EXPECT_EQ(de::parseAmount(typed), money(c.amount)) << c.typed;
    }

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
