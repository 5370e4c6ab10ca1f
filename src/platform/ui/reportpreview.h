#pragma once

#include <vector>

#include <QPrintPreviewDialog>

#include "platform/reportpages.h"

class QPrintPreviewWidget;

// The print preview of a report: the pages as they were when the report was
// shown, from which the user prints. Its object name is the layout's name, its
// title the layout's title.
class ReportPreview : public QPrintPreviewDialog
{
    Q_OBJECT

public:
    ReportPreview(const QString &name, const QString &title, report::Paper paper, std::vector<report::Page> pages,
                  QWidget *parent = nullptr);

    const std::vector<report::Page> &pages() const { return m_pages; }
    // The number of pages the preview shows (it renders when first shown).
    int shownPageCount() const;

private:
    void paint(QPrinter *printer);

    std::vector<report::Page> m_pages;
};
