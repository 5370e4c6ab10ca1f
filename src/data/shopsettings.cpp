#include "data/shopsettings.h"

#include "data/database.h"

namespace shopsettings {

std::optional<ShopSettings> read(Database &database)
{
    const auto rows = database.select(
        QStringLiteral("SELECT cName, cAddress, cPlace, cPhone, cFax, ceMail, cHomepage, cstNr, custNr, cbnText,"
                       " deZE, voIPort FROM Settings ORDER BY rowid LIMIT 1"));
    if (!rows)
        return std::nullopt;
    ShopSettings shop;
    if (rows->values.empty())
        return shop;
    const std::vector<QVariant> &row = rows->values.front();
    QString *const fields[] = {&shop.name,  &shop.address,       &shop.place,           &shop.phone,
                               &shop.fax,   &shop.eMail,         &shop.homepage,        &shop.taxNumber,
                               &shop.vatId, &shop.receiptFooter, &shop.callMonitorHost, &shop.callMonitorPort};
    for (size_t column = 0; column < std::size(fields) && column < row.size(); ++column)
        *fields[column] = row[column].toString();
    return shop;
}

ShopSettings current()
{
    Database *database = Database::current();
    if (!database)
        return {};
    return read(*database).value_or(ShopSettings{});
}

} // namespace shopsettings
