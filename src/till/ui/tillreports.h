#pragma once

#include <QString>

#include "till/receipts.h"

class DataControl;

// The shop's lines for a receipt, from the settings' current row.
ShopHeader currentShopHeader();

// Shows a sale's receipt, with the sale's lines from `lines`, in the layout
// the printer choice asks for, and returns when its preview is closed.
void showReceipt(const QString &printerChoice, const ReceiptContent &content, DataControl &lines);

// Shows an account payment's invoice and returns when its preview is closed.
void showInvoice(const InvoiceContent &content, DataControl &source);
