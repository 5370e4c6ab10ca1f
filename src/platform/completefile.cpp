#include "platform/completefile.h"

#include <cerrno>

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CompleteFile::CompleteFile(const QString &path) : m_file(path), m_path(path) {}

bool CompleteFile::open()
{
    // Unbuffered: a write that does not reach the disk fails there and then,
    // and never later in a flush whose failure QSaveFile forgets.
    errno = 0;
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return true;
    return fail(errno);
}

bool CompleteFile::write(const QByteArray &bytes)
{
    if (!m_failure.isEmpty())
        return false;
    qint64 done = 0;
    // A full disk may take part of the bytes; writing the rest then says why.
    while (done < bytes.size()) {
        errno = 0;
        const qint64 written = m_file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return fail(m_file.error() == QFileDevice::ResourceError ? ENOSPC : errno);
        done += written;
        m_written += written;
    }
    return true;
}

bool CompleteFile::commit()
{
    if (!m_failure.isEmpty() || !m_file.isOpen())
        return false;
    errno = 0;
    if (!m_file.flush())
        return fail(m_file.error() == QFileDevice::ResourceError ? ENOSPC : errno);
    // A disk that allocates late refuses the bytes only here.
    if (::fsync(m_file.handle()) != 0)
        return fail(errno);
    struct stat written = {};
    if (::fstat(m_file.handle(), &written) != 0)
        return fail(errno);
    if (written.st_size != m_written)
        return fail(EIO);
    errno = 0;
    if (!m_file.commit()) {
        const int why = errno;
        m_failure = filesystem::reasonOf(why);
        return false;
    }
    if (!filesystem::syncFolder(QFileInfo(m_path).absolutePath()))
        m_failure = filesystem::reasonOf(errno);
    return m_failure.isEmpty();
}

bool CompleteFile::fail(int errorNumber)
{
    m_failure = filesystem::reasonOf(errorNumber);
    // Removes the temporary file at once: on a full disk its space is needed.
    if (m_file.isOpen()) {
        m_file.cancelWriting();
        m_file.commit();
    }
    return false;
}

namespace filesystem {

bool syncFolder(const QString &folder)
{
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return false;
    const bool synced = ::fsync(handle) == 0;
    const int why = errno;
    ::close(handle);
    errno = why;
    return synced;
}

} // namespace filesystem
