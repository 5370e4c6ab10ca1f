#pragma once

#include <vector>

#include <QByteArray>
#include <QDate>
#include <QString>

#include "reports/exporttable.h"

// The description of an export for a tax audit (index.xml in the GDPdU
// format) and the document type definition it declares, which is written
// beside it so that the description can be checked where it lies.
namespace gdpdu {

inline constexpr auto IndexFileName = "index.xml";
inline constexpr auto DtdFileName = "gdpdu-01-08-2002.dtd";

struct DataSupplier
{
    QString name;     // the shop's name
    QString location; // its address and place
    QString comment;  // the period the data covers
};

// "Datenbestand vom 02.01.2026 bis 31.03.2026, exportiert am 05.04.2026",
// from the dates found in the tables.
QString periodComment(const std::vector<TableFile> &tables, const QDate &exportDate);

// index.xml, UTF-8: one Table per file, every column of it in file order.
QByteArray indexXml(const DataSupplier &supplier, const std::vector<TableFile> &tables);

// The element structure that indexXml writes.
QByteArray documentTypeDefinition();

} // namespace gdpdu
