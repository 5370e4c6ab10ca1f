#include "platform/ui/reportpreview.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "platform/ui/dialogs.h"
#include "platform/ui/reportpainter.h"

namespace {
constexpr double TwipsPerInch = 1440.0;

// One page on white paper, painted at the screen's resolution times the zoom.
class PageView : public QWidget
{
public:
    PageView(const ReportPreview &preview, const double &zoom) : m_preview(preview), m_zoom(zoom)
    {
        setAutoFillBackground(false);
    }

    void fit()
    {
        const report::Page &page = m_preview.shownPage();
        setFixedSize(qRound(page.width / TwipsPerInch * logicalDpiX() * m_zoom),
                     qRound(std::max(page.height, 1) / TwipsPerInch * logicalDpiY() * m_zoom));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.scale(m_zoom, m_zoom);
        report::paintPage(painter, m_preview.shownPage());
    }

private:
    const ReportPreview &m_preview;
    const double &m_zoom;
};
} // namespace

ReportPreview::ReportPreview(const QString &name, const QString &title, report::Paper paper, report::LaidOutPages pages,
                             QWidget *parent)
    : QDialog(parent), m_pages(std::move(pages)), m_paper(paper)
{
    setObjectName(name);
    setWindowTitle(title);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto *printButton = new QPushButton(QStringLiteral("Drucken …"), this);
    printButton->setObjectName(QStringLiteral("cmdPrint"));
    m_previous = new QPushButton(QStringLiteral("Vorherige Seite"), this);
    m_next = new QPushButton(QStringLiteral("Nächste Seite"), this);
    auto *larger = new QPushButton(QStringLiteral("Vergrößern"), this);
    auto *smaller = new QPushButton(QStringLiteral("Verkleinern"), this);
    m_pageNumber = new QLabel(this);
    auto *tools = new QHBoxLayout;
    for (QWidget *tool :
         {static_cast<QWidget *>(printButton), static_cast<QWidget *>(m_previous), static_cast<QWidget *>(m_pageNumber),
          static_cast<QWidget *>(m_next), static_cast<QWidget *>(smaller), static_cast<QWidget *>(larger)})
        tools->addWidget(tool);
    tools->addStretch();

    auto *view = new PageView(*this, m_zoom);
    m_page = view;
    m_scroll = new QScrollArea(this);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignHCenter);
    m_scroll->setWidget(m_page);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(m_scroll, 1);
    resize(900, 1000);

    connect(printButton, &QPushButton::clicked, this, &ReportPreview::print);
    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(m_current - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_current + 1); });
    connect(larger, &QPushButton::clicked, this, [this] { zoom(1.25); });
    connect(smaller, &QPushButton::clicked, this, [this] { zoom(0.8); });
    showPage(0);
}

void ReportPreview::showPage(int index)
{
    const int last = std::max(m_pages.count() - 1, 0);
    m_current = std::clamp(index, 0, last);
    m_shownPage = m_pages.page(m_current);
    m_previous->setEnabled(m_current > 0);
    m_next->setEnabled(m_current < last);
    m_pageNumber->setText(QStringLiteral("Seite %1 von %2").arg(m_current + 1).arg(m_pages.count()));
    static_cast<PageView *>(m_page)->fit();
}

void ReportPreview::zoom(double factor)
{
    m_zoom = std::clamp(m_zoom * factor, 0.25, 4.0);
    static_cast<PageView *>(m_page)->fit();
}

void ReportPreview::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report::pageLayout(m_paper, m_pages.page(0)));
    QPrintDialog dialog(&printer, this);
    // No printing to a file: the toolkit's file dialog behind it starts in
    // the working folder and reads the files it lists to find their types,
    // the database's among them; closing them drops the locks the database
    // holds, and another program could then delete the running till's log.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialogs().showModal(&dialog) != QDialog::Accepted)
        return;
    printOn(printer);
}

void ReportPreview::printOn(QPrinter &printer) const
{
    // The dialog hands over the printer with the paper it chose: the
    // printer's or the machine's default, US Letter under a C locale, when it
    // does not know the till roll. The pages were laid out for their own paper
    // and carry their own margins.
    printer.setFullPage(true);
    printer.setPageLayout(report::pageLayout(m_paper, m_pages.page(0)));
    QPainter painter(&printer);
    report::paintPages(painter, printer, m_pages);
}

void ReportPreview::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_shown = true;
}
