#include "till/ui/tillreports.h"

#include "app/frmsettings.h"
#include "data/datacontrol.h"
#include "platform/ui/report.h"
#include "platform/ui/reportpreview.h" // Report keeps a pointer to its preview

ShopHeader currentShopHeader()
{
    const Recordset &settings = frmSettings().ADOSettings.recordset();
    return {settings.text(QStringLiteral("cName")),  settings.text(QStringLiteral("cAddress")),
            settings.text(QStringLiteral("cPlace")), settings.text(QStringLiteral("cPhone")),
            settings.text(QStringLiteral("cstNr")),  settings.text(QStringLiteral("cbnText"))};
}

void showReceipt(const QString &printerChoice, const ReceiptContent &content, DataControl &lines)
{
    showReportSafely([&] {
        Report receipt(receiptLayoutFor(printerChoice));
        fillReceipt(receipt, content);
        receipt.setDataSource(lines);
        receipt.show(true);
    });
}

void showInvoice(const InvoiceContent &content, DataControl &source)
{
    showReportSafely([&] {
        Report invoice(invoiceLayout());
        fillInvoice(invoice, content);
        invoice.setDataSource(source);
        invoice.show(true);
    });
}
