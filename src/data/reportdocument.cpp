#include "data/reportdocument.h"

#include "data/datacontrol.h"

ReportDocument::ReportDocument(const report::Layout &layout, std::shared_ptr<const report::TextMetrics> metrics)
    : m_design(report::compile(layout)), m_metrics(std::move(metrics))
{
}

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

report::Records ReportDocument::records() const
{
    report::Records records;
    if (!m_source || !m_source->recordset().isOpen())
        return records;
    Recordset &recordset = m_source->recordset();
    // Only the columns the fields show are read; the current row stays where
    // it is. A row being edited is stored first, as moving through the rows
    // to print them would.
    for (const report::Band &band : m_design.bands)
        for (const report::Control &control : band.controls)
            if (control.kind == report::Kind::Field && recordset.hasColumn(control.field) &&
                !records.columns.contains(control.field.toLower()))
                records.columns << control.field.toLower();
    if (recordset.isDirty())
        recordset.update();
    records.rows = recordset.rowTexts(records.columns);
    return records;
}

report::LaidOutPages ReportDocument::layOut() const
{
    return report::LaidOutPages(m_design, records(), m_metrics);
}

std::vector<report::Page> ReportDocument::pages() const
{
    return layOut().all();
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
