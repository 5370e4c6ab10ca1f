#include "platform/ui/reportpreview.h"

#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "platform/ui/reportpainter.h"

ReportPreview::ReportPreview(const QString &name, const QString &title, report::Paper paper,
                             std::vector<report::Page> pages, QWidget *parent)
    : QPrintPreviewDialog(parent), m_pages(std::move(pages))
{
    setObjectName(name);
    setWindowTitle(title);
    // The pages carry their own margins; printing adds none.
    printer()->setFullPage(true);
    if (!m_pages.empty())
        printer()->setPageLayout(report::pageLayout(paper, m_pages.front()));
    connect(this, &QPrintPreviewDialog::paintRequested, this, &ReportPreview::paint);
}

int ReportPreview::shownPageCount() const
{
    const auto *widget = findChild<QPrintPreviewWidget *>();
    return widget ? widget->pageCount() : 0;
}

void ReportPreview::paint(QPrinter *printer)
{
    QPainter painter(printer);
    report::paintPages(painter, *printer, m_pages);
}
