#pragma once

#include <vector>

#include <QHash>
#include <QString>
#include <QStringList>

#include "platform/reportlayout.h"
#include "platform/reporttext.h"

namespace report {

// One thing on paper: a text, or a horizontal line. Positions are in twips
// from the paper's top-left corner. A text is already broken into the lines
// it prints as (joined by line breaks), one every `lineHeight` twips, and its
// rectangle is the stretch of its control's box that those lines cover: as wide
// as its widest line, placed as the control aligns it, as high as its lines.
// No two texts' rectangles overlap.
struct PrintedItem
{
    Kind kind = Kind::Label; // Line for a line; Label or Field for a text
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QString text;
    Font font;
    Align align = Align::Left;
    unsigned rgb = 0;
    QString band;
    QString control;
    int lineHeight = 0;
};

struct Page
{
    int width = 0; // twips
    int height = 0;
    std::vector<PrintedItem> items;
};

// The rows of the data source, as the recordset shows them: per row the
// texts of `columns` (lower case names), in that order.
struct Records
{
    QStringList columns;
    std::vector<QStringList> rows;
};

// Lays the bands out on pages: the report header once at the top of the first
// page, the page header at the top and the page footer at the foot of every
// page, the detail band once per record, the report footer once after the
// last record. A band that does not fit on the rest of a page starts the next
// one. On a till roll (no page height) everything goes on one page as long as
// its content. Hidden controls and empty texts do not print.
//
// A text stays inside its box: it is broken into as many lines as the box is
// high, and what does not fit then is cut with "…". A text that can grow takes
// the lines it needs: what lies below it in its band moves down as far as
// the text's last line reaches, and the band grows with it.
//
// Where the pages break is worked out at once, which costs little; a page's
// texts are put together only when the page is asked for, so that a report
// of thousands of pages opens at once and holds only its records.
class LaidOutPages
{
public:
    LaidOutPages(Design design, Records records, std::shared_ptr<const TextMetrics> metrics = estimatedMetrics());

    int count() const { return static_cast<int>(m_pageStarts.size()); }
    Page page(int index) const;
    std::vector<Page> all() const;

private:
    Design m_design;
    Records m_records;
    std::shared_ptr<const TextMetrics> m_metrics;
    // Per page, the step it starts with: step i < rows is row i's detail
    // band, step rows the report footer.
    std::vector<std::size_t> m_pageStarts;
};

// What a page prints, as text lines in reading order: texts whose lines start
// at about the same height form one line, left to right, joined by a blank.
// A text of several lines contributes each at its own height.
QStringList textLines(const Page &page);

} // namespace report
