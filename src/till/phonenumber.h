#pragma once

#include <QString>

class Recordset;

// Telephone numbers as the till compares them: by their digits only, so that
// "0171 2345678", "0171/2345678" and the router's "01712345678" are one
// number, and a leading "+49" is the German "0".
QString phoneDigits(const QString &number);

// Moves the customers to the first whose ContactNumber is the given number
// by its digits. Without a match, or for a number without digits, the
// recordset stands past its last row and false is returned.
bool findCustomerByPhone(Recordset &customers, const QString &number);
