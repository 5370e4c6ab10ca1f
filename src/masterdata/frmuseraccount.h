#pragma once

#include "data/datacontrol.h"
#include "masterdata/accounts.h"
#include "platform/ui/form.h"

class DataNavigator;
class QGroupBox;
class QLineEdit;
class QPushButton;

// The staff accounts. Text boxes in the frame show the current account of
// ADOUser, which is also the user list of the whole system (login, drivers,
// per-cashier report, data reset); the buttons switch between browsing and
// editing. Changing or deleting an account first asks for its password.
//
// Passwords are stored as hashes only, so the password box is empty while
// browsing; what is typed there while adding or editing becomes the new
// password, and left untouched while editing, the password stays as it was.
class FrmUserAccount : public Form
{
    Q_OBJECT

public:
    FrmUserAccount();
    void Form_Load() override;

    void cmdNew_Click();
    void cmdSave_Click();
    void cmdEdit_Click();
    void cmdRefresh_Click();
    void cmdDelete_Click();
    void cmdClose_Click();
    // Enter in the confirmation box, or leaving it.
    void txtConfirm_Check();

    DataControl ADOUser{QStringLiteral("UserAccount")};

    QGroupBox *fraAccount;
    QLineEdit *txtUser;
    QLineEdit *txtPassword;
    QLineEdit *txtConfirm;
    QLineEdit *txtName;
    QLineEdit *txtAddress;
    QLineEdit *txtPlace;
    QLineEdit *txtContactNumber;
    QLineEdit *txtUemail;
    QPushButton *cmdFind;
    QPushButton *cmdNew;
    QPushButton *cmdSave;
    QPushButton *cmdEdit;
    QPushButton *cmdUpdate;
    QPushButton *cmdRefresh;
    QPushButton *cmdDelete;
    QPushButton *cmdClose;
    DataNavigator *navigator;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Asks for the shown account's password; tells the user when it is wrong.
    bool confirmPassword(const QString &refusal);
    // Compares the password with its confirmation; tells the user when they
    // differ.
    bool confirmationMatches();
    accounts::AccountEdit typedPasswords() const;
    bool storeAccount();
    void startEditing();
    void showBrowsing();
    void clearPasswordBoxes();

    // The id the edited account is stored under; empty for a new account.
    QString m_storedUserId;
    bool m_passwordTyped = false;
    bool m_confirmCheckPending = false;
};

FrmUserAccount &frmUserAccount();
