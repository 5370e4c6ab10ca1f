#include "app/handover.h"

#include <filesystem>
#include <system_error>

#include <QFile>
#include <QSaveFile>

#include "data/database.h"

namespace handover {

namespace {
QString fileName(const char *name)
{
    return QString::fromLatin1(name);
}

// SQLite keeps these beside the database while it writes; after a crash they
// hold changes that belong to the file they were written for.
const char *const JournalSuffixes[] = {"-journal", "-wal", "-shm"};
} // namespace

bool prepare(QString *error)
{
    const QString templateName = fileName(Database::TemplateFileName);
    const QString target = fileName(Database::HandOverFileName);
    QFile source(templateName);
    if (!source.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Die leere Datenbank „%1“ kann nicht gelesen werden: %2")
                         .arg(templateName, source.errorString());
        return false;
    }
    QSaveFile copy(target);
    if (!copy.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2").arg(target, copy.errorString());
        return false;
    }
    constexpr qint64 ChunkSize = 1 << 16;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(ChunkSize);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError)
            break;
        if (copy.write(chunk) != chunk.size())
            break;
    }
    // Without commit() the temporary file is removed and the target stays as
    // it was.
    if (source.error() != QFileDevice::NoError || copy.error() != QFileDevice::NoError || !copy.commit()) {
        if (error)
            *error = QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2")
                         .arg(target, copy.errorString().isEmpty() ? source.errorString() : copy.errorString());
        return false;
    }
    return true;
}

SwapResult completePending()
{
    SwapResult result;
    const QString handOver = fileName(Database::HandOverFileName);
    const QString database = fileName(Database::FileName);
    if (!QFile::exists(handOver))
        return result;

    std::error_code failure;
    // rename() replaces the old file in one step: at every moment there is
    // one complete database under the name.
    std::filesystem::rename(QFile::encodeName(handOver).toStdString(), QFile::encodeName(database).toStdString(),
                            failure);
    if (failure) {
        result.error = QStringLiteral("Die zurückgesetzte Datenbank „%1“ konnte nicht übernommen werden (%2).\n"
                                      "Das Programm arbeitet mit den bisherigen Daten weiter.")
                           .arg(handOver, QString::fromLocal8Bit(failure.message().c_str()));
        return result;
    }
    result.swapped = true;
    for (const char *suffix : JournalSuffixes) {
        const QString journal = database + QLatin1String(suffix);
        if (QFile::exists(journal) && !QFile::remove(journal))
            result.error = QStringLiteral("Die alte Datei „%1“ konnte nicht entfernt werden. Bitte beenden Sie das "
                                          "Programm und löschen Sie die Datei, bevor Sie weiterarbeiten.")
                               .arg(journal);
    }
    return result;
}

} // namespace handover
