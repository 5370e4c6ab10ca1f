#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <vector>

#include "platform/locale.h"
#include "platform/money.h"
#include "support/fixture.h"

namespace {

// The amount written digit by digit from its euros and cents as whole numbers.
std::string expectedText(qint64 cents, bool grouped, bool zeroEuros)
{
    const bool negative = cents < 0;
    const unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(cents) : static_cast<unsigned long long>(cents);
    std::string euros = std::to_string(magnitude / 100);
    if (euros == "0" && !zeroEuros)
        euros.clear();
    if (grouped)
        for (int at = static_cast<int>(euros.size()) - 3; at > 0; at -= 3)
            euros.insert(static_cast<std::size_t>(at), ".");
    const unsigned long long rest = magnitude % 100;
    return (negative ? "-" : "") + euros + "," + std::to_string(rest / 10) + std::to_string(rest % 10);
}

} // namespace

// Amounts are written from their whole cents in every format the screens,
// receipts and reports use, up to the largest amount Money holds; whatever is
// written reads back as the same amount.
TEST(MoneyText, EveryAmountIsWrittenDigitForDigitFromItsCents)
{
    constexpr qint64 most = std::numeric_limits<qint64>::max(), least = std::numeric_limits<qint64>::min();
    std::vector<qint64> amounts = {0, 1, -1, 50, -50, 99, 100, 123450, 99999, 100000, most, least};
    amounts.insert(amounts.end(), {9999999999999999, -9999999999999999});
    for (qint64 cents = -100000; cents <= 100000; cents += 37)
        amounts.push_back(cents);
    std::mt19937_64 random(20261206);
    for (int i = 0; i < 20000; ++i) {
        const int digits = static_cast<int>(random() % 19);
        qint64 limit = 1;
        for (int d = 0; d < digits; ++d)
            limit *= 10;
        amounts.push_back(static_cast<qint64>(random() % static_cast<quint64>(limit)) * (random() % 2 ? 1 : -1));
    }
    for (const qint64 cents : amounts) {
        const Money amount = Money::fromCents(cents);
        ASSERT_EQ(de::formatNumber(amount).toStdString(), expectedText(cents, true, true)) << cents;
        ASSERT_EQ(de::formatFixed2(amount).toStdString(), expectedText(cents, false, true)) << cents;
        ASSERT_EQ(de::formatGrouped2(amount).toStdString(), expectedText(cents, true, false)) << cents;
        // Typed amounts have at most 15 digits of euros.
        if (cents > -100000000000000000 && cents < 100000000000000000) {
            ASSERT_EQ(de::parseMoney(de::formatNumber(amount)), amount) << cents;
        }
    }
}
