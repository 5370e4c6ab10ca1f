#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

class Database;

// The payment dialog's two lists of customers, names (column 0) and ids
// (column 1) entry for entry, in the table's order. They are kept for the
// whole run and made again only when the customers changed since: a shop
// with 10^4 customers does not build them at every "Kasse".
class CustomerLists : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The lists of the run, up to date with the database's customers; empty
    // without a database or when it cannot be read.
    static CustomerLists &current(Database *database);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The first entry with that id, -1 if none.
    int entryOfId(const QString &id) const { return m_entryOfId.value(id, -1); }

private:
    using QAbstractTableModel::QAbstractTableModel;
    void fill(Database *database);

    QStringList m_names;
    QStringList m_ids;
    QHash<QString, int> m_entryOfId;
    // The database file and its connection's count of changes to the
    // customers when filled.
    QString m_databasePath;
    quint64 m_changes = 0;
    bool m_filled = false;
};
