#pragma once

#include <QString>

// A data reset hands a fresh database over to the next start of the program:
// the reset writes the hand-over file, the next start swaps it in before the
// database is opened. Both sides work in the working directory, where the
// database lives.
namespace handover {

// Copies the reset template to the hand-over file, replacing an older one.
// The copy is written under a temporary name and renamed only when it is
// complete, so that a start never swaps in half a file. False with a German
// message when the template is missing or the folder cannot be written.
bool prepare(QString *error);

struct SwapResult
{
    bool swapped = false;
    // Set when a hand-over file was found but could not be swapped in; the
    // old database then stays in place, and so does the hand-over file, so
    // that the next start tries again.
    QString error;
};

// Replaces the database with a waiting hand-over file in one step (rename)
// and removes the old database's journal files, which would otherwise be
// played back into the new one. Must run while no connection to the
// database is open.
SwapResult completePending();

} // namespace handover
