#include "till/customerlists.h"

#include <QCoreApplication>

#include "data/database.h"
#include "data/recordset.h"

CustomerLists &CustomerLists::current(Recordset &customers)
{
    static CustomerLists *lists = new CustomerLists(QCoreApplication::instance());
    // Storing an edit left on the customers happens here, before the
    // changes are counted.
    customers.clearFilter();
    const Database *database = Database::current();
    const quint64 changes = database ? database->changesTo(QStringLiteral("Customer")) : 0;
    const QString path = database ? database->path() : QString();
    if (!lists->m_filled || lists->m_databasePath != path || lists->m_changes != changes) {
        lists->fill(customers);
        lists->m_databasePath = path;
        lists->m_changes = changes;
    }
    // After its last row, as reading it row by row leaves it.
    customers.moveAfterLast();
    return *lists;
}

void CustomerLists::fill(Recordset &customers)
{
    beginResetModel();
    m_names = customers.texts(QStringLiteral("Customername"));
    m_ids = customers.texts(QStringLiteral("CustomerID"));
    m_entryOfId.clear();
    for (int i = static_cast<int>(m_ids.size()) - 1; i >= 0; --i)
        m_entryOfId.insert(m_ids[i], i);
    m_filled = customers.isOpen();
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
