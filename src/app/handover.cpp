#include "app/handover.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "data/database.h"
#include "platform/completefile.h"

namespace handover {

namespace {
std::function<bool(Step)> g_stepHook;

QString fileName(const char *name)
{
    return QString::fromLatin1(name);
}

bool continueAfter(Step step)
{
    return !g_stepHook || g_stepHook(step);
}

// The newest kept file, for a swap that was interrupted after the old
// database had been renamed.
QString newestKeptFile()
{
    const QStringList kept = QDir().entryList({QStringLiteral("zazozu-[0-9]*-[0-9]*.db")}, QDir::Files, QDir::Name);
    return kept.isEmpty() ? QString() : kept.last();
}

SwapResult refused(const QString &why)
{
    SwapResult result;
    result.error = QStringLiteral("Die zurückgesetzte Datenbank „%1“ konnte nicht übernommen werden: %2\n"
                                  "Das Programm arbeitet mit den bisherigen Daten weiter.")
                       .arg(fileName(Database::HandOverFileName), why);
    return result;
}
} // namespace

bool prepare(QString *error)
{
    const QString templateName = fileName(Database::TemplateFileName);
    const QString target = fileName(Database::HandOverFileName);
    // The copy takes the file alone: the template must hold all its data
    // without a log beside it.
    if (!Database::settle(templateName, error))
        return false;
    QFile source(templateName);
    if (!source.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Die leere Datenbank „%1“ kann nicht gelesen werden: %2")
                         .arg(templateName, source.errorString());
        return false;
    }
    const QString notWritten = QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2");
    CompleteFile copy(target);
    if (!copy.open()) {
        if (error)
            *error = notWritten.arg(target, copy.failure());
        return false;
    }
    constexpr qint64 ChunkSize = 1 << 16;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(ChunkSize);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError) {
            if (error)
                *error = QStringLiteral("Die leere Datenbank „%1“ kann nicht gelesen werden: %2")
                             .arg(templateName, source.errorString());
            return false;
        }
        // Without commit() the temporary copy is removed and an older
        // hand-over file stays as it was.
        if (!copy.write(chunk)) {
            if (error)
                *error = notWritten.arg(target, copy.failure());
            return false;
        }
    }
    // A copy shorter than the template would be swapped in as a broken
    // database at every start.
    if (copy.size() != source.size()) {
        if (error)
            *error =
                QStringLiteral("Die leere Datenbank „%1“ konnte nicht vollständig gelesen werden.").arg(templateName);
        return false;
    }
    if (!copy.commit()) {
        if (error)
            *error = notWritten.arg(target, copy.failure());
        return false;
    }
    return true;
}

QString keptFileName(const QDateTime &swapTime)
{
    return QStringLiteral("zazozu-%1.db").arg(swapTime.toString(QStringLiteral("yyyyMMdd-hhmmss")));
}

SwapResult completePending(const QDateTime &swapTime)
{
    const QString handOver = fileName(Database::HandOverFileName);
    const QString database = fileName(Database::FileName);
    if (!QFile::exists(handOver))
        return {};

    QString why;
    const bool oldPresent = QFile::exists(database);
    if ((oldPresent && !Database::settle(database, &why)) || !Database::settle(handOver, &why))
        return refused(why);
    if (!continueAfter(Step::Settled))
        return {};

    SwapResult result;
    if (oldPresent) {
        result.keptFile = keptFileName(swapTime);
        if (QFile::exists(result.keptFile))
            return refused(QStringLiteral("die Datei „%1“ besteht bereits.").arg(result.keptFile));
        if (!QFile::rename(database, result.keptFile))
            return refused(
                QStringLiteral("die bisherige Datenbank kann nicht in „%1“ umbenannt werden.").arg(result.keptFile));
        if (!continueAfter(Step::OldKept))
            return {};
    } else {
        // An earlier start was stopped after it had kept the old database.
        result.keptFile = newestKeptFile();
    }

    if (!QFile::rename(handOver, database)) {
        // The old database goes back under its name: the program works on.
        if (oldPresent)
            QFile::rename(result.keptFile, database);
        return refused(QStringLiteral("die Datei kann nicht umbenannt werden."));
    }
    result.swapped = true;
    return result;
}

void setStepHook(std::function<bool(Step)> hook)
{
    g_stepHook = std::move(hook);
}

QString swapMessage(const SwapResult &result)
{
    if (!result.error.isEmpty())
        return result.error;
    if (!result.swapped)
        return {};
    const QString done = QStringLiteral("Die Daten wurden zurückgesetzt: das Programm arbeitet mit einer leeren "
                                        "Datenbank.");
    if (result.keptFile.isEmpty())
        return done;
    return done + QStringLiteral("\nDie bisherigen Daten liegen in der Datei „%1“ im Ordner „%2“.")
                      .arg(result.keptFile, QDir::toNativeSeparators(QDir::currentPath()));
}

} // namespace handover
