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

#include "platform/ui/reportpainter.h"

namespace {
constexpr double TwipsPerInch = 1440.0;

// One page on white paper, painted at the screen's resolution times the zoom.
class PageView : public QWidget
{
public:
    PageView(const ReportPreview &preview, const int &current, const double &zoom)
        : m_preview(preview), m_current(current), m_zoom(zoom)
    {
        setAutoFillBackground(false);
    }

    void fit()
    {
        const auto &pages = m_preview.pages();
        if (pages.empty())
            return;
        const report::Page &page = pages[static_cast<std::size_t>(m_current)];
        setFixedSize(qRound(page.width / TwipsPerInch * logicalDpiX() * m_zoom),
                     qRound(std::max(page.height, 1) / TwipsPerInch * logicalDpiY() * m_zoom));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const auto &pages = m_preview.pages();
        if (pages.empty())
            return;
        painter.scale(m_zoom, m_zoom);
        report::paintPage(painter, pages[static_cast<std::size_t>(m_current)]);
    }

private:
    const ReportPreview &m_preview;
    const int &m_current;
    const double &m_zoom;
};
} // namespace

ReportPreview::ReportPreview(const QString &name, const QString &title, report::Paper paper,
                             std::vector<report::Page> pages, QWidget *parent)
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

    auto *view = new PageView(*this, m_current, m_zoom);
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
    const int last = std::max(static_cast<int>(m_pages.size()) - 1, 0);
    m_current = std::clamp(index, 0, last);
    m_previous->setEnabled(m_current > 0);
    m_next->setEnabled(m_current < last);
    m_pageNumber->setText(QStringLiteral("Seite %1 von %2").arg(m_current + 1).arg(m_pages.size()));
    static_cast<PageView *>(m_page)->fit();
}

void ReportPreview::zoom(double factor)
{
    m_zoom = std::clamp(m_zoom * factor, 0.25, 4.0);
    static_cast<PageView *>(m_page)->fit();
}

void ReportPreview::print()
{
    if (m_pages.empty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    // The pages carry their own margins; printing adds none.
    printer.setFullPage(true);
    printer.setPageLayout(report::pageLayout(m_paper, m_pages.front()));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter(&printer);
    report::paintPages(painter, printer, m_pages);
}

void ReportPreview::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_shown = true;
}
