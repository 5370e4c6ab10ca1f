#include "data/reportdocument.h"

#include "data/datacontrol.h"

namespace {

// Puts the recordset back on the row that was current before the report read
// it: the screens that share the data control rely on their current row.
class KeepPosition
{
public:
    explicit KeepPosition(Recordset &recordset)
        : m_recordset(recordset), m_position(recordset.position()), m_wasBof(recordset.bof() && !recordset.eof())
    {
    }
    ~KeepPosition()
    {
        if (m_position >= 0) {
            m_recordset.moveFirst();
            for (int i = 0; i < m_position; ++i)
                m_recordset.moveNext();
        } else if (m_wasBof) {
            m_recordset.moveFirst();
            m_recordset.movePrevious();
        }
    }
    KeepPosition(const KeepPosition &) = delete;
    KeepPosition &operator=(const KeepPosition &) = delete;

private:
    Recordset &m_recordset;
    int m_position;
    bool m_wasBof;
};

} // namespace

ReportDocument::ReportDocument(const report::Layout &layout) : m_design(report::compile(layout)) {}

report::Control &ReportDocument::find(const QString &band, const QString &control)
{
    for (report::Band &candidate : m_design.bands) {
        if (candidate.name.compare(band, Qt::CaseInsensitive) != 0)
            continue;
        for (report::Control &c : candidate.controls)
            if (c.name.compare(control, Qt::CaseInsensitive) == 0)
                return c;
        throw report::Error(QStringLiteral("Report %1: band %2 has no control %3")
                                .arg(m_design.name, candidate.name, control)
                                .toStdString());
    }
    throw report::Error(QStringLiteral("Report %1 has no band %2").arg(m_design.name, band).toStdString());
}

const report::Control &ReportDocument::find(const QString &band, const QString &control) const
{
    return const_cast<ReportDocument *>(this)->find(band, control);
}

void ReportDocument::setText(const QString &band, const QString &control, const QString &text)
{
    report::Control &label = find(band, control);
    if (label.kind != report::Kind::Label)
        throw report::Error(
            QStringLiteral("Report %1: %2.%3 is not a label").arg(m_design.name, band, control).toStdString());
    label.text = text;
}

QString ReportDocument::text(const QString &band, const QString &control) const
{
    return find(band, control).text;
}

void ReportDocument::setVisible(const QString &band, const QString &control, bool visible)
{
    find(band, control).visible = visible;
}

bool ReportDocument::isVisible(const QString &band, const QString &control) const
{
    return find(band, control).visible;
}

void ReportDocument::setDataSource(DataControl &source)
{
    const Recordset &recordset = source.recordset();
    if (recordset.isOpen()) {
        for (const report::Band &band : m_design.bands)
            for (const report::Control &control : band.controls)
                if (control.kind == report::Kind::Field && !recordset.hasColumn(control.field))
                    throw report::Error(
                        QStringLiteral("Report %1: %2.%3 shows column %4, which %5 does not have")
                            .arg(m_design.name, band.name, control.name, control.field, source.recordSource())
                            .toStdString());
    }
    m_source = &source;
}

std::vector<report::Record> ReportDocument::records() const
{
    std::vector<report::Record> records;
    if (!m_source || !m_source->recordset().isOpen())
        return records;
    Recordset &recordset = m_source->recordset();
    const QStringList columns = recordset.columns();
    // The keys are shared by every record rather than made anew for each.
    QStringList keys;
    for (const QString &column : columns)
        keys << column.toLower();
    KeepPosition keep(recordset);
    for (recordset.moveFirst(); !recordset.eof(); recordset.moveNext()) {
        report::Record record;
        record.reserve(columns.size());
        for (qsizetype c = 0; c < columns.size(); ++c)
            record.insert(keys[c], recordset.text(columns[c]));
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<report::Page> ReportDocument::pages() const
{
    return report::paginate(m_design, records());
}

std::vector<QStringList> ReportDocument::printedPages() const
{
    std::vector<QStringList> result;
    for (const report::Page &page : pages())
        result.push_back(report::textLines(page));
    return result;
}

QStringList ReportDocument::printedLines() const
{
    QStringList lines;
    for (const QStringList &page : printedPages())
        lines << page;
    return lines;
}
