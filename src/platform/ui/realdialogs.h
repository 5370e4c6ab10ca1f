#pragma once

#include "platform/ui/dialogs.h"

// The dialogs of the running program: Qt's message, input and file boxes.
class RealDialogs : public Dialogs
{
public:
    int msgBox(const QString &text, int buttons, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title) override;
    QString passwordBox(const QString &prompt, const QString &title) override;
    QString chooseFolder(const QString &title) override;
    int showModal(QDialog *window) override;
    void showModeless(QWidget *window) override;
    void endProgram() override;
};
