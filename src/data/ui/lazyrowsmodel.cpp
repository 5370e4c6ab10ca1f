#include "data/ui/lazyrowsmodel.h"

#include <algorithm>

#include <QHash>

#include "data/database.h"
#include "data/recordset.h"

LazyRowsModel::LazyRowsModel(std::vector<Column> columns, int keyColumn, bool keepRead, QObject *parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns)), m_keyColumn(keyColumn), m_keepRead(keepRead)
{
}

LazyRowsModel::ReadRows LazyRowsModel::readFrom(const QString &source, const QString &keyColumn,
                                                const QStringList &columns)
{
    return [source, keyColumn, columns](const QStringList &keys) {
        QStringList marks;
        std::vector<QVariant> params;
        for (const QString &key : keys) {
            params.push_back(key);
            marks << QStringLiteral("?%1").arg(params.size());
        }
        Recordset rows;
        if (!rows.open(Database::current(),
                       QStringLiteral("SELECT * FROM %1 WHERE %2 IN (%3)")
                           .arg(quoteName(source), quoteName(keyColumn), marks.join(u',')),
                       true, params))
            return std::vector<QStringList>{};
        return rows.rowTexts(columns);
    };
}

void LazyRowsModel::setRows(QStringList keys, ReadRows read)
{
    beginResetModel();
    m_keys = std::move(keys);
    m_read = std::move(read);
    m_blocks.clear();
    m_blockOrder.clear();
    m_changed.clear();
    endResetModel();
}

int LazyRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_keys.size());
}

int LazyRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

const std::vector<QStringList> &LazyRowsModel::block(int first) const
{
    const auto kept = m_blocks.find(first);
    if (kept != m_blocks.end())
        return kept->second;
    const QStringList keys = m_keys.mid(first, BlockRows);
    std::vector<QStringList> read = m_read ? m_read(keys) : std::vector<QStringList>{};
    // The rows come in any order, and a row deleted meanwhile not at all: each
    // goes to the line of its key, a missing one shows its key alone.
    QHash<QString, qsizetype> byKey;
    for (std::size_t i = 0; i < read.size(); ++i)
        if (m_keyColumn < read[i].size())
            byKey.insert(read[i][m_keyColumn], static_cast<qsizetype>(i));
    std::vector<QStringList> rows;
    rows.reserve(static_cast<std::size_t>(keys.size()));
    for (const QString &key : keys) {
        const auto at = byKey.constFind(key);
        if (at != byKey.constEnd()) {
            rows.push_back(read[static_cast<std::size_t>(*at)]);
        } else {
            QStringList missing(static_cast<qsizetype>(m_columns.size()));
            missing[m_keyColumn] = key;
            rows.push_back(missing);
        }
    }
    if (!m_keepRead && m_blocks.size() >= BlocksKept) {
        m_blocks.erase(m_blockOrder.front());
        m_blockOrder.erase(m_blockOrder.begin());
    }
    m_blockOrder.push_back(first);
    return m_blocks[first] = std::move(rows);
}

QString LazyRowsModel::text(int row, int column) const
{
    if (row < 0 || row >= m_keys.size() || column < 0 || column >= static_cast<int>(m_columns.size()))
        return {};
    const auto changed = m_changed.find({row, column});
    if (changed != m_changed.end())
        return changed->second;
    const auto &rows = block(row - row % BlockRows);
    return rows[static_cast<std::size_t>(row % BlockRows)].value(column);
}

QVariant LazyRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns[static_cast<std::size_t>(index.column())].alignment | Qt::AlignVCenter);
    return {};
}

QVariant LazyRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(m_columns.size()))
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[static_cast<std::size_t>(section)].head;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns[static_cast<std::size_t>(section)].alignment | Qt::AlignVCenter);
    return {};
}

int LazyRowsModel::rowOfKey(const QString &key) const
{
    return static_cast<int>(m_keys.indexOf(key));
}

void LazyRowsModel::setText(int row, int column, const QString &text)
{
    if (row < 0 || row >= m_keys.size())
        return;
    m_changed[{row, column}] = text;
    emit dataChanged(index(row, column), index(row, column));
}
