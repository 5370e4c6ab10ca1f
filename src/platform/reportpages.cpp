#include "platform/reportpages.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include <QHash>

#include "platform/reportformat.h"

namespace report {

namespace {

// Runs through the steps of a report (each record's detail band, then the
// report footer) page by page. Measuring, it only notes where each page
// starts; laying out, it puts together the texts of the pages it is asked for.
// A band as it prints for one record: its texts fitted to their boxes and
// moved down below the texts above them that grew, and its height.
struct PlacedBand
{
    int height = 0;
    std::vector<PrintedItem> items; // tops from the band's top; empty while measuring
};

bool overlapsHorizontally(const Control &a, const Control &b)
{
    return a.left < b.left + std::max(b.width, 1) && b.left < a.left + std::max(a.width, 1);
}

// Runs through the steps of a report (each record's detail band, then the
// report footer) page by page. Measuring, it only notes where each page
// starts; laying out, it puts together the texts of the pages it is asked for.
class Paginator
{
public:
    Paginator(const Design &design, const Records &records, const TextMetrics &metrics)
        : m_design(design), m_records(records), m_metrics(metrics)
    {
    }

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
            PlacedBand placed = placeBand(current, record(step));
            // A band that does not fit goes on the next page, unless the page
            // holds nothing else: a band taller than a page is printed as far
            // as it goes.
            if (m_y + placed.height > contentBottom() && m_y > m_pageTop) {
                endPage(step);
                if (++m_pagesEnded == pageLimit)
                    return;
                startPage(step);
            }
            put(std::move(placed));
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
            put(placeBand(band(BandRole::ReportHeader), record(step)));
        put(placeBand(band(BandRole::PageHeader), record(step)));
        m_pageTop = m_y;
    }

    void endPage(std::size_t step)
    {
        if (paged())
            m_y = contentBottom();
        put(placeBand(band(BandRole::PageFooter), record(step)));
        if (!paged() && m_layingOut)
            m_pages.back().height = m_y + setup().margin;
    }

    void put(PlacedBand placed)
    {
        for (PrintedItem &item : placed.items) {
            item.left += setup().margin;
            item.top += m_y;
            m_pages.back().items.push_back(std::move(item));
        }
        m_y += placed.height;
    }

    // What of a band's layout is the same for every record: its visible
    // controls, and the order in which they are fitted, top to bottom, so
    // that a text that grows has been moved below the ones above it before it
    // pushes down what lies below it.
    struct BandPlan
    {
        std::vector<const Control *> controls; // in the band's order
        std::vector<std::size_t> byTop;
        bool grows = false;
    };

    const BandPlan &plan(const Band &band)
    {
        if (const auto known = m_plans.find(&band); known != m_plans.end())
            return known->second;
        BandPlan plan;
        for (const Control &control : band.controls)
            if (control.visible) {
                plan.controls.push_back(&control);
                plan.grows = plan.grows || (control.canGrow && control.kind != Kind::Line);
            }
        for (std::size_t i = 0; i < plan.controls.size(); ++i)
            plan.byTop.push_back(i);
        std::stable_sort(plan.byTop.begin(), plan.byTop.end(),
                         [&](std::size_t a, std::size_t b) { return plan.controls[a]->top < plan.controls[b]->top; });
        return m_plans.emplace(&band, std::move(plan)).first->second;
    }

    // Measuring needs only the texts that can grow: the others keep their
    // boxes' heights, whatever they print.
    PlacedBand placeBand(const Band &band, const QStringList *record)
    {
        const BandPlan &plan = this->plan(band);
        PlacedBand placed{band.height, {}};
        if (!plan.grows && !m_layingOut)
            return placed;

        const std::size_t count = plan.controls.size();
        std::vector<int> shifts(count, 0); // how far the texts above that grew push each down
        std::vector<QStringList> lines(count);
        for (const std::size_t i : plan.byTop) {
            const Control &control = *plan.controls[i];
            if (control.kind == Kind::Line || (!control.canGrow && !m_layingOut))
                continue;
            const QString printed = text(control, record);
            if (printed.isEmpty())
                continue;
            const int lineHeight = m_metrics.lineHeight(control.font);
            const int boxLines = control.canGrow ? INT_MAX : std::max(control.height / std::max(lineHeight, 1), 1);
            lines[i] = fitText(m_metrics, control.font, printed, control.width, boxLines);
            if (!control.canGrow)
                continue;
            const int lastLineEnds = control.top + shifts[i] + static_cast<int>(lines[i].size()) * lineHeight;
            int push = 0;
            for (std::size_t j = 0; j < count; ++j)
                if (plan.controls[j]->top > control.top && overlapsHorizontally(control, *plan.controls[j]))
                    push = std::max(push, lastLineEnds - (plan.controls[j]->top + shifts[j]));
            if (push > 0)
                for (std::size_t j = 0; j < count; ++j)
                    if (plan.controls[j]->top > control.top)
                        shifts[j] += push;
            placed.height = std::max(placed.height + push, lastLineEnds);
        }
        if (!m_layingOut)
            return placed;

        for (std::size_t i = 0; i < count; ++i) {
            const Control &control = *plan.controls[i];
            PrintedItem item{.kind = control.kind,
                             .left = control.left,
                             .top = control.top + shifts[i],
                             .width = control.width,
                             .height = control.height,
                             .text = {},
                             .font = control.font,
                             .align = control.align,
                             .rgb = control.rgb,
                             .band = band.name,
                             .control = control.name};
            if (control.kind != Kind::Line) {
                if (lines[i].isEmpty())
                    continue; // an empty text prints nothing
                coverLines(item, lines[i]);
            }
            placed.items.push_back(std::move(item));
        }
        return placed;
    }

    // Shrinks a text's box to what its lines cover.
    void coverLines(PrintedItem &item, const QStringList &lines) const
    {
        double widest = 0;
        for (const QString &line : lines)
            widest = std::max(widest, m_metrics.width(item.font, line));
        const int width = std::min(static_cast<int>(std::ceil(widest)), item.width);
        if (item.align == Align::Right)
            item.left += item.width - width;
        else if (item.align == Align::Centre)
            item.left += (item.width - width) / 2;
        item.width = width;
        item.lineHeight = m_metrics.lineHeight(item.font);
        item.height = static_cast<int>(lines.size()) * item.lineHeight;
        item.text = lines.join(u'\n');
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
    const TextMetrics &m_metrics;
    bool m_layingOut = false;
    std::vector<std::size_t> m_pageStarts;
    std::size_t m_pagesEnded = 0;
    std::vector<Page> m_pages;
    QHash<const Control *, qsizetype> m_fieldColumns;
    std::unordered_map<const Band *, BandPlan> m_plans;
    int m_y = 0;
    int m_pageTop = 0;
};

} // namespace

LaidOutPages::LaidOutPages(Design design, Records records, std::shared_ptr<const TextMetrics> metrics)
    : m_design(std::move(design)), m_records(std::move(records)), m_metrics(std::move(metrics))
{
    m_pageStarts = Paginator(m_design, m_records, *m_metrics).measure();
}

Page LaidOutPages::page(int index) const
{
    const auto at = static_cast<std::size_t>(index);
    return std::move(Paginator(m_design, m_records, *m_metrics).layOut(index, m_pageStarts.at(at), 1).front());
}

std::vector<Page> LaidOutPages::all() const
{
    return Paginator(m_design, m_records, *m_metrics).layOut(0, 0, SIZE_MAX);
}

QStringList textLines(const Page &page)
{
    struct Line
    {
        int top;
        int height;
        int left;
        QString text;
    };
    std::vector<Line> texts;
    for (const PrintedItem &item : page.items) {
        if (item.kind == Kind::Line)
            continue;
        const QStringList parts = item.text.split(u'\n');
        const int height = parts.size() > 1 ? item.lineHeight : item.height;
        for (qsizetype i = 0; i < parts.size(); ++i)
            texts.push_back({item.top + static_cast<int>(i) * item.lineHeight, height, item.left, parts[i]});
    }
    std::stable_sort(texts.begin(), texts.end(),
                     [](const Line &a, const Line &b) { return a.top != b.top ? a.top < b.top : a.left < b.left; });

    QStringList lines;
    for (size_t start = 0; start < texts.size();) {
        // Texts that begin within the upper half of the first one share its line.
        const Line &first = texts[start];
        size_t end = start + 1;
        while (end < texts.size() && texts[end].top < first.top + std::max(first.height / 2, 1))
            ++end;
        std::vector<Line> line(texts.begin() + static_cast<std::ptrdiff_t>(start),
                               texts.begin() + static_cast<std::ptrdiff_t>(end));
        std::stable_sort(line.begin(), line.end(), [](const Line &a, const Line &b) { return a.left < b.left; });
        QStringList parts;
        for (const Line &part : line)
            parts << part.text;
        lines << parts.join(u' ');
        start = end;
    }
    return lines;
}

} // namespace report
