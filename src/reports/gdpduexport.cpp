#include "reports/gdpduexport.h"

#include <memory>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "data/database.h"

namespace gdpdu {

namespace {

bool writeWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.").arg(path);
    return false;
}

ExportResult failed(const QString &error, const QStringList &files)
{
    return {false, error, files};
}

} // namespace

ExportResult exportDatabase(const QString &databasePath, const QString &folder, DataSupplier supplier,
                            const ProgressHandler &progress)
{
    const QFileInfo target(folder);
    if (folder.isEmpty() || !target.isDir() || !target.isWritable())
        return failed(QStringLiteral("In den Ordner „%1“ kann nicht geschrieben werden. "
                                     "Bitte einen anderen Ordner wählen.")
                          .arg(QDir::toNativeSeparators(folder)),
                      {});

    QString error;
    const std::unique_ptr<Database> database = Database::open(databasePath, &error);
    if (!database)
        return failed(error, {});

    const QStringList tableNames = database->tableNames();
    const int steps = static_cast<int>(tableNames.size()) + 1;
    const QDir dir(folder);
    std::vector<TableFile> tables;
    QStringList files;
    for (const QString &name : tableNames) {
        if (progress)
            progress(static_cast<int>(tables.size()), steps, QStringLiteral("Tabelle %1").arg(name));
        std::optional<TableFile> table = describeTable(*database, name, &error);
        if (!table || !writeTableCsv(*database, folder, *table, &error))
            return failed(error, files);
        files << dir.filePath(table->fileName);
        tables.push_back(std::move(*table));
    }

    if (progress)
        progress(steps - 1, steps, QString::fromLatin1(IndexFileName));
    supplier.comment = periodComment(tables, QDate::currentDate());
    const QString index = dir.filePath(QString::fromLatin1(IndexFileName));
    const QString dtd = dir.filePath(QString::fromLatin1(DtdFileName));
    if (!writeWhole(index, indexXml(supplier, tables), &error))
        return failed(error, files);
    files << index;
    if (!writeWhole(dtd, documentTypeDefinition(), &error))
        return failed(error, files);
    files << dtd;
    if (progress)
        progress(steps, steps, {});
    return {true, {}, files};
}

} // namespace gdpdu
