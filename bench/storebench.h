#pragma once

#include "probe.h"
#include "shopdata.h"

// Storing a 10-line sale through the till's store function ("store") and
// the same rows through a plain SQLCipher transaction ("raw"), medians in ms.
Figures storeSaleFigures(const ShopSize &size);

// The tax-audit export of the whole database ("export", "rss" peak MB,
// "before" MB) against the sqlcipher tool writing the same tables as CSV
// ("cli"), in ms.
Figures exportFigures(const ShopSize &size);
