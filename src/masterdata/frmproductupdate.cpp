#include "masterdata/frmproductupdate.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "data/ui/lazyrowsmodel.h"
#include "masterdata/deliverybooking.h"
#include "masterdata/frmproductdelivery.h"
#include "platform/locale.h"
#include "platform/screens.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/namecolumns.h"

namespace {
// The list's columns: the line's text and its eight sub-items.
enum Column {
    ColProductId,
    ColCategory,
    ColDescription,
    ColSize,
    ColOrdered,
    ColOnHand,
    ColSold,
    ColOrderPrice,
    ColSalesPrice,
    ColumnCount
};

struct ListColumn
{
    const char *source;
    const char *head;
    Qt::Alignment alignment;
};

const ListColumn Columns[ColumnCount] = {
    {"productid", "#", Qt::AlignLeft},
    {"category", "Kategory", Qt::AlignLeft},
    {"Description", "Beschreibung", Qt::AlignLeft},
    {"size", "Größe", Qt::AlignLeft},
    {"qtyorder", "Best.", Qt::AlignHCenter},
    {"quantity", "Vorh.", Qt::AlignHCenter},
    {"qtysold", "Verk.", Qt::AlignHCenter},
    {"orderprice", "EK", Qt::AlignRight},
    {"salesprice", "VK", Qt::AlignRight},
};

QStringList sourceColumns()
{
    QStringList names;
    for (const ListColumn &column : Columns)
        names << QString::fromLatin1(column.source);
    return names;
}

// The lines of these products as the stock view shows them now.
std::vector<QStringList> storedLines(const QStringList &productIds)
{
    static const LazyRowsModel::ReadRows read = LazyRowsModel::readFrom(
        QStringLiteral("ProductInventory"), QString::fromLatin1(Columns[ColProductId].source), sourceColumns());
    return read(productIds);
}

} // namespace

FrmProductUpdate::FrmProductUpdate()
{
    setObjectName(QStringLiteral("frmProductUpdate"));
    setWindowTitle(QStringLiteral("Update Product"));

    auto *heading = makeLabel("Label1", QStringLiteral("Aktualisierung"));
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 6);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    auto *subheading = makeLabel("Label2", QStringLiteral("Artikelverwaltung"));

    auto *frame = new QGroupBox(QStringLiteral("You can update product based on Product Delivered..."), this);
    frame->setObjectName(QStringLiteral("Frame1"));

    std::vector<LazyRowsModel::Column> heads;
    for (const ListColumn &column : Columns)
        heads.push_back({QString::fromUtf8(column.head), column.alignment});
    m_lines = new LazyRowsModel(std::move(heads), ColProductId, false, this);
    LvProduct = new QTreeView(frame);
    LvProduct->setObjectName(QStringLiteral("LvProduct"));
    LvProduct->setModel(m_lines);
    LvProduct->setRootIsDecorated(false);
    LvProduct->setItemsExpandable(false);
    LvProduct->setUniformRowHeights(true);
    LvProduct->setAllColumnsShowFocus(true);
    LvProduct->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LvProduct->setSelectionMode(QAbstractItemView::SingleSelection);
    fitNameColumns(LvProduct, {ColCategory, ColDescription});

    txtSearch = makeTextBox("txtSearch", frame);
    btnSearch = makeButton("btnSearch", QStringLiteral("Suchen"), frame);
    btnSelect = makeButton("btnSelect", QStringLiteral("Wählen"), frame);
    btnClose = makeButton("btnClose", QStringLiteral("Ende"), frame);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(makeLabel("Label3", QStringLiteral("Produkt-ID:"), frame));
    buttons->addWidget(txtSearch);
    buttons->addWidget(btnSearch);
    buttons->addStretch();
    buttons->addWidget(btnSelect);
    buttons->addWidget(btnClose);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(LvProduct);
    frameLayout->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(subheading);
    layout->addWidget(frame);
    resize(900, 560);

    connect(btnSearch, &QPushButton::clicked, this, &FrmProductUpdate::btnSearch_Click);
    connect(btnSelect, &QPushButton::clicked, this, &FrmProductUpdate::btnSelect_Click);
    connect(btnClose, &QPushButton::clicked, this, &FrmProductUpdate::btnClose_Click);
    connect(LvProduct, &QTreeView::doubleClicked, this, &FrmProductUpdate::LvProduct_DblClick);
}

void FrmProductUpdate::Form_Load()
{
    // Opening reads the stock afresh, without a filter.
    ADOProductInventory.refresh();
    DisplayProductList();
}

void FrmProductUpdate::DisplayProductList()
{
    Recordset &stock = ADOProductInventory.recordset();
    // The list shows the rows the recordset shows, from the first (where it
    // stands after it is opened or filtered), and leaves it after the last.
    // Of each row only the product id is read now; the rest when the line
    // is shown, so that 10^5 products are not held as 10^5 lines.
    QStringList productIds;
    for (const QStringList &row : stock.rowTexts({QString::fromLatin1(Columns[ColProductId].source)}))
        productIds << row.front();
    // A stock that cannot be read must not look like a shop without products.
    // Loaded unseen for the stock report, the list leaves saying so to the
    // report; shown, it says so itself.
    m_unreadable = stock.isOpen() ? QString() : stock.lastError();
    if (isVisible())
        tellUnreadable();
    stock.moveAfterLast();
    m_lines->setRows(std::move(productIds), storedLines);
}

void FrmProductUpdate::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    // Said once the window is on screen, so that the message stands over it.
    if (!m_unreadable.isEmpty())
        QMetaObject::invokeMethod(this, &FrmProductUpdate::tellUnreadable, Qt::QueuedConnection);
}

void FrmProductUpdate::tellUnreadable()
{
    if (m_unreadable.isEmpty())
        return;
    dialogs().msgBox(QStringLiteral("Der Lagerbestand konnte nicht gelesen werden: %1").arg(m_unreadable),
                     mb::vbExclamation);
    m_unreadable.clear();
}

void FrmProductUpdate::ShowBookedProduct(const deliveries::BookedProduct &booked)
{
    const QString productId = QString::number(booked.productId);
    const int line = m_lines->rowOfKey(productId);
    if (line < 0)
        return;
    m_lines->setText(line, ColOrdered, de::formatQuantity(booked.quantityDelivered));
    m_lines->setText(line, ColOnHand, de::formatQuantity(booked.quantityOnHand));
    m_lines->setText(line, ColOrderPrice, de::formatNumber(booked.orderPrice));
    m_lines->setText(line, ColSalesPrice, de::formatNumber(booked.salesPrice));
}

void FrmProductUpdate::btnSearch_Click()
{
    // The search reads the product afresh: the rows read at opening hold the
    // figures from before any booking made since, and a line showing them
    // would hand them to the next booking.
    ADOProductInventory.refresh();
    ADOProductInventory->setFilter({{QStringLiteral("productid"), txtSearch->text()}});
    DisplayProductList();
}

void FrmProductUpdate::ShowStoredFigures(int line)
{
    const auto stored = storedLines({m_lines->text(line, ColProductId)});
    if (stored.empty())
        return;
    for (int column = 0; column < ColumnCount; ++column)
        m_lines->setText(line, column, stored.front().at(column));
}

void FrmProductUpdate::btnSelect_Click()
{
    HandOverSelectedLine();
}

void FrmProductUpdate::LvProduct_DblClick()
{
    HandOverSelectedLine();
}

void FrmProductUpdate::HandOverSelectedLine()
{
    // Asking for the booking screen loads it, which starts a new delivery,
    // before its boxes are filled.
    FrmProductDelivery &booking = frmProductDelivery();
    const QModelIndexList selected = LvProduct->selectionModel()->selectedRows();
    const int line = selected.isEmpty() ? -1 : selected.front().row();
    if (line >= 0) {
        ShowStoredFigures(line);
        booking.txtNo->setText(m_lines->text(line, ColProductId));
        booking.txtDescription->setText(m_lines->text(line, ColDescription));
    }
    booking.txtQuantity->setText(QStringLiteral("0"));
    if (line >= 0)
        booking.ProposePrices(m_lines->text(line, ColOrderPrice), m_lines->text(line, ColSalesPrice));
    dialogs().showModal(&booking);
}

void FrmProductUpdate::ResetProductInventoryList()
{
    ADOProductInventory->clearFilter();
    DisplayProductList();
}

void FrmProductUpdate::btnClose_Click()
{
    screens().unload<FrmProductUpdate>();
}

void FrmProductUpdate::reject()
{
    btnClose_Click();
}

FrmProductUpdate &frmProductUpdate()
{
    return screens().get<FrmProductUpdate>();
}
