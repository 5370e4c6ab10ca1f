#include "reports/gdpduindex.h"

#include <QXmlStreamWriter>

namespace gdpdu {

namespace {

void writeColumn(QXmlStreamWriter &xml, const Column &column)
{
    xml.writeStartElement(column.primaryKey ? QStringLiteral("VariablePrimaryKey") : QStringLiteral("VariableColumn"));
    xml.writeTextElement(QStringLiteral("Name"), column.name);
    switch (column.kind) {
    case ColumnKind::Text:
        xml.writeEmptyElement(QStringLiteral("AlphaNumeric"));
        break;
    case ColumnKind::Date:
        xml.writeStartElement(QStringLiteral("Date"));
        xml.writeTextElement(QStringLiteral("Format"), QStringLiteral("DD.MM.YYYY"));
        xml.writeEndElement();
        break;
    case ColumnKind::WholeNumber:
        xml.writeEmptyElement(QStringLiteral("Numeric"));
        break;
    case ColumnKind::Money:
    case ColumnKind::Quantity:
        xml.writeStartElement(QStringLiteral("Numeric"));
        xml.writeTextElement(QStringLiteral("Accuracy"),
                             QString::number(column.kind == ColumnKind::Money ? 2 : QuantityDecimals));
        xml.writeEndElement();
        break;
    }
    xml.writeEndElement();
}

void writeTable(QXmlStreamWriter &xml, const TableFile &table)
{
    xml.writeStartElement(QStringLiteral("Table"));
    xml.writeTextElement(QStringLiteral("URL"), table.fileName);
    xml.writeTextElement(QStringLiteral("Name"), table.table);
    xml.writeEmptyElement(QStringLiteral("UTF8"));
    xml.writeTextElement(QStringLiteral("DecimalSymbol"), QStringLiteral(","));
    xml.writeTextElement(QStringLiteral("DigitGroupingSymbol"), QStringLiteral("."));
    xml.writeStartElement(QStringLiteral("Range"));
    // The first line of each file holds the column names.
    xml.writeTextElement(QStringLiteral("From"), QStringLiteral("2"));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("VariableLength"));
    xml.writeTextElement(QStringLiteral("ColumnDelimiter"), QStringLiteral(";"));
    // Written as character references, so that no reader folds CR LF into LF.
    xml.writeStartElement(QStringLiteral("RecordDelimiter"));
    xml.writeEntityReference(QStringLiteral("#13"));
    xml.writeEntityReference(QStringLiteral("#10"));
    xml.writeEndElement();
    xml.writeTextElement(QStringLiteral("TextEncapsulator"), QStringLiteral("\""));
    for (const Column &column : table.columns)
        writeColumn(xml, column);
    xml.writeEndElement();
    xml.writeEndElement();
}

} // namespace

QString periodComment(const std::vector<TableFile> &tables, const QDate &exportDate)
{
    QDate first;
    QDate last;
    for (const TableFile &table : tables) {
        if (table.firstDate.isValid() && (!first.isValid() || table.firstDate < first))
            first = table.firstDate;
        if (table.lastDate.isValid() && (!last.isValid() || table.lastDate > last))
            last = table.lastDate;
    }
    const QString exported = exportDate.toString(QStringLiteral("dd.MM.yyyy"));
    if (!first.isValid())
        return QStringLiteral("Datenbestand ohne datierte Buchungen, exportiert am %1").arg(exported);
    return QStringLiteral("Datenbestand vom %1 bis %2, exportiert am %3")
        .arg(first.toString(QStringLiteral("dd.MM.yyyy")), last.toString(QStringLiteral("dd.MM.yyyy")), exported);
}

QByteArray indexXml(const DataSupplier &supplier, const std::vector<TableFile> &tables)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE DataSet SYSTEM \"%1\">").arg(QLatin1String(DtdFileName)));
    xml.writeStartElement(QStringLiteral("DataSet"));
    xml.writeTextElement(QStringLiteral("Version"), QStringLiteral("1.0"));
    xml.writeStartElement(QStringLiteral("DataSupplier"));
    xml.writeTextElement(QStringLiteral("Name"), supplier.name);
    xml.writeTextElement(QStringLiteral("Location"), supplier.location);
    xml.writeTextElement(QStringLiteral("Comment"), supplier.comment);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("Media"));
    xml.writeTextElement(QStringLiteral("Name"), QStringLiteral("Kassendaten"));
    for (const TableFile &table : tables)
        writeTable(xml, table);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

QByteArray documentTypeDefinition()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!-- The elements of index.xml: the data supplier, the medium and, per\n"
        "     file, its format and its columns in the order of their fields. -->\n"
        "<!ELEMENT DataSet (Version, DataSupplier?, Media+)>\n"
        "<!ELEMENT Version (#PCDATA)>\n"
        "<!ELEMENT DataSupplier (Name, Location, Comment)>\n"
        "<!ELEMENT Name (#PCDATA)>\n"
        "<!ELEMENT Location (#PCDATA)>\n"
        "<!ELEMENT Comment (#PCDATA)>\n"
        "<!ELEMENT Media (Name, Table+)>\n"
        "<!ELEMENT Table (URL, Name, Description?, UTF8, DecimalSymbol, DigitGroupingSymbol, Range,\n"
        "                 VariableLength)>\n"
        "<!ELEMENT URL (#PCDATA)>\n"
        "<!ELEMENT Description (#PCDATA)>\n"
        "<!ELEMENT UTF8 EMPTY>\n"
        "<!ELEMENT DecimalSymbol (#PCDATA)>\n"
        "<!ELEMENT DigitGroupingSymbol (#PCDATA)>\n"
        "<!ELEMENT Range (From)>\n"
        "<!ELEMENT From (#PCDATA)>\n"
        "<!ELEMENT VariableLength (ColumnDelimiter, RecordDelimiter, TextEncapsulator, VariablePrimaryKey*,\n"
        "                          VariableColumn*)>\n"
        "<!ELEMENT ColumnDelimiter (#PCDATA)>\n"
        "<!ELEMENT RecordDelimiter (#PCDATA)>\n"
        "<!ELEMENT TextEncapsulator (#PCDATA)>\n"
        "<!ELEMENT VariablePrimaryKey (Name, (Numeric | AlphaNumeric | Date))>\n"
        "<!ELEMENT VariableColumn (Name, (Numeric | AlphaNumeric | Date))>\n"
        "<!ELEMENT Numeric (Accuracy?)>\n"
        "<!ELEMENT Accuracy (#PCDATA)>\n"
        "<!ELEMENT AlphaNumeric EMPTY>\n"
        "<!ELEMENT Date (Format)>\n"
        "<!ELEMENT Format (#PCDATA)>\n");
}

} // namespace gdpdu
