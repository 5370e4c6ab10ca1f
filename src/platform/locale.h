#pragma once

#include <optional>

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

#include "platform/money.h"

// The shop's German number, date and time formats, independent of the
// machine's own locale.
namespace de {

const QLocale &locale();

// Reads a typed number such as "12,5", "1.234,50" or "-3". Blanks around it are
// ignored; an empty text or "12.5" (a point is a thousands separator here, not
// a decimal one) gives no value.
std::optional<double> parseNumber(const QString &text);

// Reads a typed quantity as parseNumber does, with at most three decimals
// (grams of a kilogram): a finer quantity cannot be weighed, would not be
// stored exactly, and the tax-audit export could not write it. A point is
// refused: "1.250" would read as 1250 while "1.5" would not read at all.
std::optional<double> parseQuantity(const QString &text);

// The largest quantity of one order line or one delivery: more is a typing
// slip (a barcode scanned into the quantity box), not goods.
inline constexpr double LargestQuantity = 9999;

// Reads an amount exactly, rounding to cents half away from zero; for
// amounts the program wrote itself.
std::optional<Money> parseMoney(const QString &text);

// Reads an amount typed into a money box ("50", "1.234,50") with at most two
// decimals; zeros after them change nothing and are allowed. More is a slip,
// such as the keypad's "5" after "50,00": it is refused, never rounded.
std::optional<Money> parseAmount(const QString &text);

// How a whole number of units of a decimal fraction (cents are units of two
// decimals) is written.
struct DigitPattern
{
    int decimals = 2;
    // Trailing zeros of the decimals are dropped down to this many.
    int minDecimals = 2;
    // Zeros in front of the whole part up to this many digits: 0 writes 0,50
    // as ",50".
    int minIntegerDigits = 1;
    // A point between each three digits of the whole part.
    bool grouped = true;
};

// Every amount the shop sees or exports is written here, from whole numbers:
// a double holds about 15 digits, and 99.999.999.999.999,99 must print as it
// was typed. A negative number starts with "-".
QString formatUnits(qint64 units, const DigitPattern &pattern);

// "1.234,50": two decimals with digit grouping.
QString formatNumber(Money amount);

// The pattern "0.00": "1,90", "1234,50", "0,00".
QString formatFixed2(Money amount);

// The pattern "#,###.00": "1.234,50", ",50", ",00".
QString formatGrouped2(Money amount);

// The general form of a number: as few decimals as it needs ("22,5", "3").
QString formatGeneral(double value);

// A quantity with at most three decimals, the finest that is weighed
// ("30977,305", "2,5", "3"): a sum read as a binary fraction shows as the
// quantity it stands for, never as 30977,3049999999.
QString formatQuantity(double value);

// "06.12.2026"
QString shortDate(const QDate &date);

// "09:05:07"
QString clockTime(const QTime &time);

} // namespace de
