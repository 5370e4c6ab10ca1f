#pragma once

#include <array>

#include "platform/ui/form.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// Tells the system who works the till: a user is picked from the list, the
// password typed on the keyboard or the keypad. The same screen serves as the
// log-out dialog while session().LogOutMode is set: then it accepts only the
// user who logged in last, with the password typed at that login.
class FrmLogIn : public Form
{
    Q_OBJECT

public:
    FrmLogIn();
    void Form_Load() override;

    void lButton_Click(int index);
    void lButtonClr_Click();
    void cmdEnter_Click();
    void cmdCancel_Click();

    QLabel *Label5;
    QComboBox *cboUser;
    QLineEdit *txtPassword;
    std::array<QPushButton *, 10> lButton{};
    QPushButton *lButtonClr;
    QPushButton *cmdEnter;
    QPushButton *cmdCancel;

private:
    void logIn();
    void logOut();
    // Lets the user type the password anew after a refusal.
    void retypePassword();
};

FrmLogIn &frmLogIn();
