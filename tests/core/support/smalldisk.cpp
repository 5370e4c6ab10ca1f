#include "smalldisk.h"

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFile>

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

bool mountTmpfs(const QString &folder, qint64 bytes, unsigned long flags)
{
    // A size of 0 would mean no limit at all.
    const QByteArray options = "size=" + QByteArray::number(std::max<qint64>(bytes, 1));
    return ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", flags, options.constData()) == 0;
}

} // namespace

SmallDisk::SmallDisk(const QString &folder, qint64 bytes) : m_folder(folder)
{
    QDir().mkpath(folder);
    m_mounted = mountTmpfs(folder, bytes, 0);
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
    return mountTmpfs(m_folder, used + freePages * page, MS_REMOUNT);
}
