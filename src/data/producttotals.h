#pragma once

class Database;

// What the stock list shows per product, delivered and sold, kept up to date
// by triggers in the same transaction as every change of Deliveries and
// SalesDetails, so that opening the list does not sum the whole history.
namespace producttotals {

// The bookkeeping table; not one of the shop's own tables.
inline constexpr auto TableName = "ProductTotals";

// Creates the table and its triggers, fills it from the rows already stored
// and points the ProductInventory view at it. Runs inside the caller's
// transaction; false when the database refuses a statement.
bool install(Database &database);

} // namespace producttotals
