#pragma once

#include "data/datacontrol.h"
#include "data/ui/report.h"
#include "platform/ui/form.h"

class QDateEdit;
class QPushButton;

// The report-period dialog: the user picks the first and last day, and
// "Drucken" shows the report that session().ReportType names ("Sales": the
// sales, "Purchase": the deliveries) in a print preview. It stays open beside
// the main menu and keeps its dates until it is unloaded.
class FrmSelectDate : public Form
{
    Q_OBJECT

public:
    FrmSelectDate();
    void Form_Load() override;

    void cmdPrint_Click();
    void cmdClose_Click();

    QDateEdit *dtFrom;
    QDateEdit *dtTo;
    QPushButton *cmdPrint;
    QPushButton *cmdClose;

    // Given an SQL text over EntireSales and entiredelivery when a report is
    // shown.
    DataControl ADOSalesReport;
    DataControl ADODeliveryReport;

    Report SalesReport;
    Report OrderReport;
};

FrmSelectDate &frmSelectDate();
