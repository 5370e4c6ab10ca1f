#pragma once

#include <QString>

// User passwords are stored only as password hashes; what a user types is
// verified against the hash, letter case counting.
namespace passwords {

QString hash(const QString &password);
bool verify(const QString &storedHash, const QString &typed);

// Tests hash with the smallest work factor; the program never calls this.
void useFastHashingForTests();

} // namespace passwords
