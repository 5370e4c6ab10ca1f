#pragma once

#include <vector>

#include <QDialog>

#include "platform/reportpages.h"

class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;

// The print preview of a report: the pages as they were when the report was
// shown, from which the user prints. Its object name is the layout's name, its
// title the layout's title.
//
// It shows one page at a time and lays out and paints a page only when it is
// shown, so that a report of a thousand pages opens at once and costs no more
// memory than its records (a preview that draws every page in advance holds a
// picture of each).
class ReportPreview : public QDialog
{
    Q_OBJECT

public:
    ReportPreview(const QString &name, const QString &title, report::Paper paper, report::LaidOutPages pages,
                  QWidget *parent = nullptr);

    // Every page, laid out anew.
    std::vector<report::Page> pages() const { return m_pages.all(); }
    // The page on view.
    const report::Page &shownPage() const { return m_shownPage; }
    // The number of pages the preview offers once it is on screen.
    int shownPageCount() const { return m_shown ? m_pages.count() : 0; }

    void showPage(int index);
    void zoom(double factor);
    // Asks for a printer and prints every page on it.
    void print();
    // Prints every page on a printer already chosen, on the report's own
    // paper whatever paper the printer was set to.
    void printOn(QPrinter &printer) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    report::LaidOutPages m_pages;
    report::Page m_shownPage;
    report::Paper m_paper;
    int m_current = 0;
    double m_zoom = 1.0;
    bool m_shown = false;
    QWidget *m_page;
    QScrollArea *m_scroll;
    QLabel *m_pageNumber;
    QPushButton *m_previous;
    QPushButton *m_next;
};
