#pragma once

#include <memory>

#include <QtGlobal>

#include "platform/ui/form.h"

class Database;
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
    void Form_Load() override;

    void Timer2_Timer();
    void Timer1_Timer();

    // Element 3 of Picture1 and Image1: the progress bar's frame and fill.
    QFrame *Picture1_3;
    QFrame *Image1_3;
    // Element 0 of Image1: the splash picture.
    QLabel *Image1_0;
    QLabel *sversion;
    // Advances the progress every 30 ms.
    QTimer *Timer2;
    // Hands over to the login screen 5 ms after the progress is full.
    QTimer *Timer1;

private:
    qint16 m_progressCount = 0;
};

FrmStart &frmStart();

// What the program does before its first window: makes the reset template
// when it is missing, loads the splash screen (which completes a pending data
// reset) and opens the database. Nothing, after a German message, when the
// database cannot be used: the program then ends.
std::unique_ptr<Database> startUp();
