#pragma once

#include "platform/reportlayout.h"

// The printed reports of the back office. Each report header carries the
// shop's name, address and place in three labels that the screens fill from
// the settings (see reports::setShopHeader).
namespace reports {

// The sales of a period: one line per sale with the totals and tax sums.
report::Layout salesReportLayout();
// The deliveries of a period: one line per delivery with the sum.
report::Layout orderReportLayout();
// The stock of every product, with what was delivered and sold.
report::Layout productInventoryLayout();
// The customers with an open balance.
report::Layout creditReportLayout();
// The sales of one member of staff in a period, with their sum.
report::Layout cashierReportLayout();

} // namespace reports
