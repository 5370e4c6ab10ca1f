#include "rawconnection.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>

RawConnection::RawConnection(const QString &path)
{
    sqlite3_open_v2(QFile::encodeName(path).constData(), &m_handle, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                    nullptr);
    exec(QStringLiteral("PRAGMA key = 'k4wr88zmqdelrunp31'"));
}

RawConnection::~RawConnection()
{
    sqlite3_close(m_handle);
}

bool RawConnection::exec(const QString &sql)
{
    return sqlite3_exec(m_handle, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

QString RawConnection::error() const
{
    return QString::fromUtf8(sqlite3_errmsg(m_handle));
}
