#include "till/productlookup.h"

std::vector<ProductEntry> lookUpProducts(Recordset &products, const Criterion &criterion)
{
    std::vector<ProductEntry> found;
    if (!products.isOpen())
        return found;
    products.setFilter({criterion});
    for (; !products.eof(); products.moveNext()) {
        found.push_back({products.text(QStringLiteral("ProductID")), products.text(QStringLiteral("ArtNr")),
                         products.text(QStringLiteral("Description")), products.text(QStringLiteral("Size")),
                         products.text(QStringLiteral("Category")), products.text(QStringLiteral("Mwst")),
                         products.text(QStringLiteral("SalesPrice"))});
    }
    return found;
}
