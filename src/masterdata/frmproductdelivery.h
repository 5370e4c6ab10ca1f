#pragma once

#include "data/datacontrol.h"
#include "platform/ui/form.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// Books one delivery of one product: the delivery's row, the product's stock
// raised by the quantity, and its new order and sales prices. Opened from the
// stock list, which fills the product boxes; it unloads itself after each
// booking or cancel, so every opening proposes a fresh number.
class FrmProductDelivery : public Form
{
    Q_OBJECT

public:
    FrmProductDelivery();
    void Form_Load() override;

    // Fills the price boxes with the product's prices as the stock list
    // shows them; a box left so keeps the price stored when booking.
    void ProposePrices(const QString &orderPrice, const QString &salesPrice);

    DataControl ADODeliveries{QStringLiteral("Deliveries")};

    QDateEdit *DTDate;
    QComboBox *cboNumber;
    QLineEdit *txtNo;
    QLineEdit *txtDescription;
    QLineEdit *txtQuantity;
    QLineEdit *txtorder;
    QLineEdit *txtsales;
    QPushButton *btnUpdate;
    QPushButton *btnCancel;

public slots:
    // Closing the window is the same as "Ende".
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void cboNumber_Change(const QString &text);
    void btnUpdate_Click();
    void btnCancel_Click();
    void Form_Activate();

    QString m_proposedOrderPrice;
    QString m_proposedSalesPrice;
};

FrmProductDelivery &frmProductDelivery();
