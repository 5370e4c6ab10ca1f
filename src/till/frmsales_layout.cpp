// How the sales screen is put together: where its controls stand and how
// large they are. What they do is in frmsales.cpp.
#include "till/frmsales.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "data/ui/boundbox.h"
#include "platform/ui/namecolumns.h"
#include "platform/tcpclient.h"
#include "till/payment.h"
#include "till/ui/pagedbuttongrid.h"

namespace {
QComboBox *makeComboBox(const char *name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumHeight(48);
    return box;
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
    LvProduct->setAlternatingRowColors(true);
    // What tells the lines apart is the article's name: it stands next to
    // the number and gets its width first.
    LvProduct->header()->moveSection(ColDescription, ColCategory);
    fitNameColumns(LvProduct, {ColDescription, ColCategory}, NameFit::FirstWholeOnTwoLines);
    connect(LvProduct, &QTreeWidget::itemDoubleClicked, this, [this] { LvProduct_DblClick(); });

    txttotal = makeTextBox("txttotal");
    txttotal->setText(BlankAmount);
    txttotal->setReadOnly(true);
    txttotal->setAlignment(Qt::AlignRight);
    mwst1 = makeTextBox("mwst1");
    mwst1->setText(NoTaxSum);
    mwst1->hide();
    mwst2 = makeTextBox("mwst2");
    mwst2->setText(NoTaxSum);
    mwst2->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    // Often enough that the seconds turn over when the wall clock's do.
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &FrmSales::Timer1_Timer);

    Winsock1 = new TcpClient(this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    connect(Winsock1, &TcpClient::dataArrived, this, &FrmSales::Winsock1_DataArrival);
    connect(Winsock1, &TcpClient::connected, this, &FrmSales::Winsock1_Connected);
    connect(Winsock1, &TcpClient::closed, this, &FrmSales::Winsock1_Closed);
    tmrReconnect = new QTimer(this);
    tmrReconnect->setObjectName(QStringLiteral("tmrReconnect"));
    tmrReconnect->setInterval(10000);
    connect(tmrReconnect, &QTimer::timeout, this, &FrmSales::tmrReconnect_Timer);

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

    // The order list takes the width the product buttons can spare: seven
    // to a row, each still as wide as a long word of a product's name.
    auto *body = new QHBoxLayout;
    body->addLayout(left, 9);
    body->addLayout(pages, 14);

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
    // The shop's and the cashier's names end in "…" rather than push the
    // clock and the screen's edge beyond the display.
    txtcName = makeNameLabel("txtcName", header);
    Label10 = makeLabel("Label10", QStringLiteral("Datum:"), header);
    lbldata = makeLabel("lbldata", QStringLiteral("01/01/2011"), header);
    Label6 = makeLabel("Label6", QStringLiteral("Kassierer:"), header);
    txtCashier = makeNameLabel("txtCashier", header);
    txtCashier->setText(QStringLiteral("cashier"));
    Label1 = makeLabel("Label1", QStringLiteral("Date:"), header);
    Label1->hide();
    DTDate = new QDateEdit(header);
    DTDate->setObjectName(QStringLiteral("DTDate"));
    DTDate->hide();
    stsTime = makeLabel("stsTime", QStringLiteral("12:12:12"), header);
    lblCallMonitor = makeLabel("lblCallMonitor", QString(), header);

    QFont large = txtcName->font();
    large.setPointSize(20);
    large.setBold(true);
    txtcName->setFont(large);
    stsTime->setFont(large);

    // The shop's name has a line to itself, the cashier's the width the
    // date and the call monitor leave on the line below.
    auto *dateAndCashier = new QHBoxLayout;
    dateAndCashier->addWidget(Label10);
    dateAndCashier->addWidget(lbldata);
    dateAndCashier->addSpacing(24);
    dateAndCashier->addWidget(Label6);
    dateAndCashier->addWidget(txtCashier, 1);
    dateAndCashier->addSpacing(24);
    dateAndCashier->addWidget(lblCallMonitor);
    auto *lines = new QVBoxLayout;
    lines->addWidget(txtcName);
    lines->addLayout(dateAndCashier);

    auto *layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(lines, 1);
    layout->addSpacing(24);
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
    // The product id follows the description chosen; it is not typed, since
    // a typed id would sell and take from stock another product than the
    // one the line describes.
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
    txtName = makeNameBox("txtName", fraCustomer);
    txtAddress = makeNameBox("txtAddress", fraCustomer);
    txtPlace = makeNameBox("txtPlace", fraCustomer);
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
    // search or the customer editor, never typed in here. The disabled frame
    // keeps its text in full colour, so that the name stays readable from
    // the counter.
    fraCustomer->setEnabled(false);
    QPalette readable = fraCustomer->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::Base})
        readable.setColor(QPalette::Disabled, role, readable.color(QPalette::Active, role));
    fraCustomer->setPalette(readable);
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
    connect(cmdPayment, &QPushButton::clicked, this, &FrmSales::cmdPayment_Click);
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
    // The order list is read by the cashier close up, its heads only name
    // its columns: a smaller type leaves two lines of the list's width to
    // an article's name.
    QFont lines = base;
    lines.setPointSize(13);
    LvProduct->setFont(lines);
    QFont heads = base;
    heads.setPointSize(10);
    LvProduct->header()->setFont(heads);
    QFont total = txttotal->font();
    total.setPointSize(24);
    total.setBold(true);
    txttotal->setFont(total);
    txttotal->setMinimumHeight(56);
    // Bold names of up to three lines fit the height of a category button.
    QFont categoryFont = base;
    categoryFont.setPointSize(12);
    categoryFont.setBold(true);
    for (QPushButton *button : caButton)
        button->setFont(categoryFont);
    // Seven product buttons share a row: a smaller type keeps the number and
    // a description of up to three lines whole.
    QFont productFont = base;
    productFont.setPointSize(10);
    for (QPushButton *button : proSellect)
        button->setFont(productFont);
}
