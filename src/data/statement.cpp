#include "data/statement.h"

#include <sqlcipher/sqlite3.h>

#include <QDate>

Statement::Statement(sqlite3 *connection, const QString &sql)
{
    // On failure SQLite may still hand back a statement; it is finalized here.
    if (sqlite3_prepare_v2(connection, sql.toUtf8().constData(), -1, &m_handle, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_handle);
        m_handle = nullptr;
    }
}

Statement::~Statement()
{
    sqlite3_finalize(m_handle);
}

bool Statement::bind(const std::vector<QVariant> &params)
{
    int index = 1;
    for (const QVariant &value : params) {
        int rc = SQLITE_OK;
        if (!value.isValid() || value.isNull()) {
            rc = sqlite3_bind_null(m_handle, index);
        } else {
            switch (value.typeId()) {
            case QMetaType::Bool:
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::Long:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
                rc = sqlite3_bind_int64(m_handle, index, value.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(m_handle, index, value.toDouble());
                break;
            case QMetaType::QDate:
                // Dates are kept as "yyyy-MM-dd" text, whose order is date order.
                rc = sqlite3_bind_text(m_handle, index, value.toDate().toString(Qt::ISODate).toUtf8().constData(), -1,
                                       SQLITE_TRANSIENT);
                break;
            default:
                // SQLITE_TRANSIENT: SQLite copies the bytes, which die with
                // the temporary they came from.
                rc = sqlite3_bind_text(m_handle, index, value.toString().toUtf8().constData(), -1, SQLITE_TRANSIENT);
            }
        }
        if (rc != SQLITE_OK)
            return false;
        ++index;
    }
    return true;
}

int Statement::step()
{
    return sqlite3_step(m_handle);
}

void Statement::reset()
{
    sqlite3_reset(m_handle);
    sqlite3_clear_bindings(m_handle);
}
