#include "masterdata/deliverybooking.h"

#include "data/database.h"
#include "data/schema.h"
#include "masterdata/keys.h"
#include "platform/locale.h"

namespace deliveries {

namespace {
BookingResult refused(const QString &why)
{
    return BookingResult{std::nullopt, why};
}

BookingResult failed(Database &database)
{
    return refused(QStringLiteral("Die Lieferung wurde nicht gespeichert.\n%1").arg(database.lastError()));
}

// Whether every line of the delivery (its number on its day), this one
// included, and their sum fit an amount: the delivery report adds them up
// in cents, and a line beyond that would be cut to the largest number there.
// Nothing when the lines cannot be read.
std::optional<bool> deliveryTotalFits(Database &db, qint64 number, const QDate &date, double quantity, Money orderPrice)
{
    const auto lines =
        db.select(QStringLiteral("SELECT quantity, orderprice FROM Deliveries WHERE deliveryno = ?1 AND Date = ?2"),
                  {number, date.toString(Qt::ISODate)});
    if (!lines)
        return std::nullopt;
    try {
        Money total = orderPrice.times(quantity);
        for (const auto &line : lines->values)
            total += Money::fromCents(line.at(1).toLongLong()).times(line.at(0).toDouble());
    } catch (const MoneyOverflow &) {
        return false;
    }
    return true;
}

struct Prices
{
    Money order;
    Money sales;
};

// A price box left as it was proposed means the product's price as it is
// stored now: when it changed since the proposal was read, the stored one is
// kept rather than the older proposal written back over it. Nothing when the
// product cannot be read.
std::optional<Prices> pricesToStore(Database &db, qint64 productId, const Delivery &delivery, Prices typed)
{
    const auto stored =
        db.select(QStringLiteral("SELECT OrderPrice, SalesPrice FROM Products WHERE ProductID = ?1"), {productId});
    if (!stored)
        return std::nullopt;
    if (stored->values.empty())
        return typed;
    const auto keepNewer = [](const QString &text, const QString &proposed, const QVariant &now, Money *price) {
        if (!proposed.isEmpty() && text == proposed && !now.isNull())
            *price = Money::fromCents(now.toLongLong());
    };
    const std::vector<QVariant> &now = stored->values.front();
    keepNewer(delivery.orderPrice, delivery.proposedOrderPrice, now[0], &typed.order);
    keepNewer(delivery.salesPrice, delivery.proposedSalesPrice, now[1], &typed.sales);
    return typed;
}
} // namespace

QStringList numbersInUse(Database *database)
{
    QStringList numbers;
    if (!database)
        return numbers;
    const auto rows =
        database->select(QStringLiteral("SELECT deliveryno FROM Deliveries GROUP BY deliveryno ORDER BY min(rowid)"));
    if (rows)
        for (const auto &row : rows->values)
            numbers << row.front().toString();
    return numbers;
}

BookingResult book(Database *database, const Delivery &delivery)
{
    if (!database)
        return refused(QStringLiteral("Keine Datenbank geöffnet."));
    Database &db = *database;

    const auto number = parseKey(delivery.number);
    if (!number)
        return refused(QStringLiteral("Bitte eine gültige Lieferungsnummer angeben (nur Ziffern)."));
    if (delivery.productId.trimmed().isEmpty())
        return refused(QStringLiteral("Bitte eine Produkt-ID angeben."));
    const auto productId = parseKey(delivery.productId);
    const auto product = productId
                             ? db.select(QStringLiteral("SELECT 1 FROM Products WHERE ProductID = ?1"), {*productId})
                             : std::nullopt;
    if (productId && !product)
        return failed(db);
    if (!productId || product->values.empty())
        return refused(QStringLiteral("Es gibt kein Produkt mit der ID „%1“.").arg(delivery.productId));
    const auto quantity = de::parseQuantity(delivery.quantity);
    if (!quantity)
        return refused(QStringLiteral("Die Anzahl „%1“ ist keine gültige Zahl: bitte mit Komma, höchstens drei "
                                      "Nachkommastellen und ohne Tausenderpunkt, z. B. 12 oder 2,5.")
                           .arg(delivery.quantity));
    // A delivery brings goods: 0 or less would book a delivery of nothing, or
    // lower the stock. More than the till sells in one line is a slip, such
    // as a barcode scanned into the box.
    if (*quantity <= 0 || *quantity > de::LargestQuantity)
        return refused(QStringLiteral("Die Anzahl „%1“ liegt außerhalb des Bereichs: sie muss größer als 0 und "
                                      "höchstens %2 sein.")
                           .arg(delivery.quantity, de::formatGeneral(de::LargestQuantity)));
    const auto orderPrice = de::parseAmount(delivery.orderPrice);
    if (!orderPrice)
        return refused(QStringLiteral("Der EK Preis „%1“ ist kein gültiger Betrag: bitte höchstens zwei "
                                      "Nachkommastellen, z. B. 12,50.")
                           .arg(delivery.orderPrice));
    const auto salesPrice = de::parseAmount(delivery.salesPrice);
    if (!salesPrice)
        return refused(QStringLiteral("Der VK Preis „%1“ ist kein gültiger Betrag: bitte höchstens zwei "
                                      "Nachkommastellen, z. B. 12,50.")
                           .arg(delivery.salesPrice));
    if (!delivery.date.isValid())
        return refused(QStringLiteral("Bitte ein gültiges Datum angeben."));

    Database::Transaction transaction(db);
    if (!transaction.active())
        return failed(db);
    const auto prices = pricesToStore(db, *productId, delivery, {*orderPrice, *salesPrice});
    if (!prices)
        return failed(db);
    const auto fits = deliveryTotalFits(db, *number, delivery.date, *quantity, prices->order);
    if (!fits)
        return failed(db);
    if (!*fits)
        return refused(QStringLiteral("Anzahl × EK Preis ergibt einen Betrag, der zu groß für die Lieferung ist. "
                                      "Bitte Anzahl und EK Preis prüfen."));
    const QVariant delivered = schema::storedQuantity(*quantity);
    if (!db.execute(QStringLiteral("INSERT INTO Deliveries (deliveryno, prodno, quantity, orderprice, Date)"
                                   " VALUES (?1, ?2, ?3, ?4, ?5)"),
                    {*number, *productId, delivered, static_cast<qint64>(prices->order.cents()),
                     delivery.date.toString(Qt::ISODate)}))
        return failed(db);
    // The stock on hand is raised as it stands: rounding it down first would
    // lose the fraction of goods sold by weight (2,5 kg plus 1,5 kg is 4 kg).
    // It is kept to the gram, as a sale keeps it, so that deliveries added as
    // binary fractions never drift off their third decimal.
    if (!db.execute(
            QStringLiteral("UPDATE Products SET Quantity = round(coalesce(Quantity, 0) + ?1, 3), OrderPrice = ?2,"
                           " SalesPrice = ?3 WHERE ProductID = ?4"),
            {delivered, static_cast<qint64>(prices->order.cents()), static_cast<qint64>(prices->sales.cents()),
             *productId}))
        return failed(db);
    BookedProduct booked;
    booked.productId = *productId;
    booked.quantityOnHand =
        db.scalar(QStringLiteral("SELECT Quantity FROM Products WHERE ProductID = ?1"), {*productId}).toDouble();
    booked.quantityDelivered =
        db.scalar(QStringLiteral("SELECT coalesce(sum(quantity), 0) FROM Deliveries WHERE prodno = ?1"), {*productId})
            .toDouble();
    booked.orderPrice = prices->order;
    booked.salesPrice = prices->sales;
    if (!transaction.commit())
        return failed(db);
    return BookingResult{booked, {}};
}

} // namespace deliveries
