#include "platform/reportformat.h"

#include <cstdlib>

#include "platform/locale.h"
#include "platform/money.h"

namespace report {

namespace {

struct NumberPattern
{
    QString prefix;
    QString suffix;
    bool grouped = false;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
};

NumberPattern readPattern(const QString &format)
{
    NumberPattern pattern;
    QString number;
    bool inQuotes = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        QString &literal = number.isEmpty() ? pattern.prefix : pattern.suffix;
        if (c == u'"')
            inQuotes = !inQuotes;
        else if (inQuotes)
            literal += c;
        else if (c == u'\\' && i + 1 < format.size())
            literal += format[++i];
        else if (QStringLiteral("#0.,").contains(c) && pattern.suffix.isEmpty())
            number += c;
        else
            literal += c;
    }
    const qsizetype comma = number.indexOf(u',');
    const QString integer = comma < 0 ? number : number.left(comma);
    const QString decimals = comma < 0 ? QString() : number.mid(comma + 1);
    pattern.grouped = integer.contains(u'.');
    pattern.minIntegerDigits = static_cast<int>(integer.count(u'0'));
    pattern.minDecimals = static_cast<int>(decimals.count(u'0'));
    pattern.maxDecimals = pattern.minDecimals + static_cast<int>(decimals.count(u'#'));
    return pattern;
}

qint64 powerOfTen(int exponent)
{
    qint64 result = 1;
    while (exponent-- > 0)
        result *= 10;
    return result;
}

} // namespace

QString formatValue(const QString &format, const QString &value)
{
    if (format.isEmpty())
        return value;
    const auto amount = de::parseMoney(value);
    if (!amount)
        return value;
    const NumberPattern pattern = readPattern(format);

    // The amount in units of the last decimal the pattern can show.
    const qint64 cents = std::llabs(amount->cents());
    const qint64 units = pattern.maxDecimals >= 2 ? cents * powerOfTen(pattern.maxDecimals - 2)
                                                  : divideRoundingHalfAway(cents, powerOfTen(2 - pattern.maxDecimals));
    const QString number =
        de::formatUnits(units, {pattern.maxDecimals, pattern.minDecimals, pattern.minIntegerDigits, pattern.grouped});
    const bool negative = amount->cents() < 0 && units != 0;
    return (negative ? QStringLiteral("-") : QString()) + pattern.prefix + number + pattern.suffix;
}

} // namespace report
