#pragma once

#include <QString>

class Recordset;

// A product as the product editor's boxes hold it. Every value goes into the
// database as the text of its box, read the shop's way: quantities and prices
// with a decimal comma ("12,50"), the tax rate as the very text typed ("19").
struct ProductFields
{
    QString ArtNr;
    QString Description;
    QString SupplierID;
    QString Category;
    QString Brands;
    QString Size;
    QString Quantity;
    QString Mwst;
    QString OrderPrice;
    QString SalesPrice;
};

// The current row of the product recordset as the editor shows it; a column
// without a value gives an empty text.
ProductFields currentProduct(const Recordset &products);

// Adds a product under the given id. When the id is no number or is taken,
// the supplier is not the number of a supplier, a quantity or price is not a
// number, or the database refuses the row, nothing is stored, no half-made
// row stays in the recordset and `error` says why in German, naming the box
// ("Anzahl: „zehn“ ist keine gültige Menge. ...").
bool storeNewProduct(Recordset &products, const QString &productId, const ProductFields &fields, QString *error);

// Writes the fields into the product with this id, which keeps its id. The
// recordset is searched from its first row, so its filter must let that
// product through. On refusal nothing is stored, as above.
bool updateProduct(Recordset &products, qint64 productId, const ProductFields &fields, QString *error);

// Whether the till computes tax for a product with this rate (the text is
// compared exactly, as the till compares it).
bool tillTaxesRate(const QString &rate);

// A product that appears on a stored sale stays, so that old receipts and
// reports keep their lines.
bool productWasSold(qint64 productId);
