#pragma once

#include <functional>
#include <map>
#include <vector>

#include <QAbstractTableModel>
#include <QStringList>

// The lines of a long list (the stock list, the product editor's list) for a
// view: which rows it shows is known from their keys, read when the list is
// filled; the texts of a row are read, a block of rows at a time, when the
// view first paints or asks for it, and only the blocks looked at lately are
// kept. A list of 10^5 products so holds its keys, not its lines.
class LazyRowsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The texts of the rows with these keys, each with as many texts as the
    // list has columns; a key without a row may be left out.
    using ReadRows = std::function<std::vector<QStringList>(const QStringList &keys)>;

    struct Column
    {
        QString head;
        Qt::Alignment alignment;
    };

    // With keepRead, rows once read stay as read until setRows(), for a list
    // that shows what was there when it was filled: read the row an edit
    // will change first (readRow), and the list goes on showing it as it was.
    LazyRowsModel(std::vector<Column> columns, int keyColumn, bool keepRead = false, QObject *parent = nullptr);

    // Shows these rows, in this order, forgetting every text read before.
    void setRows(QStringList keys, ReadRows read);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    QString text(int row, int column) const;
    // The first row with that key, -1 if none.
    int rowOfKey(const QString &key) const;
    // Shows a text other than the one stored in a cell, until setRows().
    void setText(int row, int column, const QString &text);
    void readRow(int row) const { text(row, 0); }

    // A ReadRows for the columns of a table or record source, found by their
    // key column: the texts as a recordset on the source shows them.
    static ReadRows readFrom(const QString &source, const QString &keyColumn, const QStringList &columns);

private:
    static constexpr int BlockRows = 64;
    static constexpr std::size_t BlocksKept = 48;
    const std::vector<QStringList> &block(int first) const;

    std::vector<Column> m_columns;
    int m_keyColumn;
    bool m_keepRead;
    QStringList m_keys;
    ReadRows m_read;
    mutable std::map<int, std::vector<QStringList>> m_blocks;
    mutable std::vector<int> m_blockOrder; // oldest first
    std::map<std::pair<int, int>, QString> m_changed;
};
