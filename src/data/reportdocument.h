#pragma once

#include <memory>
#include <vector>

#include <QPointer>
#include <QString>
#include <QStringList>

#include "platform/reportlayout.h"
#include "platform/reportpages.h"

class DataControl;

// A printed layout filled by a screen: the widget-free part of a report. The
// screens use its subclass Report (data/ui/report.h), which adds the
// print preview and PDF; tests of what prints need only this class.
//
// A layout is written as a table, one row per control, so that it reads like
// the layout's own description:
//
// clang-format off
//   report::Layout receiptLayout()
//   {
//       using enum report::Kind;
//       return {.name = "ReceiptReport", .title = "Receipt", .page = report::PageSetup::a5(),
//               .baseFont = "Arial 8.25",
//               .formats = {{"a", "#.##0,00 \"€\""}},
//               .bands = {{"Section4", 2400}, {"Section1", 285}, {"Section5", 6809}},
//               .controls = {
//           // Section   Control        Kind   Text or field    Left   Top Width Height Notes
//           {"Section4", "Label1",      Label, "Fa",               0,    0, 5102, 420, "centred", "Verdana 12 bold"},
//           {"Section4", "Line1",       Line,  "",                 0, 2100, 5100,   0},
//           {"Section1", "Text2",       Field, "Desc",           700,    0, 2100, 285, "can grow"},
//           {"Section1", "Text5",       Field, "Ext",           3900,    0, 1100, 285, "right-aligned, format (a)"},
//           {"Section5", "LabelCredit", Label, "Lieferung an:",  144, 3267, 2265, 285, "hidden, red"},
//       }};
//   }
// clang-format on
//
// Keep a table's columns aligned between "// clang-format off" and "on".
// A text never runs over another: one that does not fit its box is cut with
// "…", unless the row notes "can grow" (see report::Control::canGrow).
// The band names are fixed: Section4 report header (once at the top),
// Section2 page header, Section1 detail (once per record), Section3 page
// footer, Section5 report footer (once after the last record). Bands left out
// have no height. Fonts name the Windows families the shop's layouts were
// designed with; the painter maps them to metric-compatible free fonts.
//
// Filling and showing it:
//
//   Report receipt(receiptLayout());
//   receipt.setText("section4", "label1", shopName);     // names in any letter case
//   receipt.setVisible("Section5", "LabelCredit", true);
//   receipt.setDataSource(frmPayment().ADOReceipt);      // its rows as filtered now
//   receipt.show(true);                                  // modal preview, printed from there
//
// A band or control name that the layout does not have raises report::Error:
// such a name is a fault of the program and must show in its tests.
class ReportDocument
{
public:
    // Raises report::Error when the layout table has a fault. Texts are
    // measured with `metrics`: the painter's fonts for paper (Report does
    // that), an estimate where no fonts are at hand.
    explicit ReportDocument(const report::Layout &layout,
                            std::shared_ptr<const report::TextMetrics> metrics = report::estimatedMetrics());
    virtual ~ReportDocument() = default;

    const QString &name() const { return m_design.name; }
    const QString &title() const { return m_design.title; }
    const report::PageSetup &pageSetup() const { return m_design.page; }

    // A label's text; raises report::Error for an unknown band or control or
    // a control that is not a label.
    void setText(const QString &band, const QString &control, const QString &text);
    QString text(const QString &band, const QString &control) const;

    // Shows or hides any control; raises report::Error for an unknown name.
    void setVisible(const QString &band, const QString &control, bool visible);
    bool isVisible(const QString &band, const QString &control) const;

    // The detail band repeats once per row of this data control's recordset,
    // with the filter it has when the report is shown or printed. The
    // recordset's current row stays where it was. Raises report::Error
    // when a field names a column that the open recordset lacks.
    void setDataSource(DataControl &source);

    // The report as it prints now: where its pages break, each page laid
    // out when asked for; or all pages at once.
    report::LaidOutPages layOut() const;
    std::vector<report::Page> pages() const;
    // What it prints, as text lines in print order; per page or all pages.
    std::vector<QStringList> printedPages() const;
    QStringList printedLines() const;

private:
    report::Control &find(const QString &band, const QString &control);
    const report::Control &find(const QString &band, const QString &control) const;
    report::Records records() const;

    report::Design m_design;
    std::shared_ptr<const report::TextMetrics> m_metrics;
    QPointer<DataControl> m_source;
};
