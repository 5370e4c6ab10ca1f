#pragma once

#include <QString>

// Which printer the receipts are laid out for, kept in the user's settings
// store: "0" an A4 page printer, "1" an A5 page printer, "2" the till-roll
// receipt printer. Unset reads as "0".
namespace printerchoice {

inline constexpr auto A4 = "0";
inline constexpr auto A5 = "1";
inline constexpr auto ReceiptPrinter = "2";

QString read();
void write(const QString &value);

} // namespace printerchoice
