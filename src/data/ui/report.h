#pragma once

#include <functional>

#include <QPointer>
#include <QString>

#include "data/reportdocument.h"
#include "platform/ui/reportpreview.h"

// A printed layout as the screens use it: fill it (see ReportDocument for the
// layout table and the filling), then show it in a print preview from which
// the user prints, or write it to a PDF file. The program never prints by
// itself.
//
//   Report report(stockLayout());
//   report.setText("section4", "label13", shopName);
//   report.setDataSource(frmProductUpdate().ADOProductInventory);
//   report.show();           // not modal; report.show(true) waits until closed
class Report : public ReportDocument
{
public:
    // Lays its texts out with the fonts they are painted in.
    explicit Report(const report::Layout &layout);

    // Shows the report as it prints now in a preview window (through the
    // program's dialogs). Not modal, a second show replaces the window this
    // report showed before; modal, it returns when the window is closed.
    void show(bool modal = false);

    // Writes the report to a PDF file; false, with a German message in
    // *error, when the file cannot be written.
    bool writePdf(const QString &path, QString *error = nullptr) const;

    // The preview window this report shows without waiting, while it is open.
    ReportPreview *previewWindow() const { return m_preview; }

private:
    QPointer<ReportPreview> m_preview;
};

// Runs what fills and shows a report. A fault in a layout (report::Error, such
// as a field naming a column its record source lacks) must not end the
// program right after a sale was stored: the user gets a German message, what
// was stored stays stored, and false is returned. The same holds for sums
// of stored amounts too large for an amount (MoneyOverflow).
bool showReportSafely(const std::function<void()> &fillAndShow);

// What a screen says when the sums of its rows are too large for an amount.
inline const QString TooLargeForReport =
    QStringLiteral("Die Summen dieser Daten sind zu groß, um sie anzuzeigen. Gespeicherte Daten bleiben unverändert.");
