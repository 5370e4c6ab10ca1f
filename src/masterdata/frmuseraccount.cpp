#include "masterdata/frmuseraccount.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/database.h"
#include "data/ui/boundbox.h"
#include "data/ui/datanavigator.h"
#include "masterdata/accounts.h"
#include "platform/screens.h"
#include "platform/ui/appearance.h"
#include "platform/ui/dialogs.h"

namespace {
const QString PasswordPrompt = QStringLiteral("Bitte Passwort eingeben...");
} // namespace

FrmUserAccount::FrmUserAccount()
{
    setObjectName(QStringLiteral("frmUserAccount"));
    setWindowTitle(QStringLiteral("User Account"));
    appearance::setBackColor(this, appearance::ScreenBlue);

    auto *heading = makeLabel("lblHeading", QStringLiteral("Benutzer Verwaltung"));
    appearance::makeHeading(heading);
    auto *subheading = makeLabel("lblSubheading", QStringLiteral("Bearbeiten und hinzufügen von benutzern"));

    fraAccount = new QGroupBox(this);
    fraAccount->setObjectName(QStringLiteral("fraAccount"));
    auto *boxes = new QFormLayout(fraAccount);
    auto addBox = [&](const char *name, const QString &label) {
        QLineEdit *box = makeTextBox(name, fraAccount);
        boxes->addRow(label, box);
        return box;
    };
    txtUser = addBox("txtUser", QStringLiteral("Nutzername:"));
    txtPassword = addBox("txtPassword", QStringLiteral("Password:"));
    txtConfirm = addBox("txtConfirm", QStringLiteral("Bestätigen:"));
    txtName = addBox("txtName", QStringLiteral("Name:"));
    txtAddress = addBox("txtAddress", QStringLiteral("Adresse:"));
    txtPlace = addBox("txtPlace", QStringLiteral("PLZ / Ort:"));
    txtContactNumber = addBox("txtContactNumber", QStringLiteral("Tel:"));
    txtUemail = addBox("txtUemail", QStringLiteral("Email:"));
    appearance::maskWithStars(txtPassword);
    appearance::maskWithStars(txtConfirm);
    new BoundBox(txtUser, ADOUser, QStringLiteral("UserID"));
    new BoundBox(txtName, ADOUser, QStringLiteral("Name"));
    new BoundBox(txtAddress, ADOUser, QStringLiteral("Address"));
    new BoundBox(txtPlace, ADOUser, QStringLiteral("uPlace"));
    new BoundBox(txtContactNumber, ADOUser, QStringLiteral("TelNo"));
    new BoundBox(txtUemail, ADOUser, QStringLiteral("uEMail"));
    connect(txtPassword, &QLineEdit::textEdited, this, [this] { m_passwordTyped = true; });
    connect(txtConfirm, &QLineEdit::returnPressed, this, &FrmUserAccount::txtConfirm_Check);
    txtConfirm->installEventFilter(this);
    navigator = new DataNavigator(ADOUser, this);
    navigator->setObjectName(QStringLiteral("navigator"));

    cmdFind = makeButton("cmdFind", QStringLiteral("Suchen"));
    cmdNew = makeButton("cmdNew", QStringLiteral("Hinzufügen"));
    cmdSave = makeButton("cmdSave", QStringLiteral("Speichern"));
    cmdEdit = makeButton("cmdEdit", QStringLiteral("Bearbeiten"));
    cmdUpdate = makeButton("cmdUpdate", QStringLiteral("Update"));
    cmdRefresh = makeButton("cmdRefresh", QStringLiteral("Neu Laden"));
    cmdDelete = makeButton("cmdDelete", QStringLiteral("Löschen"));
    cmdClose = makeButton("cmdClose", QStringLiteral("Ende"));
    connect(cmdNew, &QPushButton::clicked, this, &FrmUserAccount::cmdNew_Click);
    connect(cmdSave, &QPushButton::clicked, this, &FrmUserAccount::cmdSave_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &FrmUserAccount::cmdEdit_Click);
    connect(cmdRefresh, &QPushButton::clicked, this, &FrmUserAccount::cmdRefresh_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &FrmUserAccount::cmdDelete_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmUserAccount::cmdClose_Click);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {cmdFind, cmdNew, cmdSave, cmdEdit, cmdUpdate, cmdRefresh, cmdDelete, cmdClose})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *layout = new QGridLayout(this);
    layout->addLayout(buttons, 0, 0, 4, 1);
    layout->addWidget(heading, 0, 1);
    layout->addWidget(subheading, 1, 1);
    layout->addWidget(fraAccount, 2, 1);
    layout->addWidget(navigator, 3, 1);
    fraAccount->setEnabled(false);
}

void FrmUserAccount::Form_Load()
{
    ADOUser.refresh();
}

void FrmUserAccount::cmdNew_Click()
{
    ADOUser.refresh();
    ADOUser->addNew();
    m_storedUserId.clear();
    startEditing();
}

void FrmUserAccount::cmdEdit_Click()
{
    if (!confirmPassword(QStringLiteral("Passwort ist leider Fehlerhaft... Bearbeitung nicht möglich......")))
        return;
    m_storedUserId = ADOUser->value(QStringLiteral("UserID")).toString();
    startEditing();
}

void FrmUserAccount::cmdSave_Click()
{
    if (storeAccount())
        showBrowsing();
}

void FrmUserAccount::cmdRefresh_Click()
{
    ADOUser.refresh();
    showBrowsing();
}

void FrmUserAccount::cmdDelete_Click()
{
    if (Database *database = Database::current(); database && accounts::isLastAccount(*database)) {
        dialogs().msgBox(accounts::lastAccountMessage(), mb::vbExclamation);
        return;
    }
    if (!confirmPassword(QStringLiteral("Passwort ist leider Fehlerhaft... Bearbeitung nicht möglich...")))
        return;
    if (!ADOUser->remove())
        dialogs().msgBox(QStringLiteral("Das Benutzerkonto konnte nicht gelöscht werden: %1").arg(ADOUser->lastError()),
                         mb::vbExclamation);
    ADOUser.refresh();
    // Back to browsing: the next account can only be changed after its own
    // password.
    showBrowsing();
}

void FrmUserAccount::cmdClose_Click()
{
    screens().unload<FrmUserAccount>();
}

void FrmUserAccount::txtConfirm_Check()
{
    if (confirmationMatches())
        txtName->setFocus();
}

bool FrmUserAccount::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtConfirm && event->type() == QEvent::FocusOut && fraAccount->isEnabled()) {
        // Focus that goes to another window (the message box among them)
        // does not leave the box for another field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            // Checked once the focus has settled: taking it back in the
            // middle of its move would lose the selection. A click on
            // "Speichern" checks by itself, and the box is not checked twice.
            m_confirmCheckPending = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (m_confirmCheckPending && fraAccount->isEnabled())
                        txtConfirm_Check();
                },
                Qt::QueuedConnection);
        }
    }
    return Form::eventFilter(watched, event);
}

bool FrmUserAccount::confirmationMatches()
{
    m_confirmCheckPending = false;
    if (accounts::confirmationMatches(typedPasswords()))
        return true;
    dialogs().msgBox(accounts::confirmationMessage(), mb::vbOKOnly);
    txtConfirm->setFocus();
    txtConfirm->selectAll();
    return false;
}

accounts::AccountEdit FrmUserAccount::typedPasswords() const
{
    return {txtPassword->text(), txtConfirm->text(), m_passwordTyped, m_storedUserId};
}

bool FrmUserAccount::confirmPassword(const QString &refusal)
{
    const QString typed = dialogs().passwordBox(PasswordPrompt);
    if (accounts::passwordMatches(ADOUser.recordset(), typed))
        return true;
    dialogs().msgBox(refusal, mb::vbCritical);
    return false;
}

bool FrmUserAccount::storeAccount()
{
    // Checked here first: it also drops the check that leaving the
    // confirmation box queued, so that one click shows one message.
    if (!confirmationMatches())
        return false;
    const auto refusal = accounts::storeAccount(Database::current(), ADOUser.recordset(), typedPasswords());
    if (!refusal)
        return true;
    dialogs().msgBox(refusal->message, mb::vbExclamation);
    using Reason = accounts::AccountRefusal::Reason;
    if (refusal->reason == Reason::NoUserId || refusal->reason == Reason::UserIdTaken) {
        txtUser->setFocus();
        if (refusal->reason == Reason::UserIdTaken)
            txtUser->selectAll();
    }
    return false;
}

void FrmUserAccount::startEditing()
{
    clearPasswordBoxes();
    fraAccount->setEnabled(true);
    // Moving to another account would store this one past the checks of
    // "Speichern".
    navigator->setEnabled(false);
    cmdSave->setEnabled(true);
    cmdEdit->setEnabled(false);
    cmdNew->setEnabled(false);
    cmdDelete->setEnabled(false);
    txtUser->setFocus();
    txtUser->selectAll();
}

void FrmUserAccount::showBrowsing()
{
    // Emptied before the frame is disabled, which takes the focus out of the
    // confirmation box.
    clearPasswordBoxes();
    fraAccount->setEnabled(false);
    navigator->setEnabled(true);
    cmdSave->setEnabled(false);
    cmdEdit->setEnabled(true);
    cmdNew->setEnabled(true);
    cmdDelete->setEnabled(true);
}

void FrmUserAccount::clearPasswordBoxes()
{
    txtPassword->clear();
    txtConfirm->clear();
    m_passwordTyped = false;
}

FrmUserAccount &frmUserAccount()
{
    return screens().get<FrmUserAccount>();
}
