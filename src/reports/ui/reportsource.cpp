#include "reports/ui/reportsource.h"

#include "data/recordset.h"
#include "platform/ui/dialogs.h"

bool reportRowsReadable(const Recordset &rows)
{
    // A look at the current row reads it when nothing is read yet; a source
    // that cannot be read leaves the recordset closed, with the reason.
    rows.eof();
    if (rows.isOpen())
        return true;
    dialogs().msgBox(QStringLiteral("Der Bericht konnte nicht erstellt werden: %1").arg(rows.lastError()),
                     mb::vbExclamation);
    return false;
}
