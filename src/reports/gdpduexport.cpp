#include "reports/gdpduexport.h"

#include <memory>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include "data/database.h"
#include "platform/clock.h"

namespace gdpdu {

namespace {

// Where the files of an export are written before any of them is put into
// the chosen folder: inside it, so that moving them there is a rename on the
// same disk and needs no more rights than writing there.
constexpr auto StagingPattern = ".gdpdu-export-XXXXXX";
// In the staging folder: the files of an earlier export that the new one
// replaces, kept until the new files are all in place.
constexpr auto EarlierExportFolder = "earlier";

bool writeWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.").arg(path);
    return false;
}

ExportResult failed(const QString &error)
{
    return {false, error, {}};
}

// After the export began: the user learns that the folder is as it was.
ExportResult abandoned(const QString &error)
{
    return failed(error + QStringLiteral("\nDer Export wurde abgebrochen; der Ordner ist unverändert."));
}

// Moves the written files from the staging folder into the folder, each
// replacing a file of an earlier export. When one cannot be put there, the
// files moved so far are taken out again and the earlier ones put back, so
// that the folder holds either the whole new export or what it held before.
bool moveIntoPlace(const QString &staging, const QString &folder, const QStringList &names, QString *error)
{
    const QDir from(staging);
    const QDir to(folder);
    const QString earlier = from.filePath(QString::fromLatin1(EarlierExportFolder));
    QDir().mkpath(earlier);
    struct Moved
    {
        QString name;
        bool replacedEarlier = false;
    };
    std::vector<Moved> moved;
    for (const QString &name : names) {
        const QString target = to.filePath(name);
        const QFileInfo existing(target);
        Moved step{name, false};
        bool ok = true;
        if (existing.exists() || existing.isSymLink()) {
            // Only a plain file of an earlier export is replaced; anything
            // else of that name is the user's and stays where it is.
            ok = existing.isFile() && !existing.isSymLink() && QDir().rename(target, QDir(earlier).filePath(name));
            step.replacedEarlier = ok;
        }
        if (ok && QDir().rename(from.filePath(name), target)) {
            moved.push_back(step);
            continue;
        }
        if (step.replacedEarlier)
            QDir().rename(QDir(earlier).filePath(name), target);
        for (auto undo = moved.rbegin(); undo != moved.rend(); ++undo) {
            QFile::remove(to.filePath(undo->name));
            if (undo->replacedEarlier)
                QDir().rename(QDir(earlier).filePath(undo->name), to.filePath(undo->name));
        }
        *error = QStringLiteral("Die Datei „%1“ konnte nicht angelegt werden.").arg(target);
        return false;
    }
    return true;
}

} // namespace

ExportResult exportDatabase(const QString &databasePath, const QString &folder, DataSupplier supplier,
                            const ProgressHandler &progress)
{
    const QFileInfo target(folder);
    const QString unusableFolder = QStringLiteral("In den Ordner „%1“ kann nicht geschrieben werden. "
                                                  "Bitte einen anderen Ordner wählen.")
                                       .arg(QDir::toNativeSeparators(folder));
    if (folder.isEmpty() || !target.isDir() || !target.isWritable())
        return failed(unusableFolder);

    QString error;
    const std::unique_ptr<Database> database = Database::open(databasePath, &error);
    if (!database)
        return failed(error);
    // Removed with everything still in it when the export ends, whatever way.
    const QTemporaryDir staging(QDir(folder).filePath(QString::fromLatin1(StagingPattern)));
    if (!staging.isValid())
        return failed(unusableFolder);

    const QStringList tableNames = database->tableNames();
    const int steps = static_cast<int>(tableNames.size()) + 1;
    std::vector<TableFile> tables;
    QStringList names;
    for (const QString &name : tableNames) {
        if (progress)
            progress(static_cast<int>(tables.size()), steps, QStringLiteral("Tabelle %1").arg(name));
        std::optional<TableFile> table = describeTable(*database, name, &error);
        if (!table || !writeTableCsv(*database, staging.path(), *table, &error))
            return abandoned(error);
        names << table->fileName;
        tables.push_back(std::move(*table));
    }

    if (progress)
        progress(steps - 1, steps, QString::fromLatin1(IndexFileName));
    supplier.comment = periodComment(tables, currentClock().now().date());
    const QDir dir(staging.path());
    if (!writeWhole(dir.filePath(QString::fromLatin1(IndexFileName)), indexXml(supplier, tables), &error) ||
        !writeWhole(dir.filePath(QString::fromLatin1(DtdFileName)), documentTypeDefinition(), &error))
        return abandoned(error);
    names << QString::fromLatin1(IndexFileName) << QString::fromLatin1(DtdFileName);
    if (!moveIntoPlace(staging.path(), folder, names, &error))
        return abandoned(error);

    QStringList files;
    for (const QString &name : names)
        files << QDir(folder).filePath(name);
    if (progress)
        progress(steps, steps, {});
    return {true, {}, files};
}

} // namespace gdpdu
