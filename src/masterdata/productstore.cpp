#include "masterdata/productstore.h"

#include "data/database.h"
#include "data/recordset.h"
#include "data/taxrates.h"
#include "masterdata/keys.h"

namespace {
const QString ProductIdColumn = QStringLiteral("ProductID");
const QString SupplierIdColumn = QStringLiteral("SupplierID");

struct ProductColumn
{
    QString column;
    QString ProductFields::*field;
    // The label of the editor's box, so that a refusal says where to look.
    QString box;
};

// The columns the editor writes, in the order it writes them.
const ProductColumn Columns[] = {
    {QStringLiteral("ArtNr"), &ProductFields::ArtNr, QStringLiteral("Artikelnr.")},
    {QStringLiteral("Description"), &ProductFields::Description, QStringLiteral("Beschreibung")},
    {SupplierIdColumn, &ProductFields::SupplierID, QStringLiteral("Lieferant")},
    {QStringLiteral("Category"), &ProductFields::Category, QStringLiteral("Kategory")},
    {QStringLiteral("Brands"), &ProductFields::Brands, QStringLiteral("Marke")},
    {QStringLiteral("Size"), &ProductFields::Size, QStringLiteral("Größe")},
    {QStringLiteral("Quantity"), &ProductFields::Quantity, QStringLiteral("Anzahl")},
    {QStringLiteral("Mwst"), &ProductFields::Mwst, QStringLiteral("MwSt")},
    {QStringLiteral("OrderPrice"), &ProductFields::OrderPrice, QStringLiteral("EK Preis")},
    {QStringLiteral("SalesPrice"), &ProductFields::SalesPrice, QStringLiteral("VK Preis")},
};

// A product names its supplier by number. A name typed into the box would be
// kept as text that neither the supplier list nor the tax-audit export can
// read, so only the number of an existing supplier, or none, is taken.
bool writeSupplier(Recordset &products, const QString &typed, QString *why)
{
    if (typed.trimmed().isEmpty())
        return products.setValue(SupplierIdColumn, QVariant());
    const auto id = parseKey(typed);
    const auto exists = id ? keyInUse({QStringLiteral("Supplier"), SupplierIdColumn}, *id, why) : false;
    if (!exists)
        return false; // the suppliers could not be read: *why says so
    if (!*exists) {
        *why = QStringLiteral("„%1“ ist nicht die Nummer eines Lieferanten.").arg(typed);
        return false;
    }
    return products.setValue(SupplierIdColumn, *id);
}

// Writes the fields into the current row, stores it under its checked key,
// and drops the change when anything is refused.
bool writeAndStore(Recordset &products, const ProductFields &fields, QString *error)
{
    for (const ProductColumn &column : Columns) {
        QString why;
        const QString &typed = fields.*column.field;
        const bool written = column.column == SupplierIdColumn ? writeSupplier(products, typed, &why)
                                                               : products.setText(column.column, typed);
        if (!written) {
            if (error)
                *error =
                    nothingStored(QStringLiteral("%1: %2").arg(column.box, why.isEmpty() ? products.lastError() : why));
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
    for (const ProductColumn &column : Columns)
        fields.*column.field = products.text(column.column);
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

bool tillTaxesRate(const QString &rate)
{
    return rate == QLatin1String(taxrates::Full) || rate == QLatin1String(taxrates::Reduced);
}

bool productWasSold(qint64 productId)
{
    Database *database = Database::current();
    return database &&
           database->scalar(QStringLiteral("SELECT count(*) FROM SalesDetails WHERE productid = ?1"), {productId})
                   .toLongLong() > 0;
}
