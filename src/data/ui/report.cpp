#include "data/ui/report.h"

#include <QPainter>
#include <QPdfWriter>

#include "platform/money.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/reportpainter.h"
#include "platform/ui/reportpreview.h"

Report::Report(const report::Layout &layout) : ReportDocument(layout, report::paperMetrics()) {}

void Report::show(bool modal)
{
    if (modal) {
        ReportPreview preview(name(), title(), pageSetup().paper, layOut());
        dialogs().showModal(&preview);
        return;
    }
    auto *preview = new ReportPreview(name(), title(), pageSetup().paper, layOut());
    if (m_preview)
        m_preview->close();
    preview->setAttribute(Qt::WA_DeleteOnClose);
    m_preview = preview;
    dialogs().showModeless(preview);
}

bool Report::writePdf(const QString &path, QString *error) const
{
    const report::LaidOutPages laidOut = layOut();
    QPdfWriter writer(path);
    writer.setTitle(title());
    writer.setCreator(QStringLiteral("Kasse"));
    writer.setResolution(1200);
    writer.setPageLayout(report::pageLayout(pageSetup().paper, laidOut.page(0)));
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (error)
            *error = QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(path);
        return false;
    }
    report::paintPages(painter, writer, laidOut);
    if (painter.end())
        return true;
    if (error)
        *error = QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(path);
    return false;
}

bool showReportSafely(const std::function<void()> &fillAndShow)
{
    try {
        fillAndShow();
        return true;
    } catch (const report::Error &error) {
        dialogs().msgBox(QStringLiteral("Der Beleg bzw. Bericht kann nicht angezeigt werden, seine Vorlage passt "
                                        "nicht zu den Daten (%1). Gespeicherte Daten bleiben unverändert.")
                             .arg(QString::fromStdString(error.what())),
                         mb::vbExclamation);
        return false;
    } catch (const MoneyOverflow &) {
        dialogs().msgBox(TooLargeForReport, mb::vbExclamation);
        return false;
    }
}
