#pragma once

#include <cstdint>
#include <vector>

#include <QString>

#include "data/recordset.h"

// What the till reads of a product to fill its entry fields and buttons.
struct ProductEntry
{
    QString productId;
    QString articleNumber;
    QString description;
    QString size;
    QString category;
    QString taxRate;
    QString salesPrice; // as the shop writes amounts: "1.234,50"

    // The text of the description list: description, a blank and size.
    QString descriptionWithSize() const { return description + u' ' + size; }
};

// Filters the shop's shared product recordset and reads every row that
// matches, or the first atMost of them, in the recordset's order. The filter
// stays set and the recordset stands after its last row: the product editor
// and the delivery booking find the recordset as the till left it.
std::vector<ProductEntry> lookUpProducts(Recordset &products, const Criterion &criterion,
                                         std::size_t atMost = SIZE_MAX);
