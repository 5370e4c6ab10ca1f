#include "platform/reportpages.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include <QHash>

#include "platform/reportformat.h"

namespace report {

namespace {

// Runs through the steps of a report (each record's detail band, then the
// report footer) page by page. Measuring, it only notes where each page
// starts; laying out, it puts together the texts of the pages it is asked for.
class Paginator
{
public:
    Paginator(const Design &design, const Records &records) : m_design(design), m_records(records) {}

    std::vector<std::size_t> measure()
    {
        m_pageStarts.clear();
        run(0, 0, SIZE_MAX);
        return std::move(m_pageStarts);
    }

    // The pages from `page` on, `count` of them at most; `step` is where
    // that page starts.
    std::vector<Page> layOut(int page, std::size_t step, std::size_t count)
    {
        m_layingOut = true;
        run(page, step, count);
        return std::move(m_pages);
    }

private:
    const Band &band(BandRole role) const { return m_design.band(role); }
    const PageSetup &setup() const { return m_design.page; }
    bool paged() const { return setup().height > 0; }
    std::size_t steps() const { return m_records.rows.size() + 1; }

    // The record whose fields a step shows: the report footer and the page
    // ends after it show the last record's.
    const QStringList *record(std::size_t step) const
    {
        const auto &rows = m_records.rows;
        if (rows.empty())
            return nullptr;
        return &rows[std::min(step, rows.size() - 1)];
    }

    void run(int page, std::size_t step, std::size_t pageLimit)
    {
        startPage(step, /*withReportHeader=*/page == 0);
        for (; step < steps(); ++step) {
            const Band &current = band(step < m_records.rows.size() ? BandRole::Detail : BandRole::ReportFooter);
            // A band that does not fit goes on the next page, unless the page
            // holds nothing else: a band taller than a page is printed as far
            // as it goes.
            if (m_y + current.height > contentBottom() && m_y > m_pageTop) {
                endPage(step);
                if (++m_pagesEnded == pageLimit)
                    return;
                startPage(step);
            }
            place(current, record(step));
        }
        endPage(steps() - 1);
    }

    // Where the page footer starts: the content must end above it.
    int contentBottom() const
    {
        return paged() ? setup().height - setup().margin - band(BandRole::PageFooter).height : INT_MAX;
    }

    void startPage(std::size_t step, bool withReportHeader = false)
    {
        m_pageStarts.push_back(step);
        if (m_layingOut)
            m_pages.push_back({setup().width, setup().height, {}});
        m_y = setup().margin;
        if (withReportHeader)
            place(band(BandRole::ReportHeader), record(step));
        place(band(BandRole::PageHeader), record(step));
        m_pageTop = m_y;
    }

    void endPage(std::size_t step)
    {
        if (paged())
            m_y = contentBottom();
        place(band(BandRole::PageFooter), record(step));
        if (!paged() && m_layingOut)
            m_pages.back().height = m_y + setup().margin;
    }

    void place(const Band &band, const QStringList *record)
    {
        if (m_layingOut)
            for (const Control &control : band.controls) {
                if (!control.visible)
                    continue;
                PrintedItem item{.kind = control.kind,
                                 .left = setup().margin + control.left,
                                 .top = m_y + control.top,
                                 .width = control.width,
                                 .height = control.height,
                                 .text = text(control, record),
                                 .font = control.font,
                                 .align = control.align,
                                 .rgb = control.rgb,
                                 .band = band.name,
                                 .control = control.name};
                if (control.kind != Kind::Line && item.text.isEmpty())
                    continue;
                m_pages.back().items.push_back(std::move(item));
            }
        m_y += band.height;
    }

    QString text(const Control &control, const QStringList *record)
    {
        if (control.kind != Kind::Field)
            return control.text;
        if (!record)
            return {};
        // Each field's column is looked up once, not once per record.
        auto column = m_fieldColumns.constFind(&control);
        if (column == m_fieldColumns.constEnd())
            column = m_fieldColumns.insert(&control, m_records.columns.indexOf(control.field.toLower()));
        return formatValue(control.format, record->value(*column));
    }

    const Design &m_design;
    const Records &m_records;
    bool m_layingOut = false;
    std::vector<std::size_t> m_pageStarts;
    std::size_t m_pagesEnded = 0;
    std::vector<Page> m_pages;
    QHash<const Control *, qsizetype> m_fieldColumns;
    int m_y = 0;
    int m_pageTop = 0;
};

} // namespace

LaidOutPages::LaidOutPages(Design design, Records records) : m_design(std::move(design)), m_records(std::move(records))
{
    m_pageStarts = Paginator(m_design, m_records).measure();
}

Page LaidOutPages::page(int index) const
{
    const auto at = static_cast<std::size_t>(index);
    return std::move(Paginator(m_design, m_records).layOut(index, m_pageStarts.at(at), 1).front());
}

std::vector<Page> LaidOutPages::all() const
{
    return Paginator(m_design, m_records).layOut(0, 0, SIZE_MAX);
}

QStringList textLines(const Page &page)
{
    std::vector<const PrintedItem *> texts;
    for (const PrintedItem &item : page.items)
        if (item.kind != Kind::Line)
            texts.push_back(&item);
    std::stable_sort(texts.begin(), texts.end(), [](const PrintedItem *a, const PrintedItem *b) {
        return a->top != b->top ? a->top < b->top : a->left < b->left;
    });

    QStringList lines;
    for (size_t start = 0; start < texts.size();) {
        // Boxes that begin within the upper half of the first box share its line.
        const PrintedItem *first = texts[start];
        size_t end = start + 1;
        while (end < texts.size() && texts[end]->top < first->top + std::max(first->height / 2, 1))
            ++end;
        std::vector<const PrintedItem *> line(texts.begin() + start, texts.begin() + end);
        std::stable_sort(line.begin(), line.end(),
                         [](const PrintedItem *a, const PrintedItem *b) { return a->left < b->left; });
        QStringList parts;
        for (const PrintedItem *item : line)
            parts << item->text;
        lines << parts.join(u' ').replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
        start = end;
    }
    return lines;
}

} // namespace report
