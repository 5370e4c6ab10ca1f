#pragma once

#include <optional>

#include <QString>

class Database;

// The shop's own record, as the receipts, the reports, the export and the
// till's caller identification print or use it. The settings screen edits the
// same row; reading it afresh each time lets the next receipt show what was
// saved there a moment ago.
struct ShopSettings
{
    QString name;
    QString address;
    QString place;
    QString phone;
    QString fax;
    QString eMail;
    QString homepage;
    QString taxNumber;
    QString vatId;
    // The receipt footer; it may run over several lines.
    QString receiptFooter;
    // The router's call monitor, as typed: the address and the port.
    QString callMonitorHost;
    QString callMonitorPort;
};

namespace shopsettings {

// The first row of Settings (a shop has one; a second one added on the
// settings screen does not replace it). Empty values for NULL columns and for
// a table without rows; nothing when the table cannot be read (see
// database.lastError()).
std::optional<ShopSettings> read(Database &database);

// The same from the database in use. A shop whose record cannot be read
// prints its layouts' own texts rather than no receipt at all: empty values.
ShopSettings current();

} // namespace shopsettings
