#include "platform/locale.h"

#include <cstdlib>

#include <QRegularExpression>

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

QString formatNumber(Money amount)
{
    return locale().toString(amount.toDouble(), 'f', 2);
}

QString formatNumber(double value)
{
    return locale().toString(value, 'f', 2);
}

QString formatFixed2(Money amount)
{
    QString text = QString::number(std::llabs(amount.cents()) / 100) + u','
                   + QStringLiteral("%1").arg(std::llabs(amount.cents()) % 100, 2, 10, QChar(u'0'));
    return amount.cents() < 0 ? u'-' + text : text;
}

QString formatGrouped2(Money amount)
{
    const qint64 magnitude = std::llabs(amount.cents());
    const qint64 euros = magnitude / 100;
    // The pattern has no mandatory digit before the comma: 0,50 prints ",50".
    QString text = euros == 0 ? QString() : locale().toString(euros);
    text += u',' + QStringLiteral("%1").arg(magnitude % 100, 2, 10, QChar(u'0'));
    return amount.cents() < 0 ? u'-' + text : text;
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

QString shortDate(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString clockTime(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

} // namespace de
