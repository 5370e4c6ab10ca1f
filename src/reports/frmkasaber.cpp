#include "reports/frmkasaber.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "data/shopsettings.h"
#include "masterdata/frmuseraccount.h"
#include "platform/clock.h"
#include "platform/locale.h"
#include "platform/screens.h"
#include "platform/ui/dialogs.h"
#include "reports/reportlayouts.h"
#include "reports/reportqueries.h"
#include "reports/ui/periodpicker.h"
#include "reports/ui/reportsource.h"

namespace {
// The list's columns and the recordset columns they show.
const char *const ListColumns[] = {"ID", "Date", "Total", "Mwst1", "Mwst2"};
const char *const ListHeads[] = {"R.Nr.", "Datum", "Gesamt", "MwSt 19 %", "MwSt 7 %"};
constexpr int ListColumnCount = 5;
} // namespace

FrmKasaBer::FrmKasaBer() : KasaBerReport(reports::cashierReportLayout())
{
    setObjectName(QStringLiteral("frmKasaBer"));
    setWindowTitle(QStringLiteral("Mitarbeiter Abschlussbericht"));

    cboUser = new QComboBox(this);
    cboUser->setObjectName(QStringLiteral("cboUser"));
    dtFrom = makeDatePicker("dtFrom", this);
    dtTo = makeDatePicker("dtTo", this);

    LvSales = new QTreeWidget(this);
    LvSales->setObjectName(QStringLiteral("LvSales"));
    LvSales->setRootIsDecorated(false);
    LvSales->setColumnCount(ListColumnCount);
    QStringList heads;
    for (const char *head : ListHeads)
        heads << QString::fromUtf8(head);
    LvSales->setHeaderLabels(heads);
    LvSales->header()->setStretchLastSection(false);

    lblTotal = makeLabel("lblTotal", QString());
    cmdShow = makeButton("cmdShow", QStringLiteral("Anzeigen"));
    cmdPrint = makeButton("cmdPrint", QStringLiteral("Drucken"));
    cmdClose = makeButton("cmdClose", QStringLiteral("Ende"));

    auto *choice = new QGridLayout;
    choice->addWidget(makeLabel("Label1", QStringLiteral("Benutzer :")), 0, 0);
    choice->addWidget(cboUser, 0, 1);
    choice->addWidget(makeLabel("Label2", QStringLiteral("Von:")), 1, 0);
    choice->addWidget(dtFrom, 1, 1);
    choice->addWidget(makeLabel("Label3", QStringLiteral("Bis:")), 2, 0);
    choice->addWidget(dtTo, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblTotal);
    buttons->addStretch();
    buttons->addWidget(cmdShow);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(LvSales);
    layout->addLayout(buttons);
    resize(620, 480);

    connect(cmdShow, &QPushButton::clicked, this, &FrmKasaBer::cmdShow_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &FrmKasaBer::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmKasaBer::cmdClose_Click);
}

void FrmKasaBer::Form_Load()
{
    // All accounts, whatever filter the login left on the shared list.
    DataControl &users = frmUserAccount().ADOUser;
    users.refresh();
    for (Recordset &rows = users.recordset(); !rows.eof(); rows.moveNext())
        cboUser->addItem(rows.text(QStringLiteral("userid")));
    cboUser->setCurrentIndex(-1);
    dtFrom->setDate(currentClock().now().date());
    dtTo->setDate(currentClock().now().date());
}

bool FrmKasaBer::DisplaySales()
{
    const QString user = cboUser->currentText();
    if (user.isEmpty()) {
        dialogs().msgBox(QStringLiteral("Bitte Benutzer wählen"), mb::vbOKOnly);
        return false;
    }
    const QDate from = dtFrom->date();
    const QDate to = dtTo->date();
    if (from > to) {
        dialogs().msgBox(QStringLiteral("Das Datum „Von“ liegt nach dem Datum „Bis“."), mb::vbExclamation);
        return false;
    }
    // A sale names the user who took it, or the driver who delivered it, by
    // user id. Only the period's sales are read, never every sale ever
    // stored.
    const BoundSql period = reports::salesInPeriod(from, to);
    ADOEntireSales.setRecordSource(period.sql, DataControl::CommandType::Text, period.params);
    ADOEntireSales.refresh();
    ADOEntireSales->setFilter({{QStringLiteral("CashierID"), user}});

    LvSales->clear();
    // Sales that cannot be read must not show as a period without sales.
    if (!reportRowsReadable(ADOEntireSales.recordset())) {
        lblTotal->clear();
        return false;
    }
    for (Recordset &sales = ADOEntireSales.recordset(); !sales.eof(); sales.moveNext()) {
        auto *line = new QTreeWidgetItem(LvSales);
        for (int column = 0; column < ListColumnCount; ++column) {
            line->setText(column, sales.text(QString::fromLatin1(ListColumns[column])));
            if (column >= 2)
                line->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    try {
        const reports::Sums sums = reports::sumOf(ADOEntireSales.recordset());
        lblTotal->setText(QStringLiteral("Summe: %1").arg(de::formatNumber(sums.total)));
    } catch (const MoneyOverflow &) {
        lblTotal->clear();
        dialogs().msgBox(TooLargeForReport, mb::vbExclamation);
        return false;
    }
    return true;
}

void FrmKasaBer::cmdShow_Click()
{
    DisplaySales();
}

void FrmKasaBer::cmdPrint_Click()
{
    if (!DisplaySales())
        return;
    const QString header = QStringLiteral("Section4");
    showReportSafely([&] {
        KasaBerReport.setDataSource(ADOEntireSales);
        reports::setShopHeader(KasaBerReport, header, QStringLiteral("Label1"), QStringLiteral("Label2"),
                               QStringLiteral("Label3"), shopsettings::current());
        KasaBerReport.setText(header, QStringLiteral("lblPeriod"), reports::periodText(dtFrom->date(), dtTo->date()));
        KasaBerReport.setText(header, QStringLiteral("lblUser"),
                              QStringLiteral("Mitarbeiter: %1").arg(cboUser->currentText()));
        reports::printSums(KasaBerReport, reports::sumOf(ADOEntireSales.recordset()), QStringLiteral("Verkäufe"), true);
        KasaBerReport.show();
    });
}

void FrmKasaBer::cmdClose_Click()
{
    screens().unload<FrmKasaBer>();
}

FrmKasaBer &frmKasaBer()
{
    return screens().get<FrmKasaBer>();
}
