#pragma once

#include <QString>

// A file system of its own (tmpfs) mounted on a folder, for tests of what the
// program does when the disk is full: a test fills it with what it needs,
// then leaves it only so many bytes free. Mounting needs root; where it is
// not allowed, isMounted() is false and why() says so, for GTEST_SKIP.
class SmallDisk
{
public:
    // Creates the folder and mounts a disk of the given size on it.
    SmallDisk(const QString &folder, qint64 bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool isMounted() const { return m_mounted; }
    QString why() const { return m_why; }
    const QString &path() const { return m_folder; }

    // Shrinks or grows the disk so that, beside what it holds now, it takes
    // only about this many more bytes (whole pages).
    bool leaveFree(qint64 bytes);
    // Lets the disk hold no more files or folders than it holds now.
    bool leaveNoNewEntries();
    // Makes the disk read-only, or writable again.
    bool writeProtect(bool on);

private:
    QString m_folder;
    bool m_mounted = false;
    QString m_why;
};
