#include "till/ui/tillreports.h"

#include "data/datacontrol.h"
#include "data/shopsettings.h"
#include "data/ui/report.h"
#include "platform/ui/reportpreview.h" // Report keeps a pointer to its preview

ShopHeader currentShopHeader()
{
    const ShopSettings shop = shopsettings::current();
    return {shop.name, shop.address, shop.place, shop.phone, shop.taxNumber, shop.receiptFooter};
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
