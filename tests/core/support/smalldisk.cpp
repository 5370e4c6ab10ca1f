#include "smalldisk.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFile>

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// A limit on the number of entries can be changed later only when the disk
// had one from the start.
constexpr auto EntryLimit = "nr_inodes=100000";

bool mountTmpfs(const QString &folder, const QByteArray &options, unsigned long flags)
{
    return ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", flags, options.constData()) == 0;
}

// A size of 0 would mean no limit at all.
QByteArray sizeOption(qint64 bytes)
{
    return "size=" + QByteArray::number(std::max<qint64>(bytes, 1));
}

} // namespace

SmallDisk::SmallDisk(const QString &folder, qint64 bytes) : m_folder(folder)
{
    QDir().mkpath(folder);
    m_mounted = mountTmpfs(folder, sizeOption(bytes) + ',' + EntryLimit, 0);
    if (!m_mounted)
        m_why = QStringLiteral("a small disk cannot be mounted here (needs root): %1")
                    .arg(QString::fromLocal8Bit(std::strerror(errno)));
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
}

bool SmallDisk::leaveFree(qint64 bytes)
{
    struct statvfs disk = {};
    if (!m_mounted || ::statvfs(QFile::encodeName(m_folder).constData(), &disk) != 0)
        return false;
    const qint64 page = static_cast<qint64>(disk.f_frsize);
    const qint64 used = static_cast<qint64>(disk.f_blocks - disk.f_bfree) * page;
    const qint64 freePages = (bytes + page - 1) / page;
    // An empty disk cannot be made smaller than a page: a page of filler
    // makes room for "no byte free".
    if (used == 0 && freePages == 0) {
        QFile filler(QDir(m_folder).filePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly) || filler.write(QByteArray(page, 'x')) != page || !filler.flush())
            return false;
        filler.close();
        return leaveFree(0);
    }
    return mountTmpfs(m_folder, sizeOption(used + freePages * page), MS_REMOUNT);
}

bool SmallDisk::leaveNoNewEntries()
{
    struct statvfs disk = {};
    if (!m_mounted || ::statvfs(QFile::encodeName(m_folder).constData(), &disk) != 0)
        return false;
    return mountTmpfs(m_folder, "nr_inodes=" + QByteArray::number(qint64(disk.f_files - disk.f_ffree)), MS_REMOUNT);
}

bool SmallDisk::writeProtect(bool on)
{
    return m_mounted && mountTmpfs(m_folder, {}, MS_REMOUNT | (on ? MS_RDONLY : 0));
}
