#pragma once

#include <memory>

#include <QString>

// One program per data folder: a second program in the same folder would open
// the running till's database, and closing it again could remove the log the
// running till still writes. The lock lies on a file of its own beside the
// database (a lock on a database file would be dropped by any close() of that
// file in the process, SQLite's own included). The operating system releases
// it when the program ends in any way, so a crashed till never blocks the
// next start.
class FolderLock
{
public:
    static constexpr auto FileName = "zazozu.lock";

    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // Takes the lock of the working folder. Nothing and a German message when
    // another program holds it or the folder does not let the lock file be
    // made.
    static std::unique_ptr<FolderLock> take(QString *error);

private:
    explicit FolderLock(int descriptor) : m_descriptor(descriptor) {}
    int m_descriptor = -1;
};
