#include "till/productlookup.h"

std::vector<ProductEntry> lookUpProducts(Recordset &products, const Criterion &criterion, std::size_t atMost)
{
    std::vector<ProductEntry> found;
    if (!products.isOpen())
        return found;
    products.setFilter({criterion});
    for (; !products.eof() && found.size() < atMost; products.moveNext()) {
        found.push_back({products.text(QStringLiteral("ProductID")), products.text(QStringLiteral("ArtNr")),
                         products.text(QStringLiteral("Description")), products.text(QStringLiteral("Size")),
                         products.text(QStringLiteral("Category")), products.text(QStringLiteral("Mwst")),
                         products.text(QStringLiteral("SalesPrice"))});
    }
    // The rest are passed over in one step, to where reading them would end.
    if (!products.eof())
        products.moveAfterLast();
    return found;
}
