#include "till/frmsales.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/frmsettings.h"
#include "app/screens.h"
#include "app/session.h"
#include "data/ui/boundbox.h"
#include "masterdata/frmcategory.h"
#include "masterdata/frmcustomer.h"
#include "masterdata/frmproduct.h"
#include "platform/locale.h"
#include "platform/ui/dialogs.h"
#include "till/productlookup.h"
#include "till/ui/pagedbuttongrid.h"

namespace {
const QString ProductNotFound = QStringLiteral("Artikel nicht gefunden!");

// Parked orders are numbered 1 to 30; lines are written for all of them but
// taken back by double click only for the first twenty.
constexpr int LastParkedOrderWritten = 30;
constexpr int LastParkedOrderTakenBack = 20;

enum Column { ColProductId, ColCategory, ColDescription, ColQuantity, ColUnitPrice, ColAmount, ColumnCount };

QComboBox *makeComboBox(const char *name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumHeight(48);
    return box;
}

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
    if (*quantity == static_cast<double>(static_cast<qint64>(*quantity)))
        return QString::number(static_cast<qint64>(*quantity));
    return QString::number(*quantity, 'g', 15);
}
} // namespace

FrmSales::FrmSales()
{
    setObjectName(QStringLiteral("frmSales"));
    setWindowTitle(QStringLiteral("Create Bill"));

    categoryPages =
        new PagedButtonGrid({"kategoryfrm", "caButton", "catNav", "catNavBack", "ktn_label"}, 4, 4, 5, this);
    productPages = new PagedButtonGrid({"products", "proSellect", "prdNav", "prdNavBack", "prd_label"}, 4, 4, 7, this);
    kategoryfrm = categoryPages->frames();
    caButton = categoryPages->buttons();
    catNav = categoryPages->nextButton();
    catNavBack = categoryPages->backButton();
    ktn_label = categoryPages->pageLabel();
    products = productPages->frames();
    proSellect = productPages->buttons();
    prdNav = productPages->nextButton();
    prdNavBack = productPages->backButton();
    prd_label = productPages->pageLabel();
    connect(categoryPages, &PagedButtonGrid::buttonClicked, this, &FrmSales::caButton_Click);
    connect(productPages, &PagedButtonGrid::buttonClicked, this, &FrmSales::proSellect_Click);

    LvProduct = new QTreeWidget(this);
    LvProduct->setObjectName(QStringLiteral("LvProduct"));
    LvProduct->setColumnCount(ColumnCount);
    LvProduct->setHeaderLabels({QStringLiteral("Nr."), QStringLiteral("Kategorie"), QStringLiteral("Artikel"),
                                QStringLiteral("Menge"), QStringLiteral("Preis"), QStringLiteral("Betrag")});
    LvProduct->setRootIsDecorated(false);
    LvProduct->setUniformRowHeights(true);
    LvProduct->setAlternatingRowColors(true);
    LvProduct->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    LvProduct->header()->setSectionResizeMode(ColDescription, QHeaderView::Stretch);
    LvProduct->header()->setStretchLastSection(false);
    connect(LvProduct, &QTreeWidget::itemDoubleClicked, this, [this] { LvProduct_DblClick(); });

    txttotal = makeTextBox("txttotal");
    txttotal->setText(QStringLiteral("0.00"));
    txttotal->setReadOnly(true);
    txttotal->setAlignment(Qt::AlignRight);
    mwst1 = makeTextBox("mwst1");
    mwst1->setText(QStringLiteral("0"));
    mwst1->hide();
    mwst2 = makeTextBox("mwst2");
    mwst2->setText(QStringLiteral("0"));
    mwst2->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    // Often enough that the seconds turn over when the wall clock's do.
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &FrmSales::Timer1_Timer);

    auto *orderTotal = new QHBoxLayout;
    orderTotal->addStretch();
    orderTotal->addWidget(makeLabel("lblTotal", QStringLiteral("Summe:")));
    orderTotal->addWidget(txttotal);

    auto *left = new QVBoxLayout;
    left->addWidget(buildEntryFields());
    left->addWidget(LvProduct, 1);
    left->addLayout(orderTotal);
    left->addWidget(buildCustomerBlock());

    auto *pages = new QVBoxLayout;
    pages->addWidget(categoryPages, 2);
    pages->addWidget(productPages, 3);

    auto *body = new QHBoxLayout;
    body->addLayout(left, 2);
    body->addLayout(pages, 3);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildHeader());
    layout->addLayout(body, 1);
    layout->addWidget(buildButtonRow());

    applyTouchStyle();
    resize(1280, 860);
}

QWidget *FrmSales::buildHeader()
{
    auto *header = new QWidget(this);
    txtcName = makeLabel("txtcName", QString(), header);
    Label10 = makeLabel("Label10", QStringLiteral("Datum:"), header);
    lbldata = makeLabel("lbldata", QStringLiteral("01/01/2011"), header);
    Label6 = makeLabel("Label6", QStringLiteral("Kassierer:"), header);
    txtCashier = makeLabel("txtCashier", QStringLiteral("cashier"), header);
    Label1 = makeLabel("Label1", QStringLiteral("Date:"), header);
    Label1->hide();
    DTDate = new QDateEdit(header);
    DTDate->setObjectName(QStringLiteral("DTDate"));
    DTDate->hide();
    stsTime = makeLabel("stsTime", QStringLiteral("12:12:12"), header);

    QFont large = txtcName->font();
    large.setPointSize(20);
    large.setBold(true);
    txtcName->setFont(large);
    stsTime->setFont(large);

    auto *layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtcName);
    layout->addSpacing(32);
    layout->addWidget(Label10);
    layout->addWidget(lbldata);
    layout->addSpacing(24);
    layout->addWidget(Label6);
    layout->addWidget(txtCashier);
    layout->addStretch();
    layout->addWidget(stsTime);
    return header;
}

QWidget *FrmSales::buildEntryFields()
{
    auto *fields = new QWidget(this);
    txtid = makeTextBox("txtid", fields);
    ArtSelok = makeButton("ArtSelok", QStringLiteral("OK"), fields);
    cboCategory = makeComboBox("cboCategory", fields);
    cboCategory->addItem(QStringLiteral("Select!"));
    cboCategory->setEditText(QStringLiteral("Wählen"));
    cboDescription = makeComboBox("cboDescription", fields);
    cboNo = makeComboBox("cboNo", fields);
    // The product id follows the description chosen; it is not typed.
    cboNo->lineEdit()->setReadOnly(true);
    cboNo->setEditText(QStringLiteral("Combo3"));
    txtQty = makeTextBox("txtQty", fields);
    txtQty->setText(QStringLiteral("0"));
    txtSalesPrice = makeTextBox("txtSalesPrice", fields);
    txtamount = makeTextBox("txtamount", fields);
    txtamount->setReadOnly(true);
    txtmwst = makeTextBox("txtmwst", fields);
    txtmwst->hide();
    for (QLineEdit *box : {txtQty, txtSalesPrice, txtamount})
        box->setAlignment(Qt::AlignRight);

    connect(txtid, &QLineEdit::textChanged, this, &FrmSales::txtid_Change);
    connect(ArtSelok, &QPushButton::clicked, this, &FrmSales::ArtSelok_Click);
    connect(cboCategory, &QComboBox::activated, this, &FrmSales::cboCategory_Click);
    connect(cboDescription, &QComboBox::activated, this, &FrmSales::cboDescription_Click);
    connect(txtQty, &QLineEdit::textChanged, this, &FrmSales::txtQty_Change);
    cboDescription->installEventFilter(this);
    txtQty->installEventFilter(this);

    auto *articleRow = new QHBoxLayout;
    articleRow->addWidget(txtid, 1);
    articleRow->addWidget(ArtSelok);
    auto *productRow = new QHBoxLayout;
    productRow->addWidget(cboDescription, 3);
    productRow->addWidget(makeLabel("lblNo", QStringLiteral("Nr.:"), fields));
    productRow->addWidget(cboNo, 1);
    auto *amountRow = new QHBoxLayout;
    amountRow->addWidget(txtQty);
    amountRow->addWidget(makeLabel("lblPrice", QStringLiteral("Preis:"), fields));
    amountRow->addWidget(txtSalesPrice);
    amountRow->addWidget(makeLabel("lblAmount", QStringLiteral("Betrag:"), fields));
    amountRow->addWidget(txtamount);

    auto *layout = new QFormLayout(fields);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addRow(QStringLiteral("Art.-Nr.:"), articleRow);
    layout->addRow(QStringLiteral("Kategorie:"), cboCategory);
    layout->addRow(QStringLiteral("Artikel:"), productRow);
    layout->addRow(QStringLiteral("Menge:"), amountRow);
    return fields;
}

QWidget *FrmSales::buildCustomerBlock()
{
    fraCustomer = new QGroupBox(QStringLiteral("Kunde"), this);
    fraCustomer->setObjectName(QStringLiteral("fraCustomer"));
    cName = makeLabel("cName", QStringLiteral("Name:"), fraCustomer);
    txtName = makeTextBox("txtName", fraCustomer);
    txtAddress = makeTextBox("txtAddress", fraCustomer);
    txtPlace = makeTextBox("txtPlace", fraCustomer);
    txtContactNumber = makeTextBox("txtContactNumber", fraCustomer);
    Text1 = makeTextBox("Text1", fraCustomer);

    auto *layout = new QFormLayout(fraCustomer);
    layout->addRow(cName, txtName);
    layout->addRow(QStringLiteral("Adresse:"), txtAddress);
    layout->addRow(QStringLiteral("Plz / Ort:"), txtPlace);
    auto *numbers = new QHBoxLayout;
    numbers->addWidget(txtContactNumber, 2);
    numbers->addWidget(new QLabel(QStringLiteral("ID:"), fraCustomer));
    numbers->addWidget(Text1, 1);
    layout->addRow(QStringLiteral("Tel:"), numbers);

    new BoundBox(txtName, ADOCustomer, QStringLiteral("Customername"));
    new BoundBox(txtAddress, ADOCustomer, QStringLiteral("Address"));
    new BoundBox(txtPlace, ADOCustomer, QStringLiteral("Place"));
    new BoundBox(txtContactNumber, ADOCustomer, QStringLiteral("ContactNumber"));
    new BoundBox(Text1, ADOCustomer, QStringLiteral("CustomerID"));
    // The customer is chosen by the caller identification, the customer
    // search or the customer editor, never typed in here.
    fraCustomer->setEnabled(false);
    return fraCustomer;
}

QWidget *FrmSales::buildButtonRow()
{
    auto *row = new QWidget(this);
    Label12 = makeLabel("Label12", QStringLiteral("Bemerkungen"), row);
    zusText = makeTextBox("zusText", row);
    btnRemoveLast = makeButton("btnRemoveLast", QStringLiteral("Storno letzte Zeile"), row);
    btnCustomerE = makeButton("btnCustomerE", QStringLiteral("Kunden"), row);
    selCustomer = makeButton("selCustomer", QStringLiteral("Kunde Suchen"), row);
    cmdPayment = makeButton("cmdPayment", QStringLiteral("Kasse"), row);
    cmdClose = makeButton("cmdClose", QStringLiteral("Ende"), row);

    connect(btnRemoveLast, &QPushButton::clicked, this, &FrmSales::btnRemoveLast_Click);
    connect(btnCustomerE, &QPushButton::clicked, this, &FrmSales::btnCustomerE_Click);
    connect(selCustomer, &QPushButton::clicked, this, &FrmSales::selCustomer_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmSales::cmdClose_Click);

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Label12);
    layout->addWidget(zusText, 1);
    for (QPushButton *button : {btnRemoveLast, btnCustomerE, selCustomer, cmdPayment, cmdClose}) {
        button->setMinimumSize(150, 64);
        layout->addWidget(button);
    }
    return row;
}

// Read at arm's length and pressed with a finger: large type, tall controls.
void FrmSales::applyTouchStyle()
{
    QFont base = font();
    base.setPointSize(14);
    setFont(base);
    for (QLineEdit *box : {txtid, txtQty, txtSalesPrice, txtamount, txttotal})
        box->setMinimumHeight(48);
    ArtSelok->setMinimumSize(96, 48);
    QFont total = txttotal->font();
    total.setPointSize(24);
    total.setBold(true);
    txttotal->setFont(total);
    txttotal->setMinimumHeight(56);
    QFont buttons = base;
    buttons.setBold(true);
    for (QPushButton *button : caButton + proSellect)
        button->setFont(buttons);
}

void FrmSales::Form_Load()
{
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
    categoryPages->setCaptions(names);

    DTDate->setDate(QDate::currentDate());
    lbldata->setText(de::shortDate(QDate::currentDate()));
    txtCashier->setText(session().CashierName);
    txtcName->setText(frmSettings().ADOSettings->text(QStringLiteral("cName")));

    Timer1_Timer();
    Timer1->start();
    ConnectCallMonitor();
}

void FrmSales::ConnectCallMonitor() {}

void FrmSales::Timer1_Timer()
{
    showClock(QTime::currentTime());
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
    const auto found =
        lookUpProducts(productControl.recordset(), {QStringLiteral("Category"), caButton.at(index)->text()});
    QStringList captions;
    m_productButtonIds.clear();
    for (const ProductEntry &product : found) {
        captions << product.productId + u'\n' + product.description;
        m_productButtonIds << product.productId;
    }
    productPages->setCaptions(captions);
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
    dialogs().showModal(&frmCustomer());
}

void FrmSales::selCustomer_Click()
{
    // The customer search screen opens here; until it exists the button does
    // nothing.
}

void FrmSales::txtid_Change(const QString &text)
{
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
    addLineForProduct({QStringLiteral("ArtNr"), txtid->text()});
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
    // Until both read as numbers the amount stays as it was.
    if (quantity && unitPrice)
        txtamount->setText(de::formatNumber(Order::lineAmount(*quantity, *unitPrice)));
}

bool FrmSales::txtQty_KeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    addLineFromEntryFields(true);
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

void FrmSales::addLineForProduct(const Criterion &criterion)
{
    const auto found = lookUpProducts(productRecordset(), criterion);
    if (found.empty()) {
        dialogs().msgBox(ProductNotFound, mb::vbOKOnly);
        return;
    }
    fillEntryFields(found);
    if (addLineFromEntryFields(false))
        txtid->clear();
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
    const auto quantity = de::parseNumber(txtQty->text());
    if (!quantity) {
        dialogs().msgBox(QStringLiteral("Die Menge „%1“ ist keine Zahl. Bitte die Menge eingeben, z. B. 2 oder 1,5.")
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
    const OrderLine line{cboNo->currentText(), cboCategory->currentText(), cboDescription->currentText(),
                         txtQty->text(),       txtSalesPrice->text(),      Order::lineAmount(*quantity, *unitPrice),
                         txtmwst->text()};
    if (parkLine)
        writeParkedOrderRow(line);
    m_order.add(line);
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
    txtSalesPrice->setText(QStringLiteral("0.00"));
    txtamount->setText(QStringLiteral("0.00"));
    // The tax rate stays: it is the rate of the line just added.
    m_entryHoldsProduct = false;
}

void FrmSales::putBackIntoEntryFields(const OrderLine &line)
{
    cboNo->setEditText(line.productId);
    cboCategory->setEditText(line.category);
    cboDescription->setEditText(line.description);
    txtSalesPrice->setText(line.unitPrice);
    txtQty->setText(line.quantity);
    txtamount->setText(de::formatNumber(line.amount));
    txtmwst->setText(line.taxRate);
    // Enter in the quantity box adds the corrected line again.
    m_entryHoldsProduct = true;
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
    mwst1->setText(QStringLiteral("0"));
    mwst2->setText(QStringLiteral("0"));
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
