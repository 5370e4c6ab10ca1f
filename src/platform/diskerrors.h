#pragma once

#include <QString>

// Why the file system refused to create or change a file, in the words the
// shop's staff understand ("Datenträger voll", "Ordner schreibgeschützt"),
// from the system's error number. Empty for an error that says nothing about
// the disk or the folder: the caller then keeps its own reason.
QString diskProblem(int systemError, const QString &file);

namespace filesystem {
// What any error number of the system says to a shop's staff, in a few German
// words ("Datenträger voll"), for a message that names the file itself.
QString reasonOf(int errorNumber);
} // namespace filesystem
