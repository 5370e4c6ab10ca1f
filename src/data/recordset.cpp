#include "data/recordset.h"

#include <algorithm>
#include <optional>

#include <QDate>
#include <QRegularExpression>

#include "data/database.h"
#include "data/schema.h"
#include "platform/locale.h"

namespace {
// Tables that only ever grow; see the class comment.
bool onlyGrows(const QString &table)
{
    static const QStringList tables = {QStringLiteral("Sales"), QStringLiteral("SalesDetails"),
                                       QStringLiteral("Deliveries")};
    return tables.contains(table, Qt::CaseInsensitive);
}

// The table or record source an SQL text reads from: the first name after
// FROM. The program's SQL sources each read one table or view.
QString sourceNamed(const QString &sql)
{
    static const QRegularExpression from(QStringLiteral("\\bfrom\\s+\"?(\\w+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    return from.match(sql).captured(1);
}

QString plainText(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

const QString RowIdColumn = QStringLiteral("__rowid");

// Whether the database's own comparison of a column with a text finds every
// row whose value reads as that text. It does for text columns (exact text,
// letter case counts) and for whole-number columns (the text is read as the
// number); a fractional number may read as a text that is not exactly its
// value, so such columns are compared here.
bool comparesExactlyInSql(const QString &declaredType)
{
    const QString type = declaredType.toUpper();
    return type.contains(QLatin1String("INT")) || type.contains(QLatin1String("CHAR")) ||
           type.contains(QLatin1String("CLOB")) || type.contains(QLatin1String("TEXT"));
}

// The database's side of comparing a column with a text, never narrower
// than the comparison made here (matches()): a column that holds nothing
// (NULL) reads as the empty text, as the screens show it in an empty box.
// Both forms are answered from the column's index.
QString equalsText(const QString &column, qsizetype parameter, const QString &text)
{
    const QString name = quoteName(column);
    if (text.isEmpty())
        return QStringLiteral("(%1 = ?%2 OR %1 IS NULL)").arg(name).arg(parameter);
    return QStringLiteral("%1 = ?%2").arg(name).arg(parameter);
}

// Writing a row and reading back what was stored go together: when the row
// cannot be read back, the write is taken back as well, so that a store
// reported as failed has stored nothing. A savepoint, because the write may
// lie inside a transaction of the caller's.
class WriteTogether
{
public:
    explicit WriteTogether(Database &database) : m_database(database)
    {
        m_open = m_database.execute(QStringLiteral("SAVEPOINT recordset_row"));
    }
    ~WriteTogether()
    {
        if (m_open)
            takeBack();
    }
    WriteTogether(const WriteTogether &) = delete;
    WriteTogether &operator=(const WriteTogether &) = delete;

    bool begun() const { return m_open; }
    // False, with the database's reason in *why, when the write could not be
    // made lasting; it is then taken back.
    bool commit(QString *why)
    {
        m_open = false;
        if (m_database.execute(QStringLiteral("RELEASE recordset_row")))
            return true;
        *why = m_database.lastError();
        takeBack();
        return false;
    }

private:
    void takeBack()
    {
        m_database.execute(QStringLiteral("ROLLBACK TO recordset_row"));
        m_database.execute(QStringLiteral("RELEASE recordset_row"));
    }

    Database &m_database;
    bool m_open = false;
};

QString withoutTrailingSemicolon(const QString &sql)
{
    QString trimmed = sql.trimmed();
    while (trimmed.endsWith(u';'))
        trimmed = trimmed.chopped(1).trimmed();
    return trimmed;
}
} // namespace

Recordset::Recordset(QObject *parent) : QObject(parent) {}

bool Recordset::open(Database *database, const QString &source, bool sourceIsSql, const std::vector<QVariant> &params)
{
    close();
    m_database = database;
    m_params = params;
    if (!m_database)
        return fail(QStringLiteral("Keine Datenbank geöffnet."));

    // A whole table, by name or as "select * from Table ...", can be written
    // back row by row; anything else (a view, a join) is read only.
    QString table;
    QString rest;
    if (!sourceIsSql) {
        table = source;
    } else {
        static const QRegularExpression simpleSelect(QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+(\\w+)(.*)$"),
                                                     QRegularExpression::CaseInsensitiveOption |
                                                         QRegularExpression::DotMatchesEverythingOption);
        const auto match = simpleSelect.match(source);
        if (match.hasMatch()) {
            table = match.captured(1);
            rest = match.captured(2);
        }
    }
    if (!table.isEmpty()) {
        const QString type =
            m_database->scalar(QStringLiteral("SELECT type FROM sqlite_master WHERE name = ?1 COLLATE NOCASE"), {table})
                .toString();
        if (type == QLatin1String("table")) {
            m_baseTable = table;
            static const QRegularExpression orderBy(QStringLiteral("\\border\\s+by\\b"),
                                                    QRegularExpression::CaseInsensitiveOption);
            m_inRowOrder = !orderBy.match(rest).hasMatch();
            m_selectSql = QStringLiteral("SELECT rowid AS %1, * FROM %2%3").arg(RowIdColumn, quoteName(table), rest);
        } else if (!sourceIsSql) {
            m_selectSql = QStringLiteral("SELECT * FROM %1").arg(quoteName(table));
        }
    }
    if (m_selectSql.isEmpty())
        m_selectSql = withoutTrailingSemicolon(source);

    // Learn the columns without reading a row: a source that cannot be read
    // fails here, at open.
    const auto empty = m_database->select(QStringLiteral("SELECT * FROM (%1) LIMIT 0").arg(m_selectSql), m_params);
    if (!empty) {
        const QString error = m_database->lastError();
        close();
        return fail(error);
    }
    const bool hasRowId = !empty->columns.isEmpty() && empty->columns.front() == RowIdColumn;
    m_columns = hasRowId ? empty->columns.mid(1) : empty->columns;
    m_declaredTypes = hasRowId ? empty->declaredTypes.mid(1) : empty->declaredTypes;
    m_readWhenMoved = !m_baseTable.isEmpty() && onlyGrows(m_baseTable) && !sourceIsSql;
    const QString sourceName = sourceIsSql ? sourceNamed(source) : source;
    m_types.clear();
    for (const QString &column : std::as_const(m_columns))
        m_types.push_back(schema::columnType(sourceName, column).value_or(schema::ColumnType::Text));
    m_held = Held::Nothing;
    emit currentChanged();
    return true;
}

void Recordset::close()
{
    m_held = Held::Closed;
    m_readWhenMoved = false;
    m_inRowOrder = false;
    m_declaredTypes.clear();
    m_types.clear();
    m_baseTable.clear();
    m_selectSql.clear();
    m_params.clear();
    m_columns.clear();
    m_rows.clear();
    m_visible.clear();
    m_filter.clear();
    m_position = -1;
}

bool Recordset::canNarrow(const Criteria &criteria) const
{
    if (criteria.empty())
        return false;
    for (const Criterion &criterion : criteria) {
        const int column = columnIndex(criterion.column);
        if (column < 0 || column >= m_declaredTypes.size() || !comparesExactlyInSql(m_declaredTypes[column]))
            return false;
    }
    return true;
}

QString Recordset::matchingRows(const Criteria &criteria, std::vector<QVariant> &params) const
{
    QStringList conditions;
    bool emptyText = false;
    for (const Criterion &criterion : criteria) {
        params.push_back(criterion.value);
        conditions << equalsText(m_columns[columnIndex(criterion.column)], params.size(), criterion.value);
        emptyText = emptyText || criterion.value.isEmpty();
    }
    QString sql =
        QStringLiteral("SELECT * FROM (%1) WHERE %2").arg(m_selectSql, conditions.join(QStringLiteral(" AND ")));
    // The rows of one text come in the source's order: one value of the
    // column, then the order of the rows. Empty and NULL are two values, so
    // a table read in the order of its rows gets that order back.
    if (emptyText && m_inRowOrder)
        sql += QStringLiteral(" ORDER BY ") + RowIdColumn;
    return sql;
}

bool Recordset::load(bool firstRowOnly) const
{
    // With a filter the database hands over the rows that match, through its
    // indexes; rebuildVisible() still compares them as text here. Without
    // one, a look at the current row of a fresh recordset needs its first
    // row only.
    const bool narrowed = canNarrow(m_filter);
    firstRowOnly = firstRowOnly && m_filter.empty();
    QString sql = m_selectSql;
    std::vector<QVariant> params = m_params;
    if (narrowed) {
        sql = matchingRows(m_filter, params);
    } else if (firstRowOnly) {
        sql = QStringLiteral("SELECT * FROM (%1) LIMIT 1").arg(m_selectSql);
    }
    auto rows = m_database->select(sql, params);
    if (!rows)
        return failRead(m_database->lastError());
    const bool hasRowId = !rows->columns.isEmpty() && rows->columns.front() == RowIdColumn;
    // The columns were learnt at open; rows read with others would be read
    // against the wrong names and kinds.
    if (rows->columns.size() - (hasRowId ? 1 : 0) != m_columns.size())
        return failRead(QStringLiteral("Die Daten wurden inzwischen geändert; bitte die Daten neu laden."));
    std::vector<Row> pending;
    for (Row &row : m_rows)
        if (row.isNew)
            pending.push_back(std::move(row));
    m_rows.clear();
    m_rows.reserve(rows->values.size() + pending.size());
    for (auto &values : rows->values) {
        Row row;
        // The row takes over the values as read: a shop's many thousand rows
        // are not held twice while they are read.
        if (hasRowId) {
            row.rowid = values.front().toLongLong();
            values.erase(values.begin());
        }
        row.values = std::move(values);
        m_rows.push_back(std::move(row));
    }
    for (Row &row : pending)
        m_rows.push_back(std::move(row));
    const bool afterLast = m_held == Held::NothingAfterLast;
    m_held = firstRowOnly ? Held::FirstRow : narrowed ? Held::FilteredRows : Held::AllRows;
    rebuildVisible();
    m_position = m_visible.empty() ? -1 : 0;
    if (afterLast && !m_visible.empty())
        m_position = static_cast<int>(m_visible.size());
    return true;
}

bool Recordset::failRead(const QString &why) const
{
    m_held = Held::Closed;
    m_rows.clear();
    m_visible.clear();
    m_position = -1;
    return fail(why);
}

bool Recordset::ensureLoaded(bool firstRowOnly) const
{
    if (!isOpen())
        return false;
    if (holdsEveryRowShown() || (firstRowOnly && holdsCurrentRow()))
        return true;
    // Reading the rows must not move the current row: a row being added stays
    // current, so that what is set next goes into it and not into a stored
    // one; the first row, read alone before, keeps its unsaved edits.
    Row *current = rawCurrentRow();
    const bool currentIsNew = current && current->isNew;
    const qint64 currentRowId = current ? current->rowid : -1;
    // After the last row it stays after the last row.
    const bool afterLast = !m_visible.empty() && m_position >= static_cast<int>(m_visible.size());
    std::optional<Row> edited;
    if (current && !currentIsNew && current->anyChanged())
        edited = std::move(*current);
    const bool ok = load(firstRowOnly);
    if (ok && afterLast)
        m_position = static_cast<int>(m_visible.size());
    if (ok && (currentIsNew || currentRowId >= 0)) {
        for (int i = 0; i < static_cast<int>(m_visible.size()); ++i) {
            Row &row = m_rows[m_visible[i]];
            if (currentIsNew ? row.isNew : row.rowid == currentRowId) {
                m_position = i;
                if (edited)
                    row = std::move(*edited);
            }
        }
    }
    return ok;
}

int Recordset::columnIndex(const QString &column) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Recordset::Row *Recordset::rawCurrentRow() const
{
    if (m_position < 0 || m_position >= static_cast<int>(m_visible.size()))
        return nullptr;
    return &m_rows[m_visible[m_position]];
}

Recordset::Row *Recordset::currentRow()
{
    if (!m_readWhenMoved)
        ensureLoaded(true);
    return rawCurrentRow();
}

const Recordset::Row *Recordset::currentRow() const
{
    if (!m_readWhenMoved)
        ensureLoaded(true);
    return rawCurrentRow();
}

bool Recordset::matches(const Row &row, int column, const QString &value) const
{
    if (column < 0)
        return false;
    const QVariant &stored = row.values[column];
    if (stored.typeId() == QMetaType::QString)
        return *static_cast<const QString *>(stored.constData()) == value;
    return plainText(stored) == value;
}

void Recordset::rebuildVisible() const
{
    m_visible.clear();
    std::vector<int> columns;
    for (const Criterion &criterion : m_filter)
        columns.push_back(columnIndex(criterion.column));
    for (int i = 0; i < static_cast<int>(m_rows.size()); ++i) {
        bool visible = true;
        for (std::size_t c = 0; visible && c < columns.size(); ++c)
            visible = matches(m_rows[i], columns[c], m_filter[c].value);
        if (visible)
            m_visible.push_back(i);
    }
}

bool Recordset::bof() const
{
    if (!ensureLoaded(true))
        return true;
    return m_visible.empty() || m_position < 0;
}

bool Recordset::eof() const
{
    if (!ensureLoaded(true))
        return true;
    return m_visible.empty() || m_position >= static_cast<int>(m_visible.size());
}

int Recordset::recordCount() const
{
    return ensureLoaded() ? static_cast<int>(m_visible.size()) : 0;
}

int Recordset::position() const
{
    if (!m_readWhenMoved)
        ensureLoaded();
    return currentRow() ? m_position : -1;
}

void Recordset::moved()
{
    emit currentChanged();
}

bool Recordset::leaveCurrentRow()
{
    Row *row = rawCurrentRow();
    if (!row || (!row->isNew && !row->anyChanged()))
        return true;
    return update();
}

bool Recordset::moveFirst()
{
    if (!ensureLoaded() || !leaveCurrentRow())
        return false;
    m_position = m_visible.empty() ? -1 : 0;
    moved();
    return !m_visible.empty();
}

bool Recordset::moveLast()
{
    if (!ensureLoaded() || !leaveCurrentRow())
        return false;
    m_position = static_cast<int>(m_visible.size()) - 1;
    moved();
    return !m_visible.empty();
}

bool Recordset::moveNext()
{
    if (!ensureLoaded() || eof() || !leaveCurrentRow())
        return false;
    ++m_position;
    moved();
    return !eof();
}

bool Recordset::movePrevious()
{
    if (!ensureLoaded() || bof() || !leaveCurrentRow())
        return false;
    --m_position;
    moved();
    return !bof();
}

void Recordset::setFilter(const Criteria &criteria)
{
    if (!isOpen())
        return;
    // Edits that cannot be stored are dropped rather than left behind on a
    // row that is no longer current, where a later move would store them
    // unasked; lastError() says why they were not stored.
    if (!leaveCurrentRow()) {
        const QString reason = m_lastError;
        cancelUpdate();
        m_lastError = reason;
    }
    m_filter = criteria;
    if (m_held != Held::AllRows) {
        // Only some rows, or none, were read: read what the filter shows;
        // without a filter, the first row for a start.
        m_held = Held::Nothing;
        ensureLoaded(criteria.empty());
    } else {
        rebuildVisible();
    }
    m_position = m_visible.empty() ? -1 : 0;
    moved();
}

bool Recordset::findBeforeReading(const Criterion &criterion)
{
    // Only on the first row of an unread recordset: anywhere else the search
    // starts from a row whose place among the others is not known yet.
    if ((m_held != Held::Nothing && m_held != Held::FirstRow) || m_readWhenMoved || m_baseTable.isEmpty() ||
        !m_filter.empty() || !canNarrow({criterion}))
        return false;
    for (const Row &row : m_rows)
        if (row.isNew || row.anyChanged())
            return false;
    const int column = columnIndex(criterion.column);
    std::vector<QVariant> params = m_params;
    const auto found = m_database->select(matchingRows({criterion}, params), params);
    if (!found)
        return false;
    for (auto &values : found->values) {
        Row row;
        row.rowid = values.front().toLongLong();
        row.values.assign(std::make_move_iterator(values.begin() + 1), std::make_move_iterator(values.end()));
        if (!matches(row, column, criterion.value))
            continue;
        m_rows.clear();
        m_rows.push_back(std::move(row));
        m_visible = {0};
        m_position = 0;
        m_held = Held::FoundRow;
        moved();
        return true;
    }
    // Without a match the search reads every row and stands after the last.
    return false;
}

bool Recordset::find(const Criterion &criterion)
{
    if (findBeforeReading(criterion))
        return true;
    if (!ensureLoaded() || !leaveCurrentRow())
        return false;
    int start = std::max(m_position, 0);
    const int column = columnIndex(criterion.column);
    m_position = static_cast<int>(m_visible.size());
    for (int i = start; i < static_cast<int>(m_visible.size()); ++i) {
        if (matches(m_rows[m_visible[i]], column, criterion.value)) {
            m_position = i;
            break;
        }
    }
    moved();
    return !eof();
}

QVariant Recordset::value(const QString &column) const
{
    const Row *row = currentRow();
    const int index = columnIndex(column);
    if (!row || index < 0)
        return {};
    return row->values[index];
}

QString Recordset::text(const QString &column) const
{
    const Row *row = currentRow();
    const int index = columnIndex(column);
    if (!row || index < 0)
        return {};
    return shopText(index, row->values[index]);
}

QStringList Recordset::texts(const QString &column) const
{
    QStringList result;
    const int index = columnIndex(column);
    if (index < 0 || !ensureLoaded())
        return result;
    result.reserve(static_cast<qsizetype>(m_visible.size()));
    for (int row : m_visible)
        result << shopText(index, m_rows[row].values[index]);
    return result;
}

std::vector<QStringList> Recordset::rowTexts(const QStringList &columns) const
{
    std::vector<QStringList> lines;
    std::vector<int> indexes;
    for (const QString &column : columns)
        indexes.push_back(columnIndex(column));
    if (!isOpen() || std::find(indexes.begin(), indexes.end(), -1) != indexes.end())
        return lines;
    // Rows being added or edited are read as they stand here, with the rest.
    const bool pending =
        std::any_of(m_rows.begin(), m_rows.end(), [](const Row &row) { return row.isNew || row.anyChanged(); });
    if (holdsEveryRowShown() || !m_filter.empty() || m_readWhenMoved || pending) {
        if (!ensureLoaded())
            return lines;
        for (int row : m_visible) {
            QStringList line;
            for (int index : indexes)
                line << shopText(index, m_rows[static_cast<std::size_t>(row)].values[static_cast<std::size_t>(index)]);
            lines.push_back(line);
        }
        return lines;
    }
    // Not read yet: the database hands over only these columns, and the rows
    // stay unread.
    QStringList names;
    for (int index : indexes)
        names << quoteName(m_columns[index]);
    const auto rows = m_database->select(
        QStringLiteral("SELECT %1 FROM (%2)").arg(names.join(QStringLiteral(", ")), m_selectSql), m_params);
    if (!rows) {
        // As when the rows themselves cannot be read: the caller learns it
        // from a closed recordset, not from an empty list.
        failRead(m_database->lastError());
        return lines;
    }
    lines.reserve(rows->values.size());
    for (const auto &values : rows->values) {
        QStringList line;
        for (std::size_t c = 0; c < indexes.size(); ++c)
            line << shopText(indexes[c], values[c]);
        lines.push_back(line);
    }
    return lines;
}

std::vector<QStringList> Recordset::firstRowTexts(const Criteria &filter, const QStringList &columns,
                                                  std::size_t atMost) const
{
    std::vector<QStringList> lines;
    std::vector<int> indexes;
    for (const QString &column : columns)
        indexes.push_back(columnIndex(column));
    std::vector<int> filterIndexes;
    for (const Criterion &criterion : filter)
        filterIndexes.push_back(columnIndex(criterion.column));
    if (!isOpen() || atMost == 0 || std::find(indexes.begin(), indexes.end(), -1) != indexes.end() ||
        std::find(filterIndexes.begin(), filterIndexes.end(), -1) != filterIndexes.end())
        return lines;
    // Where the database compares exactly, it stops at the last row wanted;
    // elsewhere the rows are compared here, as a filter does.
    const bool inSql = canNarrow(filter);
    QStringList names;
    for (int index : indexes)
        names << quoteName(m_columns[index]);
    for (int index : filterIndexes)
        names << quoteName(m_columns[index]);
    std::vector<QVariant> params = m_params;
    QStringList conditions;
    if (inSql) {
        for (std::size_t c = 0; c < filter.size(); ++c) {
            params.push_back(filter[c].value);
            conditions << QStringLiteral("%1 = ?%2").arg(quoteName(m_columns[filterIndexes[c]])).arg(params.size());
        }
    }
    QString sql = QStringLiteral("SELECT %1 FROM (%2)").arg(names.join(QStringLiteral(", ")), m_selectSql);
    if (inSql && !conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    if (inSql || filter.empty())
        sql += QStringLiteral(" LIMIT %1").arg(atMost);
    const auto rows = m_database->select(sql, params);
    if (!rows)
        return lines;
    for (const auto &values : rows->values) {
        Row row;
        row.values.assign(m_columns.size(), QVariant());
        for (std::size_t c = 0; c < filter.size(); ++c)
            row.values[filterIndexes[c]] = values[indexes.size() + c];
        bool wanted = true;
        for (std::size_t c = 0; wanted && c < filter.size(); ++c)
            wanted = matches(row, filterIndexes[c], filter[c].value);
        if (!wanted)
            continue;
        QStringList line;
        for (std::size_t c = 0; c < indexes.size(); ++c)
            line << shopText(indexes[c], values[c]);
        lines.push_back(line);
        if (lines.size() == atMost)
            break;
    }
    return lines;
}

void Recordset::setFilterAfterLast(const Criteria &criteria)
{
    const bool pending =
        std::any_of(m_rows.begin(), m_rows.end(), [](const Row &row) { return row.isNew || row.anyChanged(); });
    if (!isOpen() || pending || m_held == Held::AllRows || !canNarrow(criteria)) {
        setFilter(criteria);
        moveAfterLast();
        return;
    }
    m_filter = criteria;
    m_rows.clear();
    m_visible.clear();
    m_position = -1;
    m_held = Held::NothingAfterLast;
    moved();
}

bool Recordset::moveAfterLast()
{
    if (!isOpen() || !leaveCurrentRow())
        return false;
    // Standing after the last row needs no more than knowing there is one.
    if (!m_readWhenMoved)
        ensureLoaded(true);
    m_position = static_cast<int>(m_visible.size());
    if (m_visible.empty())
        m_position = -1;
    moved();
    return true;
}

QString Recordset::shopText(int column, const QVariant &stored) const
{
    if (!stored.isValid() || stored.isNull())
        return {};
    if (m_types[column] == schema::ColumnType::Money)
        return de::formatNumber(Money::fromCents(stored.toLongLong()));
    if (m_types[column] == schema::ColumnType::Date)
        return de::shortDate(QDate::fromString(stored.toString(), Qt::ISODate));
    if (m_types[column] == schema::ColumnType::Quantity && stored.typeId() == QMetaType::Double)
        return de::formatQuantity(stored.toDouble());
    if (stored.typeId() == QMetaType::Double)
        return de::formatGeneral(stored.toDouble());
    return stored.toString();
}

Money Recordset::money(const QString &column) const
{
    return Money::fromCents(value(column).toLongLong());
}

bool Recordset::setValue(const QString &column, const QVariant &newValue)
{
    Row *row = currentRow();
    const int index = columnIndex(column);
    if (!row)
        return fail(QStringLiteral("Es ist kein Datensatz ausgewählt."));
    if (index < 0)
        return fail(QStringLiteral("Die Spalte „%1“ gibt es nicht.").arg(column));
    if (!isWritable())
        return fail(QStringLiteral("Diese Daten können nur gelesen werden."));
    QVariant stored = newValue;
    if (newValue.typeId() == QMetaType::QDate)
        stored = newValue.toDate().toString(Qt::ISODate);
    row->values[index] = stored;
    row->markChanged(index, static_cast<int>(m_columns.size()));
    emit currentChanged();
    return true;
}

bool Recordset::setText(const QString &column, const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return setValue(column, QVariant());
    const int index = columnIndex(column);
    const schema::ColumnType type = index < 0 ? schema::ColumnType::Text : m_types[index];
    if (type == schema::ColumnType::Money) {
        const auto amount = de::parseAmount(typed);
        if (!amount)
            return fail(
                QStringLiteral("„%1“ ist kein gültiger Betrag: bitte höchstens zwei Nachkommastellen, z. B. 12,50.")
                    .arg(typed));
        return setMoney(column, *amount);
    }
    if (type == schema::ColumnType::Quantity) {
        const auto number = de::parseQuantity(typed);
        if (!number)
            return fail(QStringLiteral("„%1“ ist keine gültige Menge: bitte mit Komma, höchstens drei "
                                       "Nachkommastellen und ohne Tausenderpunkt, z. B. 12 oder 2,5.")
                            .arg(typed));
        return setValue(column, schema::storedQuantity(*number));
    }
    if (type == schema::ColumnType::Date) {
        const QDate date = QDate::fromString(typed.trimmed(), QStringLiteral("dd.MM.yyyy"));
        if (!date.isValid())
            return fail(QStringLiteral("„%1“ ist kein gültiges Datum.").arg(typed));
        return setValue(column, date);
    }
    return setValue(column, typed);
}

bool Recordset::setMoney(const QString &column, Money amount)
{
    return setValue(column, static_cast<qint64>(amount.cents()));
}

bool Recordset::addNew()
{
    if (!isOpen())
        return fail(QStringLiteral("Die Daten sind nicht geöffnet."));
    if (!isWritable())
        return fail(QStringLiteral("Diese Daten können nur gelesen werden."));
    if (!leaveCurrentRow())
        return false;
    if (!holdsEveryRowShown()) {
        // A table that is not read keeps no more than the row being added.
        m_rows.clear();
        m_visible.clear();
        m_held = Held::Nothing;
    }
    Row row;
    row.values.assign(m_columns.size(), QVariant());
    row.isNew = true;
    m_rows.push_back(std::move(row));
    // A new row is visible whatever the filter, as long as it is being added.
    m_visible.push_back(static_cast<int>(m_rows.size()) - 1);
    m_position = static_cast<int>(m_visible.size()) - 1;
    moved();
    return true;
}

QString Recordset::rowRefusal() const
{
    const Row *row = currentRow();
    if (!m_rowRule || !row || !(row->isNew || row->anyChanged()))
        return {};
    return m_rowRule(*this);
}

bool Recordset::update()
{
    Row *row = currentRow();
    if (!row)
        return fail(QStringLiteral("Es ist kein Datensatz ausgewählt."));
    if (!isWritable())
        return fail(QStringLiteral("Diese Daten können nur gelesen werden."));
    if (const QString refusal = rowRefusal(); !refusal.isEmpty())
        return fail(refusal);
    const bool ok = row->isNew ? storeNewRow(*row) : storeChangedRow(*row);
    if (ok)
        emit currentChanged();
    return ok;
}

bool Recordset::storeNewRow(Row &row)
{
    QStringList names;
    QStringList placeholders;
    std::vector<QVariant> params;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (!row.isChanged(i))
            continue;
        names << quoteName(m_columns[i]);
        params.push_back(row.values[i]);
        placeholders << QStringLiteral("?%1").arg(params.size());
    }
    const QString sql = names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteName(m_baseTable))
                                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                              .arg(quoteName(m_baseTable), names.join(u','), placeholders.join(u','));
    return storeRow(row, sql, params);
}

bool Recordset::storeChangedRow(Row &row)
{
    QStringList assignments;
    std::vector<QVariant> params;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (!row.isChanged(i))
            continue;
        params.push_back(row.values[i]);
        assignments << QStringLiteral("%1 = ?%2").arg(quoteName(m_columns[i])).arg(params.size());
    }
    if (assignments.isEmpty())
        return true;
    params.push_back(row.rowid);
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
                            .arg(quoteName(m_baseTable), assignments.join(u','))
                            .arg(params.size());
    return storeRow(row, sql, params);
}

bool Recordset::storeRow(Row &row, const QString &sql, const std::vector<QVariant> &params)
{
    WriteTogether write(*m_database);
    if (!write.begun() || !m_database->execute(sql, params))
        return fail(m_database->lastError());
    // The row keeps its edits, and a new row stays new, until the write and
    // the read back are both done.
    Row stored = row;
    if (stored.isNew) {
        stored.rowid = m_database->lastInsertRowId();
        stored.isNew = false;
    }
    QString why;
    if (!reread(stored))
        return false;
    if (!write.commit(&why))
        return fail(why);
    row = std::move(stored);
    return true;
}

bool Recordset::reread(Row &row)
{
    // Read back what the database holds, in the types it stored. A row that
    // is gone, or read with other columns than the recordset has, is not
    // what was written.
    const auto stored = m_database->select(
        QStringLiteral("SELECT * FROM %1 WHERE rowid = ?1").arg(quoteName(m_baseTable)), {row.rowid});
    if (!stored)
        return fail(m_database->lastError());
    if (stored->values.empty())
        return fail(QStringLiteral("Der Datensatz ist in der Datenbank nicht mehr vorhanden."));
    if (stored->columns.size() != m_columns.size())
        return fail(
            QStringLiteral("Die Tabelle „%1“ wurde inzwischen geändert; bitte die Daten neu laden.").arg(m_baseTable));
    row.values = stored->values.front();
    row.changed.clear();
    return true;
}

bool Recordset::remove()
{
    // The row after the removed one becomes current: it must have been read.
    if (!m_readWhenMoved)
        ensureLoaded();
    Row *row = currentRow();
    if (!row)
        return fail(QStringLiteral("Es ist kein Datensatz ausgewählt."));
    if (!isWritable())
        return fail(QStringLiteral("Diese Daten können nur gelesen werden."));
    if (!row->isNew && !m_database->execute(
                           QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(quoteName(m_baseTable)), {row->rowid}))
        return fail(m_database->lastError());
    m_rows.erase(m_rows.begin() + m_visible[m_position]);
    const int position = m_position;
    rebuildVisible();
    // The row after the deleted one becomes current (EOF after the last).
    m_position = std::min(position, static_cast<int>(m_visible.size()));
    if (m_visible.empty())
        m_position = -1;
    moved();
    return true;
}

void Recordset::cancelUpdate()
{
    Row *row = currentRow();
    if (!row)
        return;
    if (row->isNew) {
        m_rows.erase(m_rows.begin() + m_visible[m_position]);
        rebuildVisible();
        m_position = m_visible.empty() ? -1 : static_cast<int>(m_visible.size()) - 1;
    } else if (!reread(*row)) {
        // What is stored cannot be read: the edits are dropped all the same,
        // so that no later move stores them unasked; lastError() says why.
        row->changed.clear();
    }
    moved();
}

bool Recordset::isNewRow() const
{
    const Row *row = currentRow();
    return row && row->isNew;
}

qint64 Recordset::rowId() const
{
    const Row *row = currentRow();
    return row && !row->isNew ? row->rowid : -1;
}

bool Recordset::isChanged(const QString &column) const
{
    const Row *row = currentRow();
    const int index = columnIndex(column);
    return row && index >= 0 && row->isChanged(index);
}

bool Recordset::isDirty() const
{
    const Row *row = currentRow();
    return row && (row->isNew || row->anyChanged());
}

bool Recordset::fail(const QString &message) const
{
    m_lastError = message;
    return false;
}
