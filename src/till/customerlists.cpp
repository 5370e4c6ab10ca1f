#include "till/customerlists.h"

#include <QCoreApplication>

#include "data/database.h"

CustomerLists &CustomerLists::current(Database *database)
{
    static CustomerLists *lists = new CustomerLists(QCoreApplication::instance());
    const quint64 changes = database ? database->changesTo(QStringLiteral("Customer")) : 0;
    const QString path = database ? database->path() : QString();
    if (!lists->m_filled || lists->m_databasePath != path || lists->m_changes != changes) {
        lists->fill(database);
        lists->m_databasePath = path;
        lists->m_changes = changes;
    }
    return *lists;
}

void CustomerLists::fill(Database *database)
{
    beginResetModel();
    m_names.clear();
    m_ids.clear();
    m_entryOfId.clear();
    const auto customers =
        database ? database->select(QStringLiteral("SELECT Customername, CustomerID FROM Customer ORDER BY rowid"))
                 : std::nullopt;
    m_filled = customers.has_value();
    if (customers) {
        for (const std::vector<QVariant> &customer : customers->values) {
            m_names << customer[0].toString();
            m_ids << customer[1].toString();
        }
    }
    for (int i = static_cast<int>(m_ids.size()) - 1; i >= 0; --i)
        m_entryOfId.insert(m_ids[i], i);
    endResetModel();
}

int CustomerLists::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_names.size());
}

int CustomerLists::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant CustomerLists::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return (index.column() == 0 ? m_names : m_ids).value(index.row());
}
