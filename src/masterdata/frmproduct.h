#pragma once

#include <optional>

#include "data/datacontrol.h"
#include "masterdata/productstore.h"
#include "platform/ui/form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
class LazyRowsModel;

// The products: browsed one by one, found by article number, picked from the
// list of all products, added and changed. The boxes are not bound: each
// handler copies between the boxes and the recordset itself.
//
// ADOProduct is the system's one product recordset. The till and the
// delivery booking work on it directly and set their own filter before they
// read; the editor's re-reads drop any filter, and a click on the list leaves
// it filtered to the product clicked.
class FrmProduct : public Form
{
    Q_OBJECT

public:
    FrmProduct();
    void Form_Load() override;

    // Re-reads the products and lists them all; the recordset is left past
    // its last row. The list is filled only when the screen loads.
    void DisplayProduct();

    DataControl ADOProduct{QStringLiteral("Products")};

    QLabel *Label5;
    QLabel *Label4;
    QGroupBox *fraProduct;
    QLineEdit *txtArtNr;
    QLineEdit *txtDescription;
    QComboBox *cboSupplier;
    QLineEdit *txtSupplier;
    QComboBox *cboCategory;
    QComboBox *cboBrands;
    QLineEdit *txtsize;
    QLineEdit *txtQuantity;
    QComboBox *MwSt;
    QLineEdit *txtOrderPrice;
    QLineEdit *txtamount;
    QLineEdit *txtid;
    QLineEdit *txtProduktid;
    QLineEdit *lblDate;
    QPushButton *cmdFind;
    QPushButton *cmdNew;
    QPushButton *cmdSave;
    QPushButton *cmdEdit;
    QPushButton *cmdUpdate;
    QPushButton *cmdClose;
    QPushButton *cmdRefresh;
    QPushButton *browBack;
    QPushButton *browNext;
    // Id, description and category of every product, as they were when the
    // list was filled; a line is read when it is shown.
    QTreeView *LvProduct;

private:
    void buildFrame();
    void buildButtons();
    void buildList();

    void cmdFind_Click();
    void cmdNew_Click();
    void cmdSave_Click();
    void cmdEdit_Click();
    void cmdUpdate_Click();
    void cmdClose_Click();
    void cmdRefresh_Click();
    void browBack_Click();
    void browNext_Click();
    void LvProduct_Click();
    void cboSupplier_Change();
    void cboSupplier_Click();

    // Copies the current row into the boxes; without a current row the boxes
    // keep what they show.
    void ShowCurrentProduct();
    ProductFields typedProduct() const;
    // A rate the till computes no tax for is stored only when the user says
    // so; nothing is stored otherwise.
    bool rateAccepted();
    void showProduct(const ProductFields &product);

    // Nothing on the screen offers these yet.
    void DeleteCurrentProduct();
    void LoadProductPicture();
    void ClearProductPicture();

    // The product whose values the boxes show, whatever the shared
    // recordset's position: "Aktualisieren" writes into this one.
    std::optional<qint64> m_shownProductId;
    LazyRowsModel *m_lines;
};

FrmProduct &frmProduct();
