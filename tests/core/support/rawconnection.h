#pragma once

#include <QString>

struct sqlite3;

// A connection to a database file as another program opens it: with the
// shop's password, but nothing of the program's own opening (no schema
// upgrade, no journal mode). Tests use it to write files of older program
// versions and to hold locks the program has to wait for.
class RawConnection
{
public:
    explicit RawConnection(const QString &path);
    ~RawConnection();
    RawConnection(const RawConnection &) = delete;
    RawConnection &operator=(const RawConnection &) = delete;

    // Runs statements; false (and the reason in error()) when refused.
    bool exec(const QString &sql);
    QString error() const;

private:
    sqlite3 *m_handle = nullptr;
};
