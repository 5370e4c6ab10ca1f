#pragma once

#include <functional>

#include <QString>
#include <QStringList>

#include "reports/gdpduindex.h"

// The export of the database for a tax audit: every base table as
// <table>.csv, then index.xml describing them and its document type
// definition, all in one folder.
namespace gdpdu {

struct ExportResult
{
    bool ok = false;
    // Empty on success, else a German message for the user.
    QString error;
    // The files written, in the order they were written; none on failure.
    QStringList files;
};

// Told before each step: the number of steps done, of all steps, and what
// comes next.
using ProgressHandler = std::function<void(int done, int steps, const QString &what)>;

// Opens its own connection to the database file, writes the files into the
// folder and closes the connection again. The files are written aside first,
// each checked to be on the disk whole, and put into the folder only when all
// are complete: a failed export leaves the folder as it was, and a folder
// that holds an index.xml holds every file it names, of the same export, even
// when the program is stopped half-way. The supplier's comment is filled with
// the period the data covers.
ExportResult exportDatabase(const QString &databasePath, const QString &folder, DataSupplier supplier,
                            const ProgressHandler &progress = {});

// Called after each change to the chosen folder while the files are put in
// place; a false answer stops the export there, as a killed program would,
// working folder and all. Tests drive interrupted exports with it; nothing
// else sets it.
void setStepHook(std::function<bool()> hook);

} // namespace gdpdu
