#pragma once

#include "data/datacontrol.h"
#include "platform/ui/form.h"

class LazyRowsModel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace deliveries {
struct BookedProduct;
}

// The stock list: every product with what was delivered, what is on hand and
// what was sold, and its prices. A line handed over opens the delivery
// booking for that product.
class FrmProductUpdate : public Form
{
    Q_OBJECT

public:
    FrmProductUpdate();
    void Form_Load() override;

    // Lists the rows the recordset shows, from the first (where it stands
    // once opened or filtered); the recordset is left past its last row.
    void DisplayProductList();

    // Shows in the product's line what a booking stored. "Best." keeps its
    // meaning, everything delivered of the product, rather than showing only
    // this delivery's quantity until the list is read again.
    void ShowBookedProduct(const deliveries::BookedProduct &booked);

    DataControl ADOProductInventory{QStringLiteral("ProductInventory")};

    // One line per product, read when shown (see LazyRowsModel).
    QTreeView *LvProduct;
    QLineEdit *txtSearch;
    QPushButton *btnSearch;
    QPushButton *btnSelect;
    QPushButton *btnClose;

public slots:
    // Closing the window is the same as "Ende".
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnSearch_Click();
    void btnSelect_Click();
    void LvProduct_DblClick();
    void btnClose_Click();
    void HandOverSelectedLine();
    // Rewrites the line with the product's figures as stored now, so that
    // what the booking is handed is never older than what is stored.
    void ShowStoredFigures(int line);

    // Shows every product again; nothing on the screen offers it.
    void ResetProductInventoryList();

    LazyRowsModel *m_lines;
    // Why the stock could not be read for the list shown, or empty.
    QString m_unreadable;
    void tellUnreadable();
};

FrmProductUpdate &frmProductUpdate();
