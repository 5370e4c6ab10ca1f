#pragma once

#include <memory>

#include <QtGlobal>

#include "app/folderlock.h"
#include "data/database.h"
#include "platform/ui/form.h"

class QFrame;
class QLabel;
class QTimer;

// The splash screen the program starts with. Loading it completes a data
// reset prepared in the previous run, so it must be loaded before the
// database is opened. Its progress bar runs from 1 % to 100 % in about three
// seconds; then it makes way for the login screen.
class FrmStart : public Form
{
    Q_OBJECT

public:
    FrmStart();
    ~FrmStart() override;
    void Form_Load() override;

    // Shows the splash with a note that the database is being brought up to
    // date, before that starts: on a large file it takes seconds, and an
    // empty screen invites a second start.
    void showUpgradeNotice();

    void Timer2_Timer();
    void Timer1_Timer();

    // Element 3 of Picture1 and Image1: the progress bar's frame and fill.
    QFrame *Picture1_3;
    QFrame *Image1_3;
    // Element 0 of Image1: the splash picture.
    QLabel *Image1_0;
    QLabel *sversion;
    // What the start-up is doing while it makes the user wait; hidden
    // otherwise.
    QLabel *lblStatus;
    // Advances the progress every 30 ms.
    QTimer *Timer2;
    // Hands over to the login screen 5 ms after the progress is full.
    QTimer *Timer1;

private:
    qint16 m_progressCount = 0;
};

FrmStart &frmStart();

// What the program holds while it runs: the lock of its data folder and the
// database, in that order.
struct StartedProgram
{
    std::unique_ptr<FolderLock> lock;
    std::unique_ptr<Database> database;
};

// What the program does before its first window: takes the lock of the data
// folder (before any of its files is touched), makes the reset template when
// it is missing, loads the splash screen (which completes a pending data
// reset) and opens the database. No database, after a German message that is
// then the only window, when another program runs in the folder or the
// database cannot be used: the program then ends.
StartedProgram startUp();
