#pragma once

#include <deque>
#include <optional>
#include <vector>

#include <QList>
#include <QStringList>

#include "data/datacontrol.h"
#include "platform/ui/form.h"
#include "till/callmonitor.h"
#include "till/order.h"

class PagedButtonGrid;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeWidget;
class TcpClient;
struct Criterion;
struct ProductEntry;

// The till's working screen: the cashier builds an order from category and
// product buttons, an article number or the category and description lists,
// sees the running total, takes lines back, and goes on to payment.
//
// The order itself is held in `order()`; `LvProduct`, `txttotal`, `mwst1` and
// `mwst2` show it. Code that ends a sale clears it with ClearOrder() and,
// once the receipt is done, ResetTaxSums(), rather than editing those boxes.
class FrmSales : public Form
{
    Q_OBJECT

public:
    FrmSales();

    // The columns of an order line in LvProduct.
    enum OrderColumn { ColProductId, ColCategory, ColDescription, ColQuantity, ColUnitPrice, ColAmount, ColumnCount };

    void Form_Load() override;

    const Order &order() const { return m_order; }
    // Empties the order list and shows the total 0,00; the tax sums stay, as
    // the receipt of the sale just stored still prints them.
    void ClearOrder();
    // Sets the tax sums back to "0" once the receipt no longer needs them.
    void ResetTaxSums();
    // Deletes the rows of the parked order once its sale is stored.
    void ClearParkedOrder();

    // Shows the given time in the clock.
    void showClock(const QTime &time);
    // The clock's tick: the time, and the date once the day turns over.
    void Timer1_Timer();

    // Data controls of the screen. ADOCustomer's current row is the sale's
    // customer; the caller identification and the customer search move it.
    DataControl ADOTemp{QStringLiteral("Temp")};
    DataControl ADOSalesDetails{QStringLiteral("SalesDetails")};
    DataControl ADOCustomer{QStringLiteral("Customer")};

    // Header
    QLabel *txtcName;
    QLabel *Label10;
    QLabel *lbldata;
    QLabel *Label6;
    QLabel *txtCashier;
    QLabel *Label1;
    QDateEdit *DTDate; // the sale's date, out of sight
    QLabel *stsTime;
    QTimer *Timer1;
    // Whether calls can arrive: connected to the router's call monitor or not;
    // empty when the shop has no router set.
    QLabel *lblCallMonitor;
    // Tries the call monitor again while it is not connected.
    QTimer *tmrReconnect;

    // Category and product pages
    PagedButtonGrid *categoryPages;
    PagedButtonGrid *productPages;
    QList<QFrame *> kategoryfrm;
    QList<QPushButton *> caButton;
    QPushButton *catNav;
    QPushButton *catNavBack;
    QLineEdit *ktn_label;
    QList<QFrame *> products;
    QList<QPushButton *> proSellect;
    QPushButton *prdNav;
    QPushButton *prdNavBack;
    QLineEdit *prd_label;

    // Entry fields
    QLineEdit *txtid;
    QPushButton *ArtSelok;
    QComboBox *cboCategory;
    QComboBox *cboDescription;
    QComboBox *cboNo;
    QLineEdit *txtQty;
    QLineEdit *txtSalesPrice;
    QLineEdit *txtamount;
    QLineEdit *txtmwst; // the tax rate of the product in the entry fields, out of sight

    // The order
    QTreeWidget *LvProduct;
    QLineEdit *txttotal;
    QLineEdit *mwst1; // tax contained at 19 %, out of sight: the receipt prints it
    QLineEdit *mwst2; // tax contained at 7 %, likewise

    // Customer block, showing ADOCustomer's current row
    QGroupBox *fraCustomer;
    QLabel *cName;
    QLineEdit *txtName;
    QLineEdit *txtAddress;
    QLineEdit *txtPlace;
    QLineEdit *txtContactNumber;
    QLineEdit *Text1;

    QLabel *Label12;
    QLineEdit *zusText; // remarks, printed on the receipt

    QPushButton *cmdPayment;
    QPushButton *cmdClose;
    QPushButton *btnRemoveLast;
    QPushButton *btnCustomerE;
    QPushButton *selCustomer;

    // The connection to the router's call monitor.
    TcpClient *Winsock1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void caButton_Click(int index);
    void proSellect_Click(int index);
    void cmdClose_Click();
    void btnCustomerE_Click();
    void selCustomer_Click();
    void txtid_Change(const QString &text);
    void ArtSelok_Click();
    void cboCategory_Click(int index);
    void cboDescription_Click(int index);
    bool cboDescription_KeyPress(int key);
    void txtQty_Change();
    bool txtQty_KeyPress(int key);
    void btnRemoveLast_Click();
    void LvProduct_DblClick();
    void cmdPayment_Click();
    void Winsock1_DataArrival(const QByteArray &data);
    void Winsock1_Connected();
    void Winsock1_Closed();
    void tmrReconnect_Timer();

    // Connects to the call monitor at the host and port of the settings.
    void ConnectCallMonitor();
    // Shows the calls waiting to be announced, one after another.
    void announceCalls();

    QWidget *buildHeader();
    QWidget *buildEntryFields();
    QWidget *buildCustomerBlock();
    QWidget *buildButtonRow();
    void applyTouchStyle();

    Recordset &productRecordset();
    // The products whose article number is exactly the one typed, or nothing
    // and "Artikel nicht gefunden!": the one rule of "OK" and of Enter in
    // the quantity box.
    std::optional<std::vector<ProductEntry>> productsOfArticleNumber();
    bool addLineForProduct(const Criterion &criterion);
    void fillEntryFields(const std::vector<ProductEntry> &found);
    bool addLineFromEntryFields(bool parkLine);
    void putBackIntoEntryFields(const OrderLine &line);
    void resetEntryFields();
    void takeBackLine(int index);
    void showOrder();
    void showTaxSum(const QString &taxRate);
    void writeParkedOrderRow(const OrderLine &line);
    void deleteParkedOrderRow(const OrderLine &line);

    Order m_order;
    // The entry fields hold a product (from a look-up or a line taken back),
    // so that Enter in the quantity box may make a line of them.
    bool m_entryHoldsProduct = false;
    // The article-number box was typed into after anything else filled the
    // entry fields: Enter then adds what the number names, not the fields.
    bool m_articleNumberTyped = false;
    QStringList m_categoryNames;    // of the category buttons, in order
    QStringList m_productButtonIds; // of the product buttons, in order
    CallMonitorLines m_callMonitorLines;
    CallerIdentification m_callerIdentification; // holds LastRingStamp
    QString m_callMonitorHost;
    quint16 m_callMonitorPort = 0;
    std::deque<RingCall> m_callsToAnnounce;
    bool m_announcingCall = false;
};

FrmSales &frmSales();
