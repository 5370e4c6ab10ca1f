#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "data/schema.h"
#include "platform/money.h"

class Database;

// One condition of a filter or search: the column's value, read as text,
// equals the given text. Column names match without regard to letter case.
// Values are never pasted into SQL, so an apostrophe is just a character.
struct Criterion
{
    QString column;
    QString value;
};
using Criteria = std::vector<Criterion>; // all must hold

// An SQL text and the values bound to its ?1, ?2, ... in order.
struct BoundSql
{
    QString sql;
    std::vector<QVariant> params;
};

// The rows of one record source as read at its last open, with a current row
// and a filter: the shop's screens move through it, read and write the
// current row's columns, add and delete rows.
//
// Positions follow the usual cursor rules: before the first visible row BOF
// is true, after the last EOF is true, and an empty set is both. Edits to the
// current row are kept until update() or until the current row is moved away,
// which stores them. addNew() starts a row that counts in recordCount() at
// once and is stored by update().
//
// Rows are read when they are first looked at, not at open: a refresh costs
// nothing until someone reads, a look at the first row reads that row only,
// a search on a fresh recordset reads the row it finds, and a filter set
// before the first look reads only the rows it lets through (by the
// database's indexes), the rest when the filter is removed. Rows once read
// stay as read until the next open.
// The tables that only grow (Sales, SalesDetails, Deliveries) are not read
// even to show their first row: adding a row to them costs the same however
// many they hold, and they are read only when someone moves through them.
class Recordset : public QObject
{
    Q_OBJECT

public:
    explicit Recordset(QObject *parent = nullptr);

    // Reads the source anew: a table or view name, or an SQL SELECT text with
    // its values bound in order (?1, ?2, ...), so that no id or date is ever
    // written into the text. Drops the filter and any unsaved new row; the
    // first row becomes current.
    bool open(Database *database, const QString &source, bool sourceIsSql, const std::vector<QVariant> &params = {});
    void close();
    bool isOpen() const { return m_held != Held::Closed; }

    bool bof() const;
    bool eof() const;
    int recordCount() const;
    // 0-based index of the current row among the visible rows, -1 at BOF/EOF.
    int position() const;

    bool moveFirst();
    bool moveLast();
    bool moveNext();
    bool movePrevious();

    // Keeps only the rows that match every criterion; the first of them
    // becomes current. An empty list removes the filter.
    void setFilter(const Criteria &criteria);
    void clearFilter() { setFilter({}); }
    bool isFiltered() const { return isOpen() && !m_filter.empty(); }

    // Moves forward from the current row (itself included) to the first row
    // that matches; without a match the recordset stands at EOF.
    bool find(const Criterion &criterion);

    bool hasColumn(const QString &column) const { return isOpen() && columnIndex(column) >= 0; }

    // The current row's value as stored (money in cents); invalid at BOF/EOF.
    QVariant value(const QString &column) const;
    // As the shop reads it: money "1.234,50", quantities "1,5", dates
    // "06.12.2026", nothing for NULL.
    QString text(const QString &column) const;
    // text() of one column in every visible row, in order, without moving:
    // for filling a list without the current row passing every row.
    QStringList texts(const QString &column) const;
    // text() of these columns in every visible row, in order, without moving.
    // A recordset not read yet stays unread: only these columns are read.
    std::vector<QStringList> rowTexts(const QStringList &columns) const;
    // text() of these columns in the first atMost stored rows that the filter
    // would let through, in the recordset's order, read by a query of their
    // own: neither the recordset nor the rows after them are read, and the
    // current row and filter stay as they are.
    std::vector<QStringList> firstRowTexts(const Criteria &filter, const QStringList &columns,
                                           std::size_t atMost) const;
    // setFilter() and then moveAfterLast(), without reading the rows the
    // filter lets through: they are read when someone looks.
    void setFilterAfterLast(const Criteria &criteria);
    // Leaves the recordset after its last row, as reading it to the end does
    // (an edited row is stored first), without reading the rows.
    bool moveAfterLast();
    Money money(const QString &column) const;

    bool setValue(const QString &column, const QVariant &value);
    // Reads typed text by the column's kind (money, quantity, date, text);
    // text that is not a valid value is refused and changes nothing.
    bool setText(const QString &column, const QString &text);
    bool setMoney(const QString &column, Money amount);

    bool addNew();
    bool update();
    bool remove();
    void cancelUpdate();
    bool isNewRow() const;
    bool isDirty() const;
    // The database's own number of the current row, which stays the same
    // when its key is edited; -1 for a row not yet stored or no row at all.
    qint64 rowId() const;
    bool isWritable() const { return isOpen() && !m_baseTable.isEmpty(); }
    // Whether the column of the current row was set and not yet stored.
    bool isChanged(const QString &column) const;

    // A rule of the screen that edits these rows: why the current row may not
    // be stored, or an empty text. update(), and so leaving an edited row,
    // asks it before a new or changed row is written; it outlives re-reading.
    using RowRule = std::function<QString(const Recordset &)>;
    void setRowRule(RowRule rule) { m_rowRule = std::move(rule); }
    // Why the rule refuses the current row as it stands; empty when it may be
    // stored (or nothing was changed).
    QString rowRefusal() const;

    // A German message for the last operation that failed.
    const QString &lastError() const { return m_lastError; }

signals:
    // The current row moved, or one of its values changed.
    void currentChanged();

private:
    struct Row
    {
        qint64 rowid = -1;
        std::vector<QVariant> values;
        // Which values were edited; empty while none is, which is most rows.
        std::vector<bool> changed;

        bool isChanged(int column) const { return !changed.empty() && changed[column]; }
        bool anyChanged() const { return std::find(changed.begin(), changed.end(), true) != changed.end(); }
        void markChanged(int column, int columns)
        {
            if (changed.empty())
                changed.assign(columns, false);
            changed[column] = true;
        }
        bool isNew = false;
    };

    int columnIndex(const QString &column) const;
    // Reads the rows unless they are read; firstRowOnly is enough for a look
    // at a fresh recordset's current row.
    bool ensureLoaded(bool firstRowOnly = false) const;
    bool load(bool firstRowOnly = false) const;
    bool canNarrow(const Criteria &criteria) const;
    // The SQL of the source's rows that match, in the source's order; the
    // criteria's values are added to params.
    QString matchingRows(const Criteria &criteria, std::vector<QVariant> &params) const;
    bool findBeforeReading(const Criterion &criterion);
    // The current row, reading the rows first when they are still unread;
    // rawCurrentRow does not read (an unread recordset has no row but one
    // being added).
    Row *currentRow();
    const Row *currentRow() const;
    Row *rawCurrentRow() const;
    bool matches(const Row &row, int column, const QString &value) const;
    // text() of a value of the column at that index.
    QString shopText(int column, const QVariant &stored) const;
    void rebuildVisible() const;
    bool leaveCurrentRow();
    bool storeNewRow(Row &row);
    bool storeChangedRow(Row &row);
    // Runs the row's write and reads back what it stored, both or neither.
    bool storeRow(Row &row, const QString &sql, const std::vector<QVariant> &params);
    // Reads the stored row into it; false, the row unchanged, when it
    // cannot be read.
    bool reread(Row &row);
    bool fail(const QString &message) const;
    // After a read that failed: nothing is held, and the recordset is closed.
    bool failRead(const QString &why) const;
    void moved();

    // How much of the source the recordset holds. The screens never see
    // this: a look at any row shows what reading every row would show.
    // open() holds Nothing; a look at the current row reads FirstRow (with a
    // filter, the rows it shows); a move, a count or a list reads all that
    // the filter shows; a search on Nothing or FirstRow reads FoundRow; a new
    // filter over anything but AllRows, or addNew() over rows not all read,
    // drops them (Nothing); a read that fails closes.
    enum class Held {
        Closed,
        // Open, no stored row read yet; a row being added may be held.
        Nothing,
        // As Nothing with a filter set, and standing after the last row it
        // lets through once they are read.
        NothingAfterLast,
        // The source's first row alone, read by a look at the current row.
        FirstRow,
        // The row a search found alone, read by the search itself.
        FoundRow,
        // Every row the filter lets through, chosen by the database.
        FilteredRows,
        // Every row of the source; a filter is applied here.
        AllRows,
    };
    bool holdsEveryRowShown() const { return m_held == Held::FilteredRows || m_held == Held::AllRows; }
    bool holdsCurrentRow() const
    {
        return holdsEveryRowShown() || m_held == Held::FirstRow || m_held == Held::FoundRow;
    }

    Database *m_database = nullptr;
    QString m_selectSql;
    // The values bound to the source's text; a condition added to it numbers
    // its own after these.
    std::vector<QVariant> m_params;
    QString m_baseTable;
    // Facts of the source, fixed by open(): whether rows are read only when
    // someone moves through them (tables that only grow), and whether it is
    // a whole table read in the order its rows are stored.
    bool m_readWhenMoved = false;
    bool m_inRowOrder = false;
    QStringList m_columns;
    QStringList m_declaredTypes;
    // What each column holds, as the schema lists it for the source read
    // (Text for a column it does not list); worked out once per open.
    std::vector<schema::ColumnType> m_types;
    RowRule m_rowRule;
    Criteria m_filter;
    // The rows read so far, which of them the filter shows and where the
    // current row stands among those. Rows are read when first looked at,
    // and most looks are const (value(), eof(), recordCount()): reading
    // changes how much of the source is held, never what the recordset
    // shows, so these may change under a const look. A read that fails
    // closes the recordset (Held::Closed), as a failed open does.
    mutable Held m_held = Held::Closed;
    mutable std::vector<Row> m_rows;
    mutable std::vector<int> m_visible;
    mutable int m_position = -1;
    // Set by whatever failed last, a const look that read included.
    mutable QString m_lastError;
};
