#include "reports/gdpduexport.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "data/database.h"
#include "platform/clock.h"
#include "platform/completefile.h"

namespace gdpdu {

namespace {

// Where the files of an export are written before any of them is put into
// the chosen folder: inside it, so that moving them there is a rename on the
// same disk and needs no more rights than writing there.
constexpr auto StagingPattern = ".gdpdu-export-XXXXXX";
// In the staging folder: the files of an earlier export that the new one
// replaces, kept until the new files are all in place.
constexpr auto EarlierExportFolder = "earlier";

std::function<bool()> g_stepHook;

bool writeWhole(const QString &staging, const QString &name, const QByteArray &bytes, const QString &shownFolder,
                QString *error)
{
    CompleteFile file(QDir(staging).filePath(name));
    if (file.open() && file.write(bytes) && file.commit())
        return true;
    *error = notWrittenMessage(name, shownFolder, file.failure());
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

bool renamed(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Puts the written files from the staging folder into the folder, each
// replacing a file of an earlier export. An index.xml tells an auditor that
// the files it names are there and belong together, so the earlier one is
// taken out before any file of its set is touched and the new one is put in
// after every file it names: a program stopped at any point leaves either
// the earlier set whole or no index.xml at all. The folder is synced at both
// points, so that a power cut keeps that order. When a file cannot be put
// there, every step is undone in reverse order, the earlier index.xml last.
class SetMover
{
public:
    SetMover(const QString &staging, const QString &folder)
        : m_from(staging), m_to(folder), m_earlier(m_from.filePath(QString::fromLatin1(EarlierExportFolder)))
    {
    }

    // Failed leaves the folder as it was; Broken could not put every file of
    // the earlier export back (and so left its index.xml out).
    enum class Outcome { Placed, Failed, Broken, Stopped };

    // names: every file of the set, index.xml among them.
    Outcome place(const QStringList &names, QString *error)
    {
        const QString index = QString::fromLatin1(IndexFileName);
        for (const QString &name : names) {
            // Only a plain file of an earlier export is replaced; anything
            // else of that name is the user's and stays where it is.
            const QFileInfo existing(m_to.filePath(name));
            if ((existing.exists() || existing.isSymLink()) && (!existing.isFile() || existing.isSymLink())) {
                *error = cannotPlace(name);
                return Outcome::Failed;
            }
        }
        if (!QDir().mkpath(m_earlier.path())) {
            *error = cannotPlace(index);
            return Outcome::Failed;
        }
        Outcome outcome = takeAside(index, error);
        if (outcome == Outcome::Placed)
            outcome = synced(error);
        for (const QString &name : names) {
            if (name == index)
                continue;
            if (outcome == Outcome::Placed)
                outcome = takeAside(name, error);
            if (outcome == Outcome::Placed)
                outcome = putInPlace(name, error);
        }
        if (outcome == Outcome::Placed)
            outcome = synced(error);
        if (outcome == Outcome::Placed)
            outcome = putInPlace(index, error);
        if (outcome == Outcome::Placed)
            outcome = synced(error);
        if (outcome == Outcome::Failed && !undo())
            return Outcome::Broken;
        return outcome;
    }

private:
    struct Step
    {
        QString name;
        bool earlierTakenAside = false;
        bool newPlaced = false;
    };

    QString cannotPlace(const QString &name) const
    {
        return QStringLiteral("Die Datei „%1“ konnte nicht angelegt werden.").arg(m_to.filePath(name));
    }

    // After each change to the folder a test may stop the export there.
    Outcome changed() { return !g_stepHook || g_stepHook() ? Outcome::Placed : Outcome::Stopped; }

    Outcome takeAside(const QString &name, QString *error)
    {
        m_steps.push_back({name, false, false});
        if (!QFileInfo::exists(m_to.filePath(name)))
            return Outcome::Placed;
        if (!renamed(m_to.filePath(name), m_earlier.filePath(name))) {
            *error = cannotPlace(name);
            return Outcome::Failed;
        }
        m_steps.back().earlierTakenAside = true;
        return changed();
    }

    Outcome putInPlace(const QString &name, QString *error)
    {
        if (m_steps.empty() || m_steps.back().name != name)
            m_steps.push_back({name, false, false});
        if (!renamed(m_from.filePath(name), m_to.filePath(name))) {
            *error = cannotPlace(name);
            return Outcome::Failed;
        }
        m_steps.back().newPlaced = true;
        return changed();
    }

    Outcome synced(QString *error)
    {
        if (filesystem::syncFolder(m_to.path()))
            return Outcome::Placed;
        *error = QStringLiteral("Der Inhalt des Ordners „%1“ konnte nicht auf den Datenträger geschrieben werden: %2.")
                     .arg(QDir::toNativeSeparators(m_to.path()), filesystem::reasonOf(errno));
        return Outcome::Failed;
    }

    // False when an earlier file could not be put back; its index.xml then
    // stays out, so that no set looks complete that is not.
    bool undo()
    {
        bool whole = true;
        for (auto step = m_steps.rbegin(); step != m_steps.rend(); ++step) {
            const QString target = m_to.filePath(step->name);
            if (step->newPlaced && !QFile::remove(target))
                whole = false;
            const bool isIndex = step->name == QString::fromLatin1(IndexFileName);
            if (step->earlierTakenAside && (whole || !isIndex) && !renamed(m_earlier.filePath(step->name), target))
                whole = false;
        }
        filesystem::syncFolder(m_to.path());
        return whole;
    }

    QDir m_from;
    QDir m_to;
    QDir m_earlier;
    std::vector<Step> m_steps;
};

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
    errno = 0;
    QTemporaryDir staging(QDir(folder).filePath(QString::fromLatin1(StagingPattern)));
    if (!staging.isValid()) {
        const int why = errno;
        if (why != ENOSPC && why != EDQUOT)
            return failed(unusableFolder);
        return failed(QStringLiteral("In den Ordner „%1“ kann nicht geschrieben werden: %2. Bitte einen anderen "
                                     "Ordner wählen.")
                          .arg(QDir::toNativeSeparators(folder), filesystem::reasonOf(why)));
    }

    const QStringList tableNames = database->tableNames();
    const int steps = static_cast<int>(tableNames.size()) + 1;
    std::vector<TableFile> tables;
    QStringList names;
    for (const QString &name : tableNames) {
        if (progress)
            progress(static_cast<int>(tables.size()), steps, QStringLiteral("Tabelle %1").arg(name));
        std::optional<TableFile> table = describeTable(*database, name, &error);
        if (!table || !writeTableCsv(*database, staging.path(), *table, &error, folder))
            return abandoned(error);
        names << table->fileName;
        tables.push_back(std::move(*table));
    }

    if (progress)
        progress(steps - 1, steps, QString::fromLatin1(IndexFileName));
    supplier.comment = periodComment(tables, currentClock().now().date());
    if (!writeWhole(staging.path(), QString::fromLatin1(IndexFileName), indexXml(supplier, tables), folder, &error) ||
        !writeWhole(staging.path(), QString::fromLatin1(DtdFileName), documentTypeDefinition(), folder, &error))
        return abandoned(error);
    names << QString::fromLatin1(IndexFileName) << QString::fromLatin1(DtdFileName);
    switch (SetMover(staging.path(), folder).place(names, &error)) {
    case SetMover::Outcome::Placed:
        break;
    case SetMover::Outcome::Failed:
        return abandoned(error);
    case SetMover::Outcome::Broken:
        return failed(error + QStringLiteral("\nDer Export wurde abgebrochen. Die Dateien des früheren Exports "
                                             "konnten nicht alle zurückgelegt werden; der Ordner „%1“ enthält "
                                             "keinen vollständigen Export.")
                                  .arg(QDir::toNativeSeparators(folder)));
    case SetMover::Outcome::Stopped:
        // As a killed program leaves it.
        staging.setAutoRemove(false);
        return failed(QStringLiteral("Der Export wurde angehalten."));
    }

    QStringList files;
    for (const QString &name : names)
        files << QDir(folder).filePath(name);
    if (progress)
        progress(steps, steps, {});
    return {true, {}, files};
}

void setStepHook(std::function<bool()> hook)
{
    g_stepHook = std::move(hook);
}

} // namespace gdpdu
