#include "masterdata/categorynames.h"

#include "data/database.h"

namespace categories {

bool carryRenamesToProducts(Database &database)
{
    // A temporary trigger belongs to this connection only: the database file
    // keeps its schema, and every store of a category row is covered.
    return database.execute(
        QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS CategoryRenameCarriesProducts"
                       " AFTER UPDATE OF Category ON main.Category WHEN OLD.Category IS NOT NEW.Category"
                       " BEGIN UPDATE Products SET Category = NEW.Category WHERE Category = OLD.Category; END"));
}

} // namespace categories
