#pragma once

#include <memory>

#include <QString>

class QDialog;
class QWidget;

// Message-box codes as the screens use them: the buttons value is the sum of a
// button set and an icon; the answer is one of the vb* results.
namespace mb {
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;

inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;
} // namespace mb

// The title of every message and input box that names none of its own.
inline const QString AppTitle = QStringLiteral("TALVEX - LT - ISDN");

// Everything that blocks on the user goes through here, so that the screens
// run unchanged in tests (see ScriptedDialogs).
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Shows a message; returns the answer (mb::vbOK, mb::vbYes, ...).
    virtual int msgBox(const QString &text, int buttons = mb::vbOKOnly, const QString &title = {}) = 0;

    // Asks for one line of text (not masked); cancelling gives the empty text.
    virtual QString inputBox(const QString &prompt, const QString &title = {}) = 0;

    // Asks for a password: one star is shown for every character typed;
    // cancelling gives the empty text.
    virtual QString passwordBox(const QString &prompt, const QString &title = {}) = 0;

    // Asks for a folder; cancelling gives the empty text.
    virtual QString chooseFolder(const QString &title) = 0;

    // Shows a window and waits until it is closed; returns its result code.
    virtual int showModal(QDialog *window) = 0;

    // Shows a window (or brings it forward) without waiting.
    virtual void showModeless(QWidget *window) = 0;

    // Ends the program after the current event.
    virtual void endProgram() = 0;
};

// The dialogs in use: the real ones unless a test installed scripted ones.
Dialogs &dialogs();
void setDialogs(std::unique_ptr<Dialogs> replacement);
