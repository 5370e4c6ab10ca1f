#pragma once

#include "probe.h"
#include "shopdata.h"

// Storing a 10-line sale through the till's store function ("store"), the
// same rows through a plain SQLCipher transaction on the same file, where the
// schema's triggers fire too ("raw"), and the same rows and running sums
// written into a minimal schema of their own ("minimal"), medians in ms.
Figures storeSaleFigures(const ShopSize &size);

// The tax-audit export of the whole database ("export", "rss" peak MB,
// "before" MB) against the sqlcipher tool writing the same tables as CSV
// ("cli"), in ms.
Figures exportFigures(const ShopSize &size);
