#include "app/folderlock.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "platform/diskerrors.h"

FolderLock::~FolderLock()
{
    // The file stays: removing it would let a program that opened it just
    // before lock a file nobody else sees any more.
    ::close(m_descriptor);
}

std::unique_ptr<FolderLock> FolderLock::take(QString *error)
{
    const QString name = QString::fromLatin1(FileName);
    const QString folder = QDir::toNativeSeparators(QDir::currentPath());
    const auto refuse = [&](const QString &why) -> std::unique_ptr<FolderLock> {
        if (error)
            *error = why;
        return nullptr;
    };
    const QByteArray path = QFile::encodeName(name);
    int descriptor = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    int why = errno;
    // A lock file made by an earlier run also locks when it can only be read:
    // the folder's own problem is then reported when the database opens.
    if (descriptor < 0 && (why == EACCES || why == EROFS))
        descriptor = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        const QString problem = diskProblem(why, QDir::current().absoluteFilePath(name));
        return refuse(QStringLiteral("Das Programm kann im Ordner „%1“ nicht starten: %2")
                          .arg(folder, problem.isEmpty() ? QString::fromLocal8Bit(strerror(why)) : problem));
    }
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        why = errno;
        ::close(descriptor);
        if (why == EWOULDBLOCK)
            return refuse(QStringLiteral("Das Programm läuft bereits in diesem Ordner („%1“). Bitte arbeiten Sie "
                                         "mit dem Fenster des laufenden Programms weiter.")
                              .arg(folder));
        return refuse(QStringLiteral("Das Programm kann im Ordner „%1“ nicht starten: die Sperrdatei „%2“ lässt "
                                     "sich nicht sperren (%3).")
                          .arg(folder, name, QString::fromLocal8Bit(strerror(why))));
    }
    return std::unique_ptr<FolderLock>(new FolderLock(descriptor));
}
