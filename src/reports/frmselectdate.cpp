#include "reports/frmselectdate.h"

#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "data/shopsettings.h"
#include "platform/clock.h"
#include "platform/screens.h"
#include "platform/ui/dialogs.h"
#include "reports/reportlayouts.h"
#include "reports/reportqueries.h"
#include "reports/ui/periodpicker.h"
#include "reports/ui/reportsource.h"
#include "shell/session.h"

namespace {

void showPeriodReport(Report &report, DataControl &source, const BoundSql &query, const QDate &from, const QDate &to,
                      const QString &countWord, bool withTax)
{
    source.setRecordSource(query.sql, DataControl::CommandType::Text, query.params);
    // A period that cannot be read must not print as a period without sales.
    source.refresh();
    if (!reportRowsReadable(source.recordset()))
        return;
    showReportSafely([&] {
        report.setDataSource(source);
        reports::setShopHeader(report, QStringLiteral("Section4"), QStringLiteral("Label1"), QStringLiteral("Label2"),
                               QStringLiteral("Label3"), shopsettings::current());
        report.setText(QStringLiteral("Section4"), QStringLiteral("lblPeriod"), reports::periodText(from, to));
        reports::printSums(report, reports::sumOf(source.recordset()), countWord, withTax);
        report.show();
    });
}

} // namespace

FrmSelectDate::FrmSelectDate() : SalesReport(reports::salesReportLayout()), OrderReport(reports::orderReportLayout())
{
    setObjectName(QStringLiteral("frmSelectDate"));
    setWindowTitle(QStringLiteral("Berichtszeitraum"));

    dtFrom = makeDatePicker("dtFrom", this);
    dtTo = makeDatePicker("dtTo", this);
    cmdPrint = makeButton("cmdPrint", QStringLiteral("Drucken"));
    cmdClose = makeButton("cmdClose", QStringLiteral("Ende"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(makeLabel("Label1", QStringLiteral("Von:")), 0, 0);
    layout->addWidget(dtFrom, 0, 1);
    layout->addWidget(makeLabel("Label2", QStringLiteral("Bis:")), 1, 0);
    layout->addWidget(dtTo, 1, 1);
    layout->addWidget(cmdPrint, 2, 0);
    layout->addWidget(cmdClose, 2, 1);

    connect(cmdPrint, &QPushButton::clicked, this, &FrmSelectDate::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmSelectDate::cmdClose_Click);
}

void FrmSelectDate::Form_Load()
{
    dtFrom->setDate(currentClock().now().date());
    dtTo->setDate(currentClock().now().date());
}

void FrmSelectDate::cmdPrint_Click()
{
    const QDate from = dtFrom->date();
    const QDate to = dtTo->date();
    // A reversed period would print an empty report that reads like a
    // period without sales.
    if (from > to) {
        dialogs().msgBox(QStringLiteral("Das Datum „Von“ liegt nach dem Datum „Bis“."), mb::vbExclamation);
        return;
    }
    if (session().ReportType == QLatin1String("Sales"))
        showPeriodReport(SalesReport, ADOSalesReport, reports::salesInPeriod(from, to), from, to,
                         QStringLiteral("Verkäufe"), true);
    else if (session().ReportType == QLatin1String("Purchase"))
        showPeriodReport(OrderReport, ADODeliveryReport, reports::deliveriesInPeriod(from, to), from, to,
                         QStringLiteral("Lieferungen"), false);
}

void FrmSelectDate::cmdClose_Click()
{
    screens().unload<FrmSelectDate>();
}

FrmSelectDate &frmSelectDate()
{
    return screens().get<FrmSelectDate>();
}
