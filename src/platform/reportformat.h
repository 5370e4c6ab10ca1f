#pragma once

#include <QString>

namespace report {

// Applies a field's display format to a value as the recordset shows it
// ("1.234,5", "0,5", "3"). Formats are written in the shop's German notation:
// "." groups thousands, "," starts the decimals, "0" is a digit that always
// prints, "#" one that prints only when needed, and text in double quotes
// prints as it stands:
//   "#.##0,00 \"€\""  1234,5 -> "1.234,50 €"    0,5 -> "0,50 €"
//   "0,00"            1234,5 -> "1234,50"       0,5 -> "0,50"
//   "#.###,00"        0,5    -> ",50"
// Amounts are exact to the cent and rounded half away from zero. A value that
// is not a number (a description, an empty value) prints unchanged, and so
// does any value when the format is empty.
QString formatValue(const QString &format, const QString &value);

} // namespace report
