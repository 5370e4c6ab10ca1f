#pragma once

class Recordset;

// Whether the rows a report prints could be read (its record source opened
// and its first row read). When they could not, the user is told why and
// false is returned: a source that cannot be read must never print as one
// without rows, with an empty list and sums of 0,00.
bool reportRowsReadable(const Recordset &rows);
