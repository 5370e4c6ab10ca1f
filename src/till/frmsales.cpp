#include "till/frmsales.h"

#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "data/schema.h"
#include "data/shopsettings.h"
#include "masterdata/frmcategory.h"
#include "masterdata/frmcustomer.h"
#include "masterdata/frmproduct.h"
#include "platform/clock.h"
#include "platform/locale.h"
#include "platform/screens.h"
#include "platform/ui/dialogs.h"
#include "shell/session.h"
#include "till/frmcustomersearch.h"
#include "till/frmpayment.h"
#include "till/productlookup.h"
#include "till/salestore.h"
#include "till/ui/pagedbuttongrid.h"

namespace {
const QString ProductNotFound = QStringLiteral("Artikel nicht gefunden!");

// The product pages offer "Weiter" from the 27th product of a category,
// although a page holds 28: a category of 27 or 28 products leads on to an
// empty page.
constexpr int ProductsOfferingNextPage = 27;

// Parked orders are numbered 1 to 30; lines are written for all of them but
// taken back by double click only for the first twenty.
constexpr int LastParkedOrderWritten = 30;
constexpr int LastParkedOrderTakenBack = 20;

// Adds an entry to a list without changing the text the box shows (an empty
// combo box would otherwise show its first entry at once).
void addListEntry(QComboBox *box, const QString &entry)
{
    const QString shown = box->currentText();
    box->addItem(entry);
    box->setEditText(shown);
}

void clearList(QComboBox *box)
{
    const QString shown = box->currentText();
    box->clear();
    box->setEditText(shown);
}

// The quantity as the database compares it: "1,5" is stored as 1.5, "2" as 2.
QString storedQuantityText(const QString &typed)
{
    const auto quantity = de::parseNumber(typed);
    if (!quantity)
        return typed;
    return schema::storedQuantity(*quantity).toString();
}
} // namespace

void FrmSales::Form_Load()
{
    // The customer block opens on the first customer: a sale for which no
    // caller was identified and no customer searched goes to that customer.
    ADOCustomer.refresh();
    ADOTemp.refresh();
    ADOSalesDetails.refresh();
    DataControl &categories = frmCategory().ADOCategory;
    categories.refresh();
    QStringList names;
    for (categories->moveFirst(); !categories->eof(); categories->moveNext())
        names << categories->text(QStringLiteral("Category"));
    for (const QString &name : names)
        addListEntry(cboCategory, name);
    // Categories beyond the last page get no button; the list still has them.
    categoryPages->setCaptions(names, names.size() > categoryPages->buttonsPerPage());
    m_categoryNames = names;

    txtCashier->setText(session().CashierName);
    txtcName->setText(shopsettings::current().name);

    Timer1_Timer();
    Timer1->start();
    ConnectCallMonitor();
}

void FrmSales::Timer1_Timer()
{
    const QDateTime now = currentClock().now();
    showClock(now.time());
    // A till left open over night shows the new day.
    if (DTDate->date() != now.date()) {
        DTDate->setDate(now.date());
        lbldata->setText(de::shortDate(now.date()));
    }
}

void FrmSales::showClock(const QTime &time)
{
    stsTime->setText(de::clockTime(time));
}

Recordset &FrmSales::productRecordset()
{
    return frmProduct().ADOProduct.recordset();
}

void FrmSales::caButton_Click(int index)
{
    DataControl &productControl = frmProduct().ADOProduct;
    productControl.refresh();
    Recordset &products = productControl.recordset();
    // A category may hold many thousand products; only those that get a
    // button are read, and they tell whether "Weiter" is offered, as there are
    // more buttons than the bound for it.
    const Criteria category{{QStringLiteral("Category"), m_categoryNames.at(index)}};
    const auto found = products.firstRowTexts(category, {QStringLiteral("ProductID"), QStringLiteral("Description")},
                                              static_cast<std::size_t>(productPages->buttons().size()));
    // The filter stays on the shared recordset, after its last row, as
    // reading the category to the end would leave it.
    products.setFilterAfterLast(category);
    QStringList captions;
    m_productButtonIds.clear();
    for (const QStringList &product : found) {
        captions << product.at(0) + u'\n' + product.at(1);
        m_productButtonIds << product.at(0);
    }
    // A new category always starts on its first page. Were the page number
    // kept from the category before, "Weiter" and "Zurück" would count from
    // a page the cashier does not see, and the pages they name would not be
    // shown.
    productPages->setCaptions(captions, static_cast<int>(found.size()) >= ProductsOfferingNextPage);
}

void FrmSales::proSellect_Click(int index)
{
    if (index < m_productButtonIds.size())
        addLineForProduct({QStringLiteral("ProductID"), m_productButtonIds.at(index)});
}

void FrmSales::cmdClose_Click()
{
    screens().unload<FrmSales>();
}

void FrmSales::btnCustomerE_Click()
{
    QString added;
    const auto handBack = connect(&frmCustomer(), &FrmCustomer::customerAdded, this,
                                  [&added](const QString &customerId) { added = customerId; });
    dialogs().showModal(&frmCustomer());
    disconnect(handBack);
    // The editor stores through its own recordset: the block re-reads, so
    // that it shows, and the receipt prints, the customer as just edited.
    // That is the customer shown when the editor closes: a call that came
    // in meanwhile has put its caller there. With nobody shown (a caller no
    // customer had), the customer just added for them; else nobody.
    const QString shownCustomer = Text1->text().isEmpty() ? added : Text1->text();
    ADOCustomer.refresh();
    ADOCustomer->find({QStringLiteral("CustomerID"), shownCustomer});
}

void FrmSales::selCustomer_Click()
{
    dialogs().showModal(&frmCustomerSearch());
    // Closed without a search it starts afresh next time all the same.
    screens().unload<FrmCustomerSearch>();
}

void FrmSales::cmdPayment_Click()
{
    if (m_order.isEmpty()) {
        dialogs().msgBox(QStringLiteral("Die Bestellung ist leer. Bitte zuerst Artikel eingeben."), mb::vbExclamation);
        return;
    }
    if (txtName->text().isEmpty()) {
        dialogs().msgBox(CustomerNotFound, mb::vbOKOnly);
        return;
    }
    FrmPayment &payment = frmPayment();
    payment.HandOver(Text1->text(), m_order.sums());
    dialogs().showModal(&payment);
    // Every payment starts from a freshly loaded dialog.
    screens().unload<FrmPayment>();
    cboCategory->setFocus();
}

void FrmSales::txtid_Change(const QString &text)
{
    m_articleNumberTyped = !text.isEmpty();
    if (text.isEmpty())
        return;
    const auto found = lookUpProducts(productRecordset(), {QStringLiteral("ArtNr"), text});
    if (!found.empty())
        fillEntryFields(found);
}

void FrmSales::ArtSelok_Click()
{
    if (txtid->text().isEmpty()) {
        dialogs().msgBox(QStringLiteral("Bitte Artikelnummer angeben"), mb::vbOKOnly);
        return;
    }
    const auto found = productsOfArticleNumber();
    if (!found)
        return;
    fillEntryFields(*found);
    if (addLineFromEntryFields(false))
        txtid->clear();
}

std::optional<std::vector<ProductEntry>> FrmSales::productsOfArticleNumber()
{
    // While the number is typed the entry fields show what each shorter
    // number found ("1" on the way to "1x" or "20013001"); only the number
    // exactly as it stands names a product.
    auto found = lookUpProducts(productRecordset(), {QStringLiteral("ArtNr"), txtid->text()});
    if (found.empty()) {
        dialogs().msgBox(ProductNotFound, mb::vbOKOnly);
        return std::nullopt;
    }
    return found;
}

void FrmSales::cboCategory_Click(int)
{
    clearList(cboNo);
    clearList(cboDescription);
    const auto found = lookUpProducts(productRecordset(), {QStringLiteral("Category"), cboCategory->currentText()});
    for (const ProductEntry &product : found) {
        addListEntry(cboNo, product.productId);
        addListEntry(cboDescription, product.descriptionWithSize());
    }
}

void FrmSales::cboDescription_Click(int index)
{
    if (index < 0 || index >= cboNo->count())
        return;
    cboNo->setEditText(cboNo->itemText(index));
    const auto found = lookUpProducts(productRecordset(), {QStringLiteral("ProductID"), cboNo->currentText()});
    if (found.empty())
        return;
    // The recordset stays on the product chosen.
    productRecordset().moveFirst();
    const ProductEntry &product = found.front();
    txtSalesPrice->setText(product.salesPrice);
    txtQty->setText(QStringLiteral("1"));
    txtQty_Change();
    txtmwst->setText(product.taxRate);
    m_entryHoldsProduct = true;
    m_articleNumberTyped = false;
}

bool FrmSales::cboDescription_KeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    txtQty->setFocus();
    txtQty->selectAll();
    return true;
}

void FrmSales::txtQty_Change()
{
    const auto quantity = de::parseNumber(txtQty->text());
    const auto unitPrice = de::parseMoney(txtSalesPrice->text());
    // Until both read as numbers, and while the amount is out of range, the
    // amount stays as it was.
    if (quantity && unitPrice)
        if (const auto amount = Order::lineAmount(*quantity, *unitPrice))
            txtamount->setText(de::formatNumber(*amount));
}

bool FrmSales::txtQty_KeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (m_articleNumberTyped && !txtid->text().isEmpty()) {
        // A number typed counts as with "OK", with the quantity typed here.
        const auto found = productsOfArticleNumber();
        if (!found)
            return true;
        if (!m_entryHoldsProduct || cboNo->currentText() != found->back().productId) {
            const QString quantity = txtQty->text();
            fillEntryFields(*found);
            txtQty->setText(quantity);
            txtQty_Change();
        }
    }
    if (addLineFromEntryFields(true))
        txtid->clear();
    return true;
}

bool FrmSales::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == txtQty)
            return txtQty_KeyPress(key);
        if (watched == cboDescription)
            return cboDescription_KeyPress(key);
    }
    return Form::eventFilter(watched, event);
}

bool FrmSales::addLineForProduct(const Criterion &criterion)
{
    const auto found = lookUpProducts(productRecordset(), criterion);
    if (found.empty()) {
        dialogs().msgBox(ProductNotFound, mb::vbOKOnly);
        return false;
    }
    fillEntryFields(found);
    return addLineFromEntryFields(false);
}

void FrmSales::fillEntryFields(const std::vector<ProductEntry> &found)
{
    // Every match goes into the lists; with several, the fields show the last.
    for (const ProductEntry &product : found) {
        addListEntry(cboNo, product.productId);
        addListEntry(cboDescription, product.descriptionWithSize());
        cboNo->setEditText(product.productId);
        cboDescription->setEditText(product.description);
        cboCategory->setEditText(product.category);
        txtSalesPrice->setText(product.salesPrice);
        txtmwst->setText(product.taxRate);
        txtQty->setText(QStringLiteral("1"));
        txtQty_Change();
    }
    m_entryHoldsProduct = true;
}

bool FrmSales::addLineFromEntryFields(bool parkLine)
{
    if (!m_entryHoldsProduct) {
        dialogs().msgBox(ProductNotFound, mb::vbOKOnly);
        return false;
    }
    const auto quantity = Order::parseQuantity(txtQty->text());
    if (!quantity) {
        dialogs().msgBox(
            QStringLiteral(
                "Die Menge „%1“ ist ungültig. Bitte eine Menge über 0 bis höchstens 9999 "
                "eingeben, mit Komma, höchstens drei Nachkommastellen und ohne Tausenderpunkt, z. B. 2 oder 1,5.")
                .arg(txtQty->text()),
            mb::vbExclamation);
        return false;
    }
    const auto unitPrice = de::parseMoney(txtSalesPrice->text());
    if (!unitPrice) {
        dialogs().msgBox(
            QStringLiteral("Der Preis „%1“ ist kein gültiger Betrag. Bitte den Preis eingeben, z. B. 2,50.")
                .arg(txtSalesPrice->text()),
            mb::vbExclamation);
        return false;
    }
    const auto amount = Order::lineAmount(*quantity, *unitPrice);
    const OrderLine line{cboNo->currentText(), cboCategory->currentText(), cboDescription->currentText(),
                         txtQty->text(),       txtSalesPrice->text(),      amount.value_or(Money()),
                         txtmwst->text()};
    if (!amount || !m_order.add(line)) {
        dialogs().msgBox(QStringLiteral("Der Betrag ist zu groß für die Kasse. Bitte Menge und Preis prüfen."),
                         mb::vbExclamation);
        return false;
    }
    if (parkLine)
        writeParkedOrderRow(line);
    resetEntryFields();
    showOrder();
    showTaxSum(line.taxRate);
    return true;
}

void FrmSales::resetEntryFields()
{
    cboCategory->setEditText(QStringLiteral(" "));
    cboCategory->setFocus();
    cboDescription->clear();
    cboDescription->setEditText(QString());
    cboNo->clear();
    cboNo->setEditText(QString());
    txtQty->setText(QStringLiteral("1"));
    txtSalesPrice->setText(BlankAmount);
    txtamount->setText(BlankAmount);
    // The tax rate stays: it is the rate of the line just added.
    m_entryHoldsProduct = false;
    m_articleNumberTyped = false;
}

void FrmSales::putBackIntoEntryFields(const OrderLine &line)
{
    cboNo->setEditText(line.productId);
    cboCategory->setEditText(line.category);
    cboDescription->setEditText(line.description);
    txtSalesPrice->setText(line.unitPrice);
    txtQty->setText(line.quantity);
    txtamount->setText(de::formatNumber(line.amount));
    // The rate goes back with the line, so that the corrected line is added
    // again with its own product's tax, not that of the product looked at last.
    txtmwst->setText(line.taxRate);
    // Enter in the quantity box adds the corrected line again.
    m_entryHoldsProduct = true;
    m_articleNumberTyped = false;
}

void FrmSales::btnRemoveLast_Click()
{
    if (!m_order.isEmpty())
        takeBackLine(m_order.count() - 1);
}

void FrmSales::LvProduct_DblClick()
{
    QTreeWidgetItem *selected = LvProduct->currentItem();
    if (!selected)
        return;
    const int index = LvProduct->indexOfTopLevelItem(selected);
    if (index < 0 || index >= m_order.count())
        return;
    const int parkedOrder = session().TmpNo;
    if (parkedOrder >= 1 && parkedOrder <= LastParkedOrderTakenBack)
        deleteParkedOrderRow(m_order.lines().at(static_cast<std::size_t>(index)));
    takeBackLine(index);
}

void FrmSales::takeBackLine(int index)
{
    const OrderLine line = m_order.removeAt(index);
    putBackIntoEntryFields(line);
    showOrder();
    showTaxSum(line.taxRate);
}

void FrmSales::showOrder()
{
    LvProduct->clear();
    for (const OrderLine &line : m_order.lines()) {
        auto *item = new QTreeWidgetItem(LvProduct);
        item->setText(ColProductId, line.productId);
        item->setText(ColCategory, line.category);
        item->setText(ColDescription, line.description);
        item->setText(ColQuantity, line.quantity);
        item->setText(ColUnitPrice, line.unitPrice);
        item->setText(ColAmount, de::formatNumber(line.amount));
        for (int column : {ColQuantity, ColUnitPrice, ColAmount})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    LvProduct->scrollToBottom();
    txttotal->setText(de::formatNumber(m_order.total()));
}

void FrmSales::showTaxSum(const QString &taxRate)
{
    if (taxRate == QLatin1String(Order::FullRate))
        mwst1->setText(de::formatFixed2(m_order.fullRateTax()));
    else if (taxRate == QLatin1String(Order::ReducedRate))
        mwst2->setText(de::formatFixed2(m_order.reducedRateTax()));
}

void FrmSales::ClearOrder()
{
    m_order.clearLines();
    showOrder();
}

void FrmSales::ResetTaxSums()
{
    m_order.clearTaxSums();
    mwst1->setText(NoTaxSum);
    mwst2->setText(NoTaxSum);
}

void FrmSales::ClearParkedOrder()
{
    const int parkedOrder = session().TmpNo;
    if (parkedOrder < 1 || parkedOrder > LastParkedOrderWritten)
        return;
    Recordset &rows = ADOTemp.recordset();
    rows.setFilter({{QStringLiteral("tmpno"), QString::number(parkedOrder)}});
    while (!rows.eof() && rows.remove()) {
    }
}

void FrmSales::writeParkedOrderRow(const OrderLine &line)
{
    const int parkedOrder = session().TmpNo;
    if (parkedOrder < 1 || parkedOrder > LastParkedOrderWritten)
        return;
    Recordset &rows = ADOTemp.recordset();
    const bool stored = rows.addNew() && rows.setValue(QStringLiteral("tmpno"), parkedOrder) &&
                        rows.setText(QStringLiteral("category"), line.category) &&
                        rows.setText(QStringLiteral("productid"), line.productId) &&
                        rows.setText(QStringLiteral("Qty"), line.quantity) &&
                        rows.setText(QStringLiteral("Price"), line.unitPrice) &&
                        rows.setMoney(QStringLiteral("extprice"), line.amount) &&
                        rows.setText(QStringLiteral("Desc"), line.description) &&
                        rows.setText(QStringLiteral("Cashier"), txtCashier->text()) && rows.update();
    if (!stored) {
        const QString reason = rows.lastError();
        rows.cancelUpdate();
        dialogs().msgBox(
            QStringLiteral("Die Zeile wurde nicht in der geparkten Bestellung gespeichert: %1").arg(reason),
            mb::vbExclamation);
    }
}

void FrmSales::deleteParkedOrderRow(const OrderLine &line)
{
    Recordset &rows = ADOTemp.recordset();
    rows.setFilter({{QStringLiteral("tmpno"), QString::number(session().TmpNo)},
                    {QStringLiteral("productid"), line.productId},
                    {QStringLiteral("qty"), storedQuantityText(line.quantity)}});
    if (!rows.eof())
        rows.remove();
}

FrmSales &frmSales()
{
    return screens().get<FrmSales>();
}
