#include "platform/locale.h"

#include <algorithm>
#include <cmath>

#include <QRegularExpression>
#include <QVarLengthArray>

namespace de {

const QLocale &locale()
{
    static const QLocale german(QLocale::German, QLocale::Germany);
    return german;
}

std::optional<double> parseNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    // Only digits, the separators and a leading sign: the locale would also
    // take "1e3", "inf" and "nan", which no one types as an amount or a count.
    static const QRegularExpression typed(QStringLiteral("^[+-]?[0-9.]*,?[0-9]*$"));
    if (trimmed.isEmpty() || !typed.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = locale().toDouble(trimmed, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

namespace {
// The decimals of a typed number that are not trailing zeros.
qsizetype significantDecimals(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype comma = trimmed.indexOf(locale().decimalPoint());
    if (comma < 0)
        return 0;
    QString decimals = trimmed.mid(comma + 1);
    while (decimals.endsWith(u'0'))
        decimals.chop(1);
    return decimals.size();
}
} // namespace

std::optional<double> parseQuantity(const QString &text)
{
    if (text.contains(locale().groupSeparator()) || significantDecimals(text) > 3)
        return std::nullopt;
    return parseNumber(text);
}

std::optional<Money> parseMoney(const QString &text)
{
    if (!parseNumber(text))
        return std::nullopt;
    // The locale has accepted the text; now read its digits exactly.
    QString digits = text.trimmed();
    digits.remove(locale().groupSeparator());
    // Beyond this many euros the cents no longer fit; no till sees such sums.
    constexpr int MaxWholeDigits = 15;
    const bool negative = digits.startsWith(u'-');
    if (negative || digits.startsWith(u'+'))
        digits.remove(0, 1);
    const qsizetype comma = digits.indexOf(locale().decimalPoint());
    const QString whole = comma < 0 ? digits : digits.left(comma);
    QString fraction = comma < 0 ? QString() : digits.mid(comma + 1);
    if (whole.size() > MaxWholeDigits)
        return std::nullopt;
    fraction = (fraction + QStringLiteral("000")).left(3);
    const qint64 thousandths = whole.toLongLong() * 1000 + fraction.toLongLong();
    const qint64 cents = divideRoundingHalfAway(thousandths, 10);
    return Money::fromCents(negative ? -cents : cents);
}

std::optional<Money> parseAmount(const QString &text)
{
    if (significantDecimals(text) > 2)
        return std::nullopt;
    return parseMoney(text);
}

QString formatUnits(qint64 units, const DigitPattern &pattern)
{
    // Written from the last digit backwards into a buffer large enough for
    // the digits of any 64-bit number or the pattern's zeros, with points,
    // comma and sign; the magnitude is taken unsigned, so that the most
    // negative number has one too.
    const int wholeRoom = std::max(20, pattern.minIntegerDigits);
    const int size = std::max(pattern.decimals, 0) + 1 + wholeRoom + wholeRoom / 3 + 1;
    QVarLengthArray<char16_t, 64> text(size);
    int at = size;
    quint64 magnitude = units < 0 ? 0 - static_cast<quint64>(units) : static_cast<quint64>(units);
    int decimals = pattern.decimals;
    bool dropping = true;
    for (int place = 0; place < pattern.decimals; ++place) {
        const auto digit = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
        if (dropping && digit == u'0' && decimals > pattern.minDecimals) {
            --decimals;
            continue;
        }
        dropping = false;
        text[--at] = digit;
    }
    if (decimals > 0)
        text[--at] = u',';
    int wholeDigits = 0;
    while (magnitude > 0 || wholeDigits < pattern.minIntegerDigits) {
        if (pattern.grouped && wholeDigits > 0 && wholeDigits % 3 == 0)
            text[--at] = u'.';
        text[--at] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
        ++wholeDigits;
    }
    if (units < 0)
        text[--at] = u'-';
    return QString(reinterpret_cast<const QChar *>(text.constData() + at), size - at);
}

QString formatNumber(Money amount)
{
    return formatUnits(amount.cents(), {});
}

QString formatFixed2(Money amount)
{
    return formatUnits(amount.cents(), {.grouped = false});
}

QString formatGrouped2(Money amount)
{
    // The pattern has no mandatory digit before the comma: 0,50 prints ",50".
    return formatUnits(amount.cents(), {.minIntegerDigits = 0});
}

QString formatGeneral(double value)
{
    QString text = locale().toString(value, 'f', 10);
    if (text.contains(locale().decimalPoint())) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(locale().decimalPoint()))
            text.chop(1);
    }
    text.remove(locale().groupSeparator());
    return text;
}

QString formatQuantity(double value)
{
    const double thousandths = std::round(value * 1000);
    // Beyond whole thousandths that fit (no stock comes near) the number is
    // shown as it is.
    if (!std::isfinite(thousandths) || std::abs(thousandths) >= 9e18)
        return formatGeneral(value);
    return formatUnits(static_cast<qint64>(thousandths), {.decimals = 3, .minDecimals = 0, .grouped = false});
}

QString shortDate(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString clockTime(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

} // namespace de
