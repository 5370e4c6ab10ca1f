#include "masterdata/frmproductupdate.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "data/database.h"
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

void setCell(QTreeWidgetItem *line, int column, const QString &text)
{
    line->setText(column, text);
    line->setTextAlignment(column, Columns[column].alignment | Qt::AlignVCenter);
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

    LvProduct = new QTreeWidget(frame);
    LvProduct->setObjectName(QStringLiteral("LvProduct"));
    LvProduct->setColumnCount(ColumnCount);
    LvProduct->setRootIsDecorated(false);
    LvProduct->setUniformRowHeights(true);
    LvProduct->setAllColumnsShowFocus(true);
    LvProduct->setSelectionMode(QAbstractItemView::SingleSelection);
    auto *head = new QTreeWidgetItem;
    for (int column = 0; column < ColumnCount; ++column) {
        head->setText(column, QString::fromUtf8(Columns[column].head));
        head->setTextAlignment(column, Columns[column].alignment | Qt::AlignVCenter);
    }
    LvProduct->setHeaderItem(head);
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
    connect(LvProduct, &QTreeWidget::itemDoubleClicked, this, &FrmProductUpdate::LvProduct_DblClick);
}

void FrmProductUpdate::Form_Load()
{
    // Opening reads the stock afresh, without a filter.
    ADOProductInventory.refresh();
    DisplayProductList();
}

void FrmProductUpdate::DisplayProductList()
{
    LvProduct->clear();
    Recordset &stock = ADOProductInventory.recordset();
    // The list starts where the recordset stands: after a new filter that is
    // the first matching row. The lines go to the list in one go.
    QList<QTreeWidgetItem *> lines;
    for (; !stock.eof(); stock.moveNext()) {
        auto *line = new QTreeWidgetItem;
        for (int column = 0; column < ColumnCount; ++column)
            setCell(line, column, stock.text(QString::fromLatin1(Columns[column].source)));
        lines << line;
    }
    LvProduct->addTopLevelItems(lines);
}

void FrmProductUpdate::ShowBookedProduct(const deliveries::BookedProduct &booked)
{
    const QString productId = QString::number(booked.productId);
    for (int i = 0; i < LvProduct->topLevelItemCount(); ++i) {
        QTreeWidgetItem *line = LvProduct->topLevelItem(i);
        if (line->text(ColProductId) != productId)
            continue;
        setCell(line, ColOrdered, de::formatQuantity(booked.quantityDelivered));
        setCell(line, ColOnHand, de::formatQuantity(booked.quantityOnHand));
        setCell(line, ColOrderPrice, de::formatNumber(booked.orderPrice));
        setCell(line, ColSalesPrice, de::formatNumber(booked.salesPrice));
    }
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

void FrmProductUpdate::ShowStoredFigures(QTreeWidgetItem *line)
{
    Recordset stored;
    if (!stored.open(Database::current(), QStringLiteral("SELECT * FROM ProductInventory WHERE productid = ?1"), true,
                     {line->text(ColProductId)}) ||
        stored.eof())
        return;
    for (int column = 0; column < ColumnCount; ++column)
        setCell(line, column, stored.text(QString::fromLatin1(Columns[column].source)));
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
    const QList<QTreeWidgetItem *> selected = LvProduct->selectedItems();
    QTreeWidgetItem *line = selected.isEmpty() ? nullptr : selected.front();
    if (line) {
        ShowStoredFigures(line);
        booking.txtNo->setText(line->text(ColProductId));
        booking.txtDescription->setText(line->text(ColDescription));
    }
    booking.txtQuantity->setText(QStringLiteral("0"));
    if (line)
        booking.ProposePrices(line->text(ColOrderPrice), line->text(ColSalesPrice));
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
