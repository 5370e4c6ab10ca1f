#include "masterdata/frmproduct.h"

#include <initializer_list>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>

#include "data/ui/lazyrowsmodel.h"
#include "masterdata/frmbrands.h"
#include "masterdata/frmcategory.h"
#include "masterdata/frmsupplier.h"
#include "masterdata/keys.h"
#include "platform/clock.h"
#include "platform/locale.h"
#include "platform/screens.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/namecolumns.h"

namespace {
const QString ProductsInOrder = QStringLiteral("Select * from Products Order by ProductID");
const KeyColumn ProductKey{QStringLiteral("Products"), QStringLiteral("ProductID")};

QComboBox *makeComboBox(const char *name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    // Typing a value does not add it to the list: the lists hold what the
    // database holds.
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

void enable(std::initializer_list<QWidget *> controls, bool enabled)
{
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}

// Lists one column of every row of a recordset, its filter removed, in place
// of what the box listed. The recordset is left past its last row; the box's
// text stays empty.
void fillList(QComboBox *box, Recordset &rows, const QString &column)
{
    const QSignalBlocker quiet(box);
    box->clear();
    rows.clearFilter();
    for (; !rows.eof(); rows.moveNext())
        box->addItem(rows.text(column));
    box->setCurrentIndex(-1);
    box->clearEditText();
}
} // namespace

FrmProduct::FrmProduct()
{
    setObjectName(QStringLiteral("frmProduct"));
    setWindowTitle(QStringLiteral("Product"));

    auto *columns = new QHBoxLayout(this);
    auto *buttons = new QVBoxLayout;
    auto *middle = new QVBoxLayout;
    columns->addLayout(buttons);
    columns->addLayout(middle, 1);

    for (QPushButton *button : {cmdFind = makeButton("cmdFind", QStringLiteral("Suchen")),
                               cmdNew = makeButton("cmdNew", QStringLiteral("Hinzufügen")),
                               cmdSave = makeButton("cmdSave", QStringLiteral("Speichern")),
                               cmdEdit = makeButton("cmdEdit", QStringLiteral("Bearbeiten")),
                               cmdUpdate = makeButton("cmdUpdate", QStringLiteral("Aktualisieren")),
                               cmdClose = makeButton("cmdClose", QStringLiteral("Ende")),
                               cmdRefresh = makeButton("cmdRefresh", QStringLiteral("Neu Laden"))})
        buttons->addWidget(button);
    buttons->addStretch();
    // Re-reading is done by the other buttons; this one is not offered.
    cmdRefresh->setVisible(false);

    Label5 = makeLabel("Label5", QStringLiteral("Artikelverwaltung"));
    QFont heading = Label5->font();
    heading.setPointSize(heading.pointSize() + 6);
    heading.setBold(true);
    Label5->setFont(heading);
    Label4 = makeLabel("Label4", QStringLiteral("Artikel bearbeiten."));
    middle->addWidget(Label5);
    middle->addWidget(Label4);
    buildFrame();
    middle->addWidget(fraProduct);
    auto *browsing = new QHBoxLayout;
    browBack = makeButton("browBack", QStringLiteral("Zurück"));
    browNext = makeButton("browNext", QStringLiteral("Weiter"));
    browsing->addWidget(browBack);
    browsing->addStretch();
    browsing->addWidget(browNext);
    middle->addLayout(browsing);
    middle->addStretch();

    buildList();
    columns->addWidget(LvProduct, 1);

    connect(cmdFind, &QPushButton::clicked, this, &FrmProduct::cmdFind_Click);
    connect(cmdNew, &QPushButton::clicked, this, &FrmProduct::cmdNew_Click);
    connect(cmdSave, &QPushButton::clicked, this, &FrmProduct::cmdSave_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &FrmProduct::cmdEdit_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &FrmProduct::cmdUpdate_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmProduct::cmdClose_Click);
    connect(cmdRefresh, &QPushButton::clicked, this, &FrmProduct::cmdRefresh_Click);
    connect(browBack, &QPushButton::clicked, this, &FrmProduct::browBack_Click);
    connect(browNext, &QPushButton::clicked, this, &FrmProduct::browNext_Click);
    connect(LvProduct, &QTreeView::clicked, this, &FrmProduct::LvProduct_Click);
    connect(cboSupplier, &QComboBox::editTextChanged, this, &FrmProduct::cboSupplier_Change);
    connect(cboSupplier, &QComboBox::activated, this, &FrmProduct::cboSupplier_Click);
}

void FrmProduct::buildFrame()
{
    fraProduct = new QGroupBox(this);
    fraProduct->setObjectName(QStringLiteral("fraProduct"));
    fraProduct->setEnabled(false);
    auto *grid = new QGridLayout(fraProduct);
    int row = 0;
    const auto addRow = [&](const char *labelName, const QString &caption, QWidget *box, QWidget *after = nullptr) {
        QLabel *label = makeLabel(labelName, caption, fraProduct);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        if (after)
            grid->addWidget(after, row, 2);
        ++row;
        return label;
    };

    txtArtNr = makeTextBox("txtArtNr", fraProduct);
    txtDescription = makeTextBox("txtDescription", fraProduct);
    cboSupplier = makeComboBox("cboSupplier", fraProduct);
    txtSupplier = makeTextBox("txtSupplier", fraProduct);
    txtSupplier->setReadOnly(true);
    cboCategory = makeComboBox("cboCategory", fraProduct);
    cboBrands = makeComboBox("cboBrands", fraProduct);
    txtsize = makeTextBox("txtsize", fraProduct);
    txtQuantity = makeTextBox("txtQuantity", fraProduct);
    txtQuantity->setText(QStringLiteral("0"));
    MwSt = makeComboBox("MwSt", fraProduct);
    // The rates the till computes tax for; another may be typed, and storing
    // it is asked first.
    MwSt->addItems({QStringLiteral("19"), QStringLiteral("7")});
    MwSt->setEditText(QStringLiteral("19"));
    txtOrderPrice = makeTextBox("txtOrderPrice", fraProduct);
    txtOrderPrice->setText(QStringLiteral("0,00"));
    txtamount = makeTextBox("txtamount", fraProduct);
    txtamount->setText(QStringLiteral("0,00"));
    txtid = makeTextBox("txtid", fraProduct);
    txtid->setReadOnly(true);
    txtProduktid = makeTextBox("txtProduktid", fraProduct);
    lblDate = makeTextBox("lblDate", fraProduct);

    addRow("lblArtNr", QStringLiteral("Artikelnr.:"), txtArtNr);
    addRow("lblDescription", QStringLiteral("Beschreibung:"), txtDescription);
    addRow("lblSupplier", QStringLiteral("Lieferant:"), cboSupplier, txtSupplier);
    addRow("lblCategory", QStringLiteral("Kategory:"), cboCategory);
    addRow("lblBrands", QStringLiteral("Marke:"), cboBrands);
    addRow("lblSize", QStringLiteral("Größe:"), txtsize);
    addRow("lblQuantity", QStringLiteral("Anzahl:"), txtQuantity);
    addRow("lblMwSt", QStringLiteral("MwSt:"), MwSt, makeLabel("lblPercent", QStringLiteral("%"), fraProduct));
    addRow("lblOrderPrice", QStringLiteral("EK Preis:"), txtOrderPrice);
    addRow("lblAmount", QStringLiteral("VK Preis:"), txtamount);
    // The id of the next new product, the line last clicked and when: kept
    // for the handlers, never shown.
    QWidget *idLabel = addRow("lblID", QStringLiteral("ID:"), txtid);
    for (QWidget *hidden : {idLabel, static_cast<QWidget *>(txtid), static_cast<QWidget *>(txtProduktid),
                            static_cast<QWidget *>(lblDate)})
        hidden->setVisible(false);
}

void FrmProduct::buildList()
{
    // Id, description, category.
    m_lines = new LazyRowsModel({{QString(), Qt::AlignLeft}, {QString(), Qt::AlignLeft}, {QString(), Qt::AlignLeft}}, 0,
                                true, this);
    LvProduct = new QTreeView(this);
    LvProduct->setObjectName(QStringLiteral("LvProduct"));
    LvProduct->setModel(m_lines);
    LvProduct->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LvProduct->setHeaderHidden(true);
    LvProduct->setRootIsDecorated(false);
    // Every line has the same height: the list need not measure each of a
    // shop's many thousand products.
    LvProduct->setUniformRowHeights(true);
    LvProduct->setSelectionBehavior(QAbstractItemView::SelectRows);
    fitNameColumns(LvProduct, {1, 2});
}

void FrmProduct::Form_Load()
{
    ADOProduct.refresh();
    OpenRecordSourceWithAppPath(ADOProduct, ProductsInOrder);
    ADOProduct.refresh();
    ShowCurrentProduct();
    ADOProduct->clearFilter();
    DisplayProduct();
    enable({cmdSave, cmdUpdate}, false);
}

void FrmProduct::DisplayProduct()
{
    ADOProduct.refresh();
    Recordset &products = ADOProduct.recordset();
    // Of every product only its id is read now, in the recordset's order;
    // the rest of a line when it is shown, so that a shop's many thousand
    // products are not held as many thousand lines. The recordset is left
    // after its last row, as by reading it to the end.
    QStringList ids;
    for (const QStringList &product : products.rowTexts({QStringLiteral("ProductID")}))
        ids << product.front();
    m_lines->setRows(std::move(ids),
                     LazyRowsModel::readFrom(
                         QStringLiteral("Products"), QStringLiteral("ProductID"),
                         {QStringLiteral("ProductID"), QStringLiteral("Description"), QStringLiteral("Category")}));
    products.moveAfterLast();
}

ProductFields FrmProduct::typedProduct() const
{
    return {.ArtNr = txtArtNr->text(),
            .Description = txtDescription->text(),
            .SupplierID = cboSupplier->currentText(),
            .Category = cboCategory->currentText(),
            .Brands = cboBrands->currentText(),
            .Size = txtsize->text(),
            .Quantity = txtQuantity->text(),
            .Mwst = MwSt->currentText(),
            .OrderPrice = txtOrderPrice->text(),
            .SalesPrice = txtamount->text()};
}

void FrmProduct::showProduct(const ProductFields &product)
{
    txtArtNr->setText(product.ArtNr);
    txtDescription->setText(product.Description);
    cboSupplier->setEditText(product.SupplierID);
    cboCategory->setEditText(product.Category);
    cboBrands->setEditText(product.Brands);
    txtsize->setText(product.Size);
    txtQuantity->setText(product.Quantity);
    MwSt->setEditText(product.Mwst);
    txtOrderPrice->setText(product.OrderPrice);
    txtamount->setText(product.SalesPrice);
}

void FrmProduct::ShowCurrentProduct()
{
    const Recordset &products = ADOProduct.recordset();
    if (products.bof() || products.eof())
        return;
    // Every box takes the row's value, an empty one included, so that no
    // value of the product shown before is left standing.
    showProduct(currentProduct(products));
    m_shownProductId = products.value(QStringLiteral("ProductID")).toLongLong();
}

void FrmProduct::cmdFind_Click()
{
    ADOProduct.refresh();
    const QString artNr = dialogs().inputBox(QStringLiteral("Bitte Artikel ID angeben..."));
    ADOProduct.refresh();
    ADOProduct->find({QStringLiteral("ArtNr"), artNr});
    ShowCurrentProduct();
}

void FrmProduct::cmdNew_Click()
{
    ADOProduct.refresh();
    fraProduct->setEnabled(true);
    cmdSave->setEnabled(true);
    enable({cmdEdit, cmdNew, cmdFind, cmdUpdate}, false);

    // The tax rate stays as it is: the rate of the product seen before.
    txtQuantity->setText(QStringLiteral("0"));
    txtamount->setText(QStringLiteral("0,00"));
    txtOrderPrice->setText(QStringLiteral("0,00"));
    for (QLineEdit *box : {txtSupplier, txtDescription, txtArtNr, txtsize})
        box->clear();
    fillList(cboSupplier, frmSupplier().ADOSupplier.recordset(), QStringLiteral("SupplierID"));
    fillList(cboCategory, frmCategory().ADOCategory.recordset(), QStringLiteral("Category"));
    fillList(cboBrands, frmBrands().ADOBrands.recordset(), QStringLiteral("Brand"));

    QString error;
    if (const auto proposed = proposeKey(ProductKey, &error))
        txtid->setText(QString::number(*proposed));
    else
        dialogs().msgBox(error, mb::vbExclamation);
    m_shownProductId.reset();
}

void FrmProduct::cmdEdit_Click()
{
    fraProduct->setEnabled(true);
    cboSupplier->setFocus();
    cboSupplier->lineEdit()->selectAll();
    enable({cmdEdit, cmdSave, cmdNew, cmdFind}, false);
    cmdUpdate->setEnabled(true);
}

void FrmProduct::cmdSave_Click()
{
    // Blanks alone are no article number: such a product could never be found.
    if (txtArtNr->text().trimmed().isEmpty() || txtDescription->text().trimmed().isEmpty()) {
        dialogs().msgBox(QStringLiteral("Bitte Artikelnummer und Produktbeschreibung angeben."), mb::vbExclamation,
                         QStringLiteral("Vidudoza Deduze"));
        return;
    }
    if (dialogs().msgBox(QStringLiteral("Do Wollen Sie wirklich speichern?"), mb::vbYesNoCancel | mb::vbQuestion,
                         QStringLiteral("Confirm Save")) != mb::vbYes ||
        !rateAccepted())
        return;
    QString error;
    if (!storeNewProduct(ADOProduct.recordset(), txtid->text(), typedProduct(), &error)) {
        // Nothing was stored; the screen stays in editing with what was typed.
        dialogs().msgBox(QStringLiteral("Bitte felder Kontrollieren\n") + error);
        return;
    }
    m_shownProductId = parseKey(txtid->text());
    ADOProduct.refresh();
    fraProduct->setEnabled(false);
    cmdSave->setEnabled(false);
    enable({cmdNew, cmdEdit, cmdFind}, true);
}

void FrmProduct::cmdUpdate_Click()
{
    if (m_shownProductId && !rateAccepted())
        return;
    QString error = QStringLiteral("Es wird kein Artikel angezeigt. Es wurde nichts gespeichert.");
    // The list goes on showing the product as it was when the list was filled.
    if (m_shownProductId)
        m_lines->readRow(m_lines->rowOfKey(QString::number(*m_shownProductId)));
    ADOProduct.refresh();
    const bool stored =
        m_shownProductId && updateProduct(ADOProduct.recordset(), *m_shownProductId, typedProduct(), &error);
    ADOProduct.refresh();
    if (!stored) {
        // The screen stays in editing with what was typed.
        dialogs().msgBox(error, mb::vbExclamation);
        return;
    }
    dialogs().msgBox(txtDescription->text() + QStringLiteral(" erfolgreich aktualisiert..."), mb::vbInformation);
    enable({cmdEdit, cmdNew, cmdFind}, true);
}

bool FrmProduct::rateAccepted()
{
    const QString rate = MwSt->currentText();
    if (tillTaxesRate(rate))
        return true;
    return dialogs().msgBox(QStringLiteral("Für den Steuersatz „%1“ berechnet die Kasse keine Steuer: der Artikel wird "
                                           "ohne Mehrwertsteuer verkauft. Trotzdem speichern?")
                                .arg(rate),
                            mb::vbYesNo | mb::vbQuestion) == mb::vbYes;
}

void FrmProduct::cmdClose_Click()
{
    screens().unload<FrmProduct>();
}

void FrmProduct::cmdRefresh_Click()
{
    ADOProduct.refresh();
    fraProduct->setEnabled(false);
    cmdSave->setEnabled(false);
    enable({cmdNew, cmdEdit}, true);
}

void FrmProduct::browBack_Click()
{
    ADOProduct->movePrevious();
    if (ADOProduct->bof())
        ADOProduct->moveNext();
    ShowCurrentProduct();
}

void FrmProduct::browNext_Click()
{
    ADOProduct->moveNext();
    if (ADOProduct->eof())
        ADOProduct->movePrevious();
    ShowCurrentProduct();
}

void FrmProduct::LvProduct_Click()
{
    const QModelIndex line = LvProduct->currentIndex();
    if (!line.isValid() || !LvProduct->selectionModel()->isRowSelected(line.row(), {}))
        return;
    txtProduktid->setText(m_lines->text(line.row(), 0));
    txtDescription->setText(m_lines->text(line.row(), 1));
    lblDate->setText(de::shortDate(currentClock().now().date()));
    cmdEdit->setEnabled(true);

    ADOProduct.refresh();
    ADOProduct->setFilter({{QStringLiteral("ProductID"), txtProduktid->text()}});
    if (ADOProduct->eof()) {
        // The boxes now mix the product shown before with the clicked line's
        // description: "Aktualisieren" must not write that into either one.
        m_shownProductId.reset();
        dialogs().msgBox(QStringLiteral("konnte nicht gefunden werden!"));
        return;
    }
    // The list is filled only at load, so the description is taken from the
    // product itself too: a later change must not be written back over.
    ShowCurrentProduct();
}

void FrmProduct::cboSupplier_Change()
{
    // The name follows the supplier recordset's current row, not the id typed.
    const Recordset &suppliers = frmSupplier().ADOSupplier.recordset();
    if (!suppliers.bof() && !suppliers.eof())
        txtSupplier->setText(suppliers.text(QStringLiteral("SupplierName")));
}

void FrmProduct::cboSupplier_Click()
{
    Recordset &suppliers = frmSupplier().ADOSupplier.recordset();
    suppliers.setFilter({{QStringLiteral("supplierid"), cboSupplier->currentText()}});
    if (!suppliers.eof())
        txtSupplier->setText(suppliers.text(QStringLiteral("SupplierName")));
}

void FrmProduct::DeleteCurrentProduct()
{
    Recordset &products = ADOProduct.recordset();
    if (products.bof() || products.eof()) {
        dialogs().msgBox(QStringLiteral("Alle Datensätze wurden bereits gelöscht"));
        return;
    }
    if (txtDescription->text().isEmpty())
        return;
    if (productWasSold(products.value(QStringLiteral("ProductID")).toLongLong())) {
        dialogs().msgBox(QStringLiteral("Bereits verkaufte Artikel können nicht gelöscht werden!"));
        return;
    }
    if (!products.remove()) {
        dialogs().msgBox(QStringLiteral("Der Artikel wurde nicht gelöscht: %1").arg(products.lastError()));
        return;
    }
    ADOProduct.refresh();
    dialogs().msgBox(QStringLiteral("Gelöscht"));
}

void FrmProduct::LoadProductPicture()
{
    // There are no product pictures: nothing can be chosen.
    ADOProduct.refresh();
    dialogs().msgBox(QStringLiteral("It is not a valid picture"), mb::vbExclamation);
}

void FrmProduct::ClearProductPicture() {}

FrmProduct &frmProduct()
{
    return screens().get<FrmProduct>();
}
