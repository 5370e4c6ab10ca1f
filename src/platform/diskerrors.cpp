#include "platform/diskerrors.h"

#include <cerrno>

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString diskProblem(int systemError, const QString &file)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(file).absolutePath());
    switch (systemError) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Datenträger voll: auf dem Datenträger des Ordners „%1“ ist kein Platz mehr frei.")
            .arg(folder);
    case EROFS:
    case EACCES:
    case EPERM:
        // A folder that takes new files but refuses this one: the file
        // itself is protected.
        if (systemError != EROFS && ::access(QFile::encodeName(folder).constData(), W_OK) == 0)
            return QStringLiteral("Datei schreibgeschützt: das Programm darf die Datei „%1“ oder die Dateien "
                                  "gleichen Namens daneben nicht ändern.")
                .arg(QDir::toNativeSeparators(file));
        return QStringLiteral("Ordner schreibgeschützt: im Ordner „%1“ dürfen keine Dateien angelegt oder geändert "
                              "werden.")
            .arg(folder);
    default:
        return {};
    }
}

namespace filesystem {

QString reasonOf(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Datenträger voll");
    case EROFS:
        return QStringLiteral("Datenträger schreibgeschützt");
    case EACCES:
    case EPERM:
        return QStringLiteral("keine Schreibrechte");
    case EFBIG:
        return QStringLiteral("Datei zu groß für den Datenträger");
    case ENOENT:
        return QStringLiteral("Ordner nicht gefunden");
    case EIO:
        return QStringLiteral("Schreibfehler des Datenträgers");
    default:
        return QStringLiteral("Schreibfehler (Fehlernummer %1)").arg(errorNumber);
    }
}

} // namespace filesystem
