#pragma once

class Database;

// Products name their category by its text, and the till finds a category's
// products by that text. Renaming a category ("Pizza" to "Pizzen") must
// therefore rename it in its products too, or the till's category page for it
// would stay empty.
namespace categories {

// Makes every change of a category's name on this connection carry its
// products along, in the same statement, so that both change or neither:
// whatever way the category editor stores the row (saving, re-reading,
// moving to another row). False with the database's message when it cannot.
bool carryRenamesToProducts(Database &database);

} // namespace categories
