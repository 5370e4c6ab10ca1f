#include "app/frmlogin.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/frmmainmenu.h"
#include "masterdata/accounts.h"
#include "masterdata/frmuseraccount.h"
#include "platform/screens.h"
#include "platform/ui/appearance.h"
#include "platform/ui/dialogs.h"
#include "shell/session.h"

namespace {
// The title of the login's own refusals.
const QString RefusalTitle = QStringLiteral("TalVEX");
} // namespace

FrmLogIn::FrmLogIn()
{
    setObjectName(QStringLiteral("frmLogIn"));
    setWindowTitle(QStringLiteral("LogIn"));

    Label5 = makeLabel("Label5", QStringLiteral("Login"));
    appearance::makeHeading(Label5);

    cboUser = new QComboBox(this);
    cboUser->setObjectName(QStringLiteral("cboUser"));
    cboUser->setEditable(false);
    txtPassword = makeTextBox("txtPassword");
    appearance::maskWithStars(txtPassword);

    auto *fields = new QGridLayout;
    fields->addWidget(makeLabel("lblUser", QStringLiteral("Benutzer :")), 0, 0);
    fields->addWidget(cboUser, 0, 1);
    fields->addWidget(makeLabel("lblPassword", QStringLiteral("Passwort :")), 1, 0);
    fields->addWidget(txtPassword, 1, 1);

    // Keypad laid out like a telephone: 1 2 3 / 4 5 6 / 7 8 9 / Clr 0.
    auto *keypad = new QGridLayout;
    for (int digit = 0; digit <= 9; ++digit) {
        const QByteArray name = "lButton(" + QByteArray::number(digit) + ')';
        lButton[digit] = makeButton(name.constData(), QString::number(digit));
        lButton[digit]->setMinimumSize(64, 48);
        connect(lButton[digit], &QPushButton::clicked, this, [this, digit] { lButton_Click(digit); });
        if (digit > 0)
            keypad->addWidget(lButton[digit], (digit - 1) / 3, (digit - 1) % 3);
    }
    lButtonClr = makeButton("lButtonClr", QStringLiteral("Clr"));
    lButtonClr->setMinimumSize(64, 48);
    keypad->addWidget(lButtonClr, 3, 0);
    keypad->addWidget(lButton[0], 3, 1);
    connect(lButtonClr, &QPushButton::clicked, this, &FrmLogIn::lButtonClr_Click);

    cmdEnter = makeButton("cmdEnter", QStringLiteral("Login"));
    // Enter in the password box logs in.
    cmdEnter->setDefault(true);
    cmdCancel = makeButton("cmdCancel", QStringLiteral("Exit"));
    connect(cmdEnter, &QPushButton::clicked, this, &FrmLogIn::cmdEnter_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmLogIn::cmdCancel_Click);
    cmdEnter->setMinimumHeight(48);
    cmdCancel->setMinimumHeight(48);
    auto *actions = new QHBoxLayout;
    actions->addWidget(cmdEnter);
    actions->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label5);
    layout->addLayout(fields);
    layout->addLayout(keypad);
    layout->addLayout(actions);
}

void FrmLogIn::Form_Load()
{
    // Lists every account, whatever filter another screen left on the list.
    DataControl &users = frmUserAccount().ADOUser;
    users.refresh();
    for (; !users->eof(); users->moveNext())
        cboUser->addItem(users->text(QStringLiteral("UserID")));
    cboUser->setCurrentIndex(-1);
}

void FrmLogIn::lButton_Click(int index)
{
    txtPassword->setText(txtPassword->text() + lButton[index]->text());
}

void FrmLogIn::lButtonClr_Click()
{
    txtPassword->clear();
}

void FrmLogIn::cmdEnter_Click()
{
    if (cboUser->currentText().isEmpty()) {
        dialogs().msgBox(QStringLiteral("Bitte Benutzer wählen"), mb::vbOKOnly);
        return;
    }
    if (session().LogOutMode)
        logOut();
    else
        logIn();
}

void FrmLogIn::logIn()
{
    const QString userId = cboUser->currentText();
    DataControl &users = frmUserAccount().ADOUser;
    if (!accounts::logIn(users, userId, txtPassword->text())) {
        dialogs().msgBox(QStringLiteral("Bitte nochmal versuchen!"), mb::vbCritical, RefusalTitle);
        retypePassword();
        return;
    }
    session().UserID = userId;
    session().LoginPassword = txtPassword->text();
    session().CashierName = accounts::cashierName(users->value(QStringLiteral("Name")));
    dialogs().showModeless(&frmMainMenu());
    screens().unload<FrmLogIn>();
}

void FrmLogIn::logOut()
{
    if (txtPassword->text() != session().LoginPassword || cboUser->currentText() != session().UserID) {
        dialogs().msgBox(QStringLiteral("Bitte abmeldename wählen! "), mb::vbCritical, RefusalTitle);
        retypePassword();
        return;
    }
    // Asks whether the program is to end; answered No, the menu stays and
    // this screen waits for the next user.
    screens().unload<FrmMainMenu>();
    txtPassword->clear();
    cboUser->setFocus();
    setWindowTitle(QStringLiteral("LOG-IN"));
    session().LogOutMode = false;
}

void FrmLogIn::retypePassword()
{
    txtPassword->setFocus();
    txtPassword->selectAll();
}

void FrmLogIn::cmdCancel_Click()
{
    dialogs().endProgram();
}

FrmLogIn &frmLogIn()
{
    return screens().get<FrmLogIn>();
}
