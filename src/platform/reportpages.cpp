#include "platform/reportpages.h"

#include <algorithm>
#include <climits>

#include <QHash>

#include "platform/reportformat.h"

namespace report {

namespace {

class Paginator
{
public:
    Paginator(const Design &design, const std::vector<Record> &records) : m_design(design), m_records(records) {}

    std::vector<Page> run()
    {
        const Record *first = m_records.empty() ? nullptr : &m_records.front();
        startPage(first, /*withReportHeader=*/true);
        for (const Record &record : m_records)
            put(band(BandRole::Detail), &record);
        const Record *last = m_records.empty() ? nullptr : &m_records.back();
        put(band(BandRole::ReportFooter), last);
        endPage(last);
        return std::move(m_pages);
    }

private:
    const Band &band(BandRole role) const { return m_design.band(role); }
    const PageSetup &setup() const { return m_design.page; }
    bool paged() const { return setup().height > 0; }

    // Where the page footer starts: the content must end above it.
    int contentBottom() const
    {
        return paged() ? setup().height - setup().margin - band(BandRole::PageFooter).height : INT_MAX;
    }

    void startPage(const Record *record, bool withReportHeader = false)
    {
        m_pages.push_back({setup().width, setup().height, {}});
        m_y = setup().margin;
        if (withReportHeader)
            place(band(BandRole::ReportHeader), record);
        place(band(BandRole::PageHeader), record);
        m_pageTop = m_y;
    }

    void endPage(const Record *record)
    {
        if (paged())
            m_y = contentBottom();
        place(band(BandRole::PageFooter), record);
        if (!paged())
            m_pages.back().height = m_y + setup().margin;
    }

    // A band that does not fit goes on the next page, unless the page holds
    // nothing else: a band taller than a page is printed as far as it goes.
    void put(const Band &band, const Record *record)
    {
        if (m_y + band.height > contentBottom() && m_y > m_pageTop) {
            endPage(record);
            startPage(record);
        }
        place(band, record);
    }

    void place(const Band &band, const Record *record)
    {
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

    QString text(const Control &control, const Record *record)
    {
        if (control.kind != Kind::Field)
            return control.text;
        if (!record)
            return {};
        // The record's keys are lower case; each field's key is worked out
        // once, not once per record.
        auto key = m_fieldKeys.constFind(&control);
        if (key == m_fieldKeys.constEnd())
            key = m_fieldKeys.insert(&control, control.field.toLower());
        return formatValue(control.format, record->value(*key));
    }

    const Design &m_design;
    const std::vector<Record> &m_records;
    std::vector<Page> m_pages;
    QHash<const Control *, QString> m_fieldKeys;
    int m_y = 0;
    int m_pageTop = 0;
};

} // namespace

std::vector<Page> paginate(const Design &design, const std::vector<Record> &records)
{
    return Paginator(design, records).run();
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
