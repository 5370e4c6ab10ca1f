#pragma once

#include <functional>

#include <QDateTime>
#include <QString>

#include "platform/clock.h"

// A data reset hands a fresh database over to the next start of the program:
// the reset writes the hand-over file, the next start swaps it in before the
// database is opened. The old database is kept under a name with the date
// and time of the swap: a shop must keep its sales for years, and everything
// sold between the reset and the restart is in it. Both sides work in the
// working directory, where the database lives.
namespace handover {

// Copies the reset template to the hand-over file, replacing an older one.
// The copy is written under a temporary name and renamed only when it is
// complete and on the disk, so that a start never swaps in half a file.
// False with a German message when the template is missing or broken, the
// folder cannot be written or the copy does not fit on the disk; no new
// hand-over file is left then.
bool prepare(QString *error);

// The name the old database is kept under: "zazozu-YYYYMMDD-hhmmss.db".
QString keptFileName(const QDateTime &swapTime);

struct SwapResult
{
    bool swapped = false;
    // Where the old data now lies; empty when this start kept no database
    // (there was none under the database's name).
    QString keptFile;
    // Set when a hand-over file was found but could not be swapped in; the
    // old database then stays in place, and so does the hand-over file, so
    // that the next start tries again.
    QString error;
};

// The points between the swap's steps, in order.
enum class Step {
    // Both files hold all their data alone: no journal or log beside them.
    Settled,
    // The old database is also under its kept name.
    OldKept,
};

// Replaces the database with a waiting hand-over file: both files are
// settled first (an interrupted transaction of the old database is rolled
// back in it, never played into the new one), then the old database gets its
// kept name as a second name, then the hand-over file replaces the database.
// A start after an interrupted swap completes it and names the kept file the
// interrupted one made. Must run while no connection to the database is open.
SwapResult completePending(const QDateTime &swapTime = currentClock().now());

// Called after each step of the swap; a false answer stops the swap there,
// as a killed program would. Tests drive interrupted swaps with it; nothing
// else sets it.
void setStepHook(std::function<bool(Step)> hook);

// What the start-up tells the user about a completed swap.
QString swapMessage(const SwapResult &result);

} // namespace handover
