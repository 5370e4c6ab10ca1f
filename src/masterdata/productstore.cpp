#include "masterdata/productstore.h"

#include <utility>

#include "data/database.h"
#include "data/recordset.h"
#include "masterdata/keys.h"

namespace {
const QString ProductIdColumn = QStringLiteral("ProductID");

// The columns the editor writes, in the order it writes them.
const std::pair<QString, QString ProductFields::*> Columns[] = {
    {QStringLiteral("ArtNr"), &ProductFields::ArtNr},
    {QStringLiteral("Description"), &ProductFields::Description},
    {QStringLiteral("SupplierID"), &ProductFields::SupplierID},
    {QStringLiteral("Category"), &ProductFields::Category},
    {QStringLiteral("Brands"), &ProductFields::Brands},
    {QStringLiteral("Size"), &ProductFields::Size},
    {QStringLiteral("Quantity"), &ProductFields::Quantity},
    {QStringLiteral("Mwst"), &ProductFields::Mwst},
    {QStringLiteral("OrderPrice"), &ProductFields::OrderPrice},
    {QStringLiteral("SalesPrice"), &ProductFields::SalesPrice},
};

// Writes the fields into the current row, stores it under its checked key,
// and drops the change when anything is refused.
bool writeAndStore(Recordset &products, const ProductFields &fields, QString *error)
{
    for (const auto &[column, field] : Columns) {
        if (!products.setText(column, fields.*field)) {
            if (error)
                *error = products.lastError() + QStringLiteral(" Es wurde nichts gespeichert.");
            products.cancelUpdate();
            return false;
        }
    }
    if (!storeKeyedRow(products, {QStringLiteral("Products"), ProductIdColumn}, error)) {
        products.cancelUpdate();
        return false;
    }
    return true;
}
} // namespace

ProductFields currentProduct(const Recordset &products)
{
    ProductFields fields;
    for (const auto &[column, field] : Columns)
        fields.*field = products.text(column);
    return fields;
}

bool storeNewProduct(Recordset &products, const QString &productId, const ProductFields &fields, QString *error)
{
    if (!products.addNew()) {
        if (error)
            *error = products.lastError();
        return false;
    }
    products.setValue(ProductIdColumn, productId);
    return writeAndStore(products, fields, error);
}

bool updateProduct(Recordset &products, qint64 productId, const ProductFields &fields, QString *error)
{
    products.moveFirst();
    if (!products.find({ProductIdColumn, QString::number(productId)})) {
        if (error)
            *error = QStringLiteral("Den Artikel %1 gibt es nicht mehr. Es wurde nichts gespeichert.").arg(productId);
        return false;
    }
    return writeAndStore(products, fields, error);
}

bool productWasSold(qint64 productId)
{
    Database *database = Database::current();
    return database &&
           database->scalar(QStringLiteral("SELECT count(*) FROM SalesDetails WHERE productid = ?1"), {productId})
                   .toLongLong() > 0;
}
