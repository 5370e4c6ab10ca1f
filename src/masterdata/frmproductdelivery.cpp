#include "masterdata/frmproductdelivery.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/database.h"
#include "masterdata/deliverybooking.h"
#include "masterdata/frmproduct.h"
#include "masterdata/frmproductupdate.h"
#include "platform/clock.h"
#include "platform/screens.h"
#include "platform/ui/dialogs.h"

FrmProductDelivery::FrmProductDelivery()
{
    setObjectName(QStringLiteral("frmProductDelivery"));
    setWindowTitle(QStringLiteral("Product Delivered"));

    auto *numberFrame = new QGroupBox(this);
    numberFrame->setObjectName(QStringLiteral("fraNumber"));
    DTDate = new QDateEdit(numberFrame);
    DTDate->setObjectName(QStringLiteral("DTDate"));
    DTDate->setCalendarPopup(true);
    DTDate->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    cboNumber = new QComboBox(numberFrame);
    cboNumber->setObjectName(QStringLiteral("cboNumber"));
    cboNumber->setEditable(true);
    // The box's own change handler keeps the list; the combo box neither adds
    // on Enter nor completes what is typed.
    cboNumber->setInsertPolicy(QComboBox::NoInsert);
    cboNumber->setCompleter(nullptr);
    auto *numberLayout = new QFormLayout(numberFrame);
    numberLayout->addRow(QStringLiteral("Datum:"), DTDate);
    numberLayout->addRow(QStringLiteral("Nummer:"), cboNumber);

    auto *productFrame = new QGroupBox(QStringLiteral("Produkt Lieferung"), this);
    productFrame->setObjectName(QStringLiteral("fraProduct"));
    txtNo = makeTextBox("txtNo", productFrame);
    txtDescription = makeTextBox("txtDescription", productFrame);
    txtQuantity = makeTextBox("txtQuantity", productFrame);
    txtorder = makeTextBox("txtorder", productFrame);
    auto *productLayout = new QFormLayout(productFrame);
    productLayout->addRow(QStringLiteral("ID:"), txtNo);
    productLayout->addRow(QStringLiteral("Beschreibung:"), txtDescription);
    productLayout->addRow(QStringLiteral("Anzahl:"), txtQuantity);
    productLayout->addRow(QStringLiteral("EK Preis:"), txtorder);

    auto *priceFrame = new QGroupBox(QStringLiteral("Anpassen wenn Sich EK Preis geändert hat"), this);
    priceFrame->setObjectName(QStringLiteral("fraPrice"));
    txtsales = makeTextBox("txtsales", priceFrame);
    auto *priceLayout = new QFormLayout(priceFrame);
    priceLayout->addRow(QStringLiteral("VK Preis:"), txtsales);

    btnUpdate = makeButton("btnUpdate", QStringLiteral("Aktualisieren"));
    btnCancel = makeButton("btnCancel", QStringLiteral("Ende"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnUpdate);
    buttons->addWidget(btnCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(numberFrame);
    layout->addWidget(productFrame);
    layout->addWidget(priceFrame);
    layout->addLayout(buttons);

    connect(cboNumber, &QComboBox::editTextChanged, this, &FrmProductDelivery::cboNumber_Change);
    connect(btnUpdate, &QPushButton::clicked, this, &FrmProductDelivery::btnUpdate_Click);
    connect(btnCancel, &QPushButton::clicked, this, &FrmProductDelivery::btnCancel_Click);
}

void FrmProductDelivery::Form_Load()
{
    DTDate->setDate(currentClock().now().date());
    // The deliveries only grow: opening them reads no row, and the list of
    // numbers comes from the numbers in use, not from every row.
    ADODeliveries.refresh();
    for (const QString &number : deliveries::numbersInUse(Database::current()))
        cboNumber->setEditText(number);
    ADODeliveries->addNew();
    // Without a proposal the box stays empty for a number typed by hand.
    QString error;
    if (const auto proposed = proposeKey(deliveries::NumberKey, &error))
        cboNumber->setEditText(QString::number(*proposed));
    else
        dialogs().msgBox(error, mb::vbExclamation);
}

void FrmProductDelivery::ProposePrices(const QString &orderPrice, const QString &salesPrice)
{
    m_proposedOrderPrice = orderPrice;
    m_proposedSalesPrice = salesPrice;
    txtorder->setText(orderPrice);
    txtsales->setText(salesPrice);
}

void FrmProductDelivery::cboNumber_Change(const QString &text)
{
    // Every number the box passes through, typed or set, joins its list once;
    // an emptied box is no number.
    if (!text.isEmpty() && cboNumber->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        cboNumber->addItem(text);
}

void FrmProductDelivery::btnUpdate_Click()
{
    const deliveries::BookingResult result = deliveries::book(
        Database::current(), {cboNumber->currentText(), txtNo->text(), txtQuantity->text(), txtorder->text(),
                              txtsales->text(), DTDate->date(), m_proposedOrderPrice, m_proposedSalesPrice});
    if (!result.booked) {
        // Nothing was stored; the screen stays with what was typed.
        dialogs().msgBox(result.refusal, mb::vbExclamation);
        return;
    }
    const deliveries::BookedProduct &booked = *result.booked;

    // The row started at opening was stored by the booking, not through it.
    ADODeliveries.refresh();
    // The shared product recordset shows the stored stock and prices, on the
    // booked product, and keeps that filter for its next user.
    DataControl &products = frmProduct().ADOProduct;
    products.refresh();
    products->setFilter({{QStringLiteral("productid"), QString::number(booked.productId)}});

    dialogs().msgBox(txtDescription->text() + QStringLiteral(" erfolgreich aktualisiert..."), mb::vbInformation);
    if (screens().isLoaded<FrmProductUpdate>())
        frmProductUpdate().ShowBookedProduct(booked);
    screens().unload<FrmProductDelivery>();
}

void FrmProductDelivery::btnCancel_Click()
{
    // Drops the delivery started at opening; nothing is stored.
    ADODeliveries.refresh();
    screens().unload<FrmProductDelivery>();
}

void FrmProductDelivery::reject()
{
    btnCancel_Click();
}

void FrmProductDelivery::changeEvent(QEvent *event)
{
    Form::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void FrmProductDelivery::Form_Activate()
{
    // Whatever box has the focus is ready to be typed over.
    QWidget *focused = focusWidget();
    if (auto *box = qobject_cast<QLineEdit *>(focused))
        box->selectAll();
    else if (auto *combo = qobject_cast<QComboBox *>(focused); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

FrmProductDelivery &frmProductDelivery()
{
    return screens().get<FrmProductDelivery>();
}
