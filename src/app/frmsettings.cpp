#include "app/frmsettings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "app/frmmainmenu.h"
#include "app/handover.h"
#include "data/ui/boundbox.h"
#include "data/ui/datanavigator.h"
#include "masterdata/accounts.h"
#include "masterdata/frmuseraccount.h"
#include "platform/printerchoice.h"
#include "platform/screens.h"
#include "platform/ui/appearance.h"
#include "platform/ui/dialogs.h"

namespace {
const QString FooterColumn = QStringLiteral("cbnText");
const QString CallMonitorPortColumn = QStringLiteral("voIPort");

// The till connects to the router's call monitor only on a TCP port, a whole
// number from 1 to 65535; an empty box means no call monitor.
QString callMonitorPortRefusal(const Recordset &settings)
{
    if (!settings.isChanged(CallMonitorPortColumn))
        return {};
    const QString port = settings.text(CallMonitorPortColumn).trimmed();
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    if (port.isEmpty() || (digits.match(port).hasMatch() && port.toInt() >= 1 && port.toInt() <= 65535))
        return {};
    return QStringLiteral("Der Router-Port „%1“ ist ungültig: bitte eine ganze Zahl von 1 bis 65535 angeben oder das "
                          "Feld leer lassen.")
        .arg(settings.text(CallMonitorPortColumn));
}
} // namespace

FrmSettings::FrmSettings()
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    appearance::setBackColor(this, appearance::ScreenBlue);

    auto *heading = makeLabel("lblHeading", QStringLiteral("Unternehmensinformationen  "));
    appearance::makeHeading(heading);
    auto *subheading = makeLabel("lblSubheading", QStringLiteral("Fa. Daten"));

    fraSettings = new QGroupBox(this);
    fraSettings->setObjectName(QStringLiteral("fraSettings"));
    auto *shopBoxes = new QFormLayout(fraSettings);
    auto addBox = [&](QGroupBox *frame, QFormLayout *boxes, const char *name, const QString &label,
                      const QString &column) {
        QLineEdit *box = makeTextBox(name, frame);
        box->setMinimumWidth(220);
        boxes->addRow(label, box);
        new BoundBox(box, ADOSettings, column);
        return box;
    };
    txtcName = addBox(fraSettings, shopBoxes, "txtcName", QStringLiteral("Fa. Name:"), QStringLiteral("cName"));
    txtcAdress = addBox(fraSettings, shopBoxes, "txtcAdress", QStringLiteral("Adresse:"), QStringLiteral("cAddress"));
    txtcPlace = addBox(fraSettings, shopBoxes, "txtcPlace", QStringLiteral("Plz / Ort:"), QStringLiteral("cPlace"));
    txtcPhone = addBox(fraSettings, shopBoxes, "txtcPhone", QStringLiteral("Tel:"), QStringLiteral("cPhone"));
    Text2 = addBox(fraSettings, shopBoxes, "Text2", QStringLiteral("Fax:"), QStringLiteral("cFax"));
    Text3 = addBox(fraSettings, shopBoxes, "Text3", QStringLiteral("e-Mail:"), QStringLiteral("ceMail"));
    Text4 = addBox(fraSettings, shopBoxes, "Text4", QStringLiteral("Homepage:"), QStringLiteral("cHomepage"));
    txtstNr = addBox(fraSettings, shopBoxes, "txtstNr", QStringLiteral("St.Nr."), QStringLiteral("cstNr"));
    Text1 = addBox(fraSettings, shopBoxes, "Text1", QStringLiteral("USt.idNr.:"), QStringLiteral("custNr"));
    Text5 = new QPlainTextEdit(fraSettings);
    Text5->setObjectName(QStringLiteral("Text5"));
    Text5->setTabChangesFocus(true);
    Text5->setFixedHeight(Text5->fontMetrics().lineSpacing() * 4);
    shopBoxes->addRow(QStringLiteral("Bon - Text:"), Text5);
    connect(&ADOSettings.recordset(), &Recordset::currentChanged, this, &FrmSettings::showFooter);
    connect(Text5, &QPlainTextEdit::textChanged, this, &FrmSettings::footerTyped);

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto *routerBoxes = new QFormLayout(Frame2);
    lblvoip = makeLabel("lblvoip", QStringLiteral("Router iP:"), Frame2);
    lblvoip->setToolTip(QStringLiteral("Aktivierte Anrufmonitor-Funktion: Über ein an der Fritzbox angeschlossenes "
                                       "Telefon die Nummer #96*5* wählen."));
    voip = makeTextBox("voip", Frame2);
    voip->setToolTip(QStringLiteral("Aktiviere Anrufmonitor-Funktion: Über ein an der Fritzbox angeschlossenes "
                                    "Telefon die Nummer #96*5* wählen."));
    new BoundBox(voip, ADOSettings, QStringLiteral("deZE"));
    routerBoxes->addRow(lblvoip, voip);
    voiport = addBox(Frame2, routerBoxes, "voiport", QStringLiteral("Router - Port"), CallMonitorPortColumn);
    ADOSettings->setRowRule(callMonitorPortRefusal);

    Frame1 = new QGroupBox(QStringLiteral("Drucker"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *printers = new QHBoxLayout(Frame1);
    const QString printerNames[] = {QStringLiteral("A4 Drucker"), QStringLiteral("A5 Drucker"),
                                    QStringLiteral("Bondrucker")};
    for (int index = 0; index < 3; ++index) {
        DR_PRT[index] = new QCheckBox(printerNames[index], Frame1);
        DR_PRT[index]->setObjectName(QStringLiteral("DR_PRT(%1)").arg(index));
        printers->addWidget(DR_PRT[index]);
        // clicked, not toggled: unchecking the other boxes stores nothing.
        connect(DR_PRT[index], &QCheckBox::clicked, this, [this, index] { DR_PRT_Click(index); });
    }

    dell_db = new QGroupBox(this);
    dell_db->setObjectName(QStringLiteral("dell_db"));
    auto *reset = new QVBoxLayout(dell_db);
    reset->addWidget(makeLabel("lblReset", QStringLiteral("Daten löschen:"), dell_db));
    QLabel *warning = makeLabel("lblResetWarning",
                                QStringLiteral("ACHTUNG: Sämtliche Daten der Tabellen auch Produkte und Kategorien "
                                               "werden OHNE Sicherung in der Datenbank gelöscht. Alle Daten müssen "
                                               "dann neu eingegeben werden!"),
                                dell_db);
    warning->setWordWrap(true);
    reset->addWidget(warning);
    Tabellen_dell = makeButton("Tabellen_dell", QStringLiteral("Daten Löschen"), dell_db);
    reset->addWidget(Tabellen_dell);
    connect(Tabellen_dell, &QPushButton::clicked, this, &FrmSettings::Tabellen_dell_Click);

    cmdNew = makeButton("cmdNew", QStringLiteral("Hinzufügen"));
    cmdSave = makeButton("cmdSave", QStringLiteral("Speichern"));
    // "Bearbeiten" has nothing to do: the boxes can be edited as the screen
    // opens.
    cmdEdit = makeButton("cmdEdit", QStringLiteral("Bearbeiten"));
    cmdClose = makeButton("cmdClose", QStringLiteral("Ende"));
    connect(cmdNew, &QPushButton::clicked, this, &FrmSettings::cmdNew_Click);
    connect(cmdSave, &QPushButton::clicked, this, &FrmSettings::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmSettings::cmdClose_Click);
    navigator = new DataNavigator(ADOSettings, this);
    navigator->setObjectName(QStringLiteral("navigator"));

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {cmdNew, cmdSave, cmdEdit, cmdClose})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(Frame2);
    right->addWidget(Frame1);
    right->addWidget(dell_db);
    right->addStretch();
    auto *layout = new QGridLayout(this);
    layout->addLayout(buttons, 0, 0, 4, 1);
    layout->addWidget(heading, 0, 1, 1, 2);
    layout->addWidget(subheading, 1, 1, 1, 2);
    layout->addWidget(fraSettings, 2, 1);
    layout->addLayout(right, 2, 2);
    layout->addWidget(navigator, 3, 1, 1, 2);
}

void FrmSettings::Form_Load()
{
    ADOSettings.refresh();
    // Storing the choice again by checking its box leaves a missing value
    // stored as A4; a value that names no printer checks nothing and stays.
    bool isNumber = false;
    const int choice = printerchoice::read().trimmed().toInt(&isNumber);
    if (isNumber && choice >= 0 && choice < static_cast<int>(DR_PRT.size())) {
        DR_PRT[choice]->setChecked(true);
        DR_PRT_Click(choice);
    }
}

void FrmSettings::DR_PRT_Click(int index)
{
    printerchoice::write(QString::number(index));
    // The clicked box keeps the state the click gave it, so clicking the
    // checked box shows none checked while its choice stays stored.
    for (int other = 0; other < static_cast<int>(DR_PRT.size()); ++other)
        if (other != index)
            DR_PRT[other]->setChecked(false);
}

void FrmSettings::cmdNew_Click()
{
    ADOSettings->addNew();
    fraSettings->setEnabled(true);
    cmdSave->setEnabled(true);
    cmdEdit->setEnabled(false);
    cmdNew->setEnabled(false);
}

void FrmSettings::cmdSave_Click()
{
    // A refused row is said so and stays editable: closing the frame would
    // look like a save and lose what was typed.
    if (!ADOSettings->update()) {
        dialogs().msgBox(
            QStringLiteral("Die Firmendaten konnten nicht gespeichert werden: %1").arg(ADOSettings->lastError()),
            mb::vbExclamation);
        return;
    }
    fraSettings->setEnabled(false);
    cmdSave->setEnabled(false);
    cmdNew->setEnabled(true);
    cmdEdit->setEnabled(true);
    ADOSettings->moveLast();
}

void FrmSettings::cmdClose_Click()
{
    screens().unload<FrmSettings>();
}

void FrmSettings::Tabellen_dell_Click()
{
    const QString failed = QStringLiteral("Tabellen konnten nicht gelöscht werden!");
    // The password of the first account of the whole list, whoever is
    // logged in.
    DataControl &users = frmUserAccount().ADOUser;
    if (!users.refresh()) {
        dialogs().msgBox(failed, mb::vbOKOnly);
        return;
    }
    const QString typed = dialogs().passwordBox(QStringLiteral("Bitte Passwort eingeben..."));
    if (!accounts::passwordMatches(users.recordset(), typed)) {
        dialogs().msgBox(QStringLiteral("Passwort ist leider Fehlerhaft... Bearbeitung nicht möglich..."),
                         mb::vbCritical);
        return;
    }
    // The database in use stays as it is until the next start swaps the
    // empty copy in and keeps the old one under a dated name.
    QString why;
    if (!handover::prepare(&why)) {
        dialogs().msgBox(failed + u'\n' + why, mb::vbOKOnly);
        return;
    }
    dialogs().msgBox(QStringLiteral("Tabellen wurden erfogreich gelöscht! Bitte neustarten!"), mb::vbOKOnly);
    screens().unload<FrmSettings>();
    screens().unload<FrmMainMenu>();
}

void FrmSettings::showFooter()
{
    if (m_showingFooter)
        return;
    m_showingFooter = true;
    Text5->setPlainText(ADOSettings->text(FooterColumn));
    m_showingFooter = false;
}

void FrmSettings::footerTyped()
{
    if (m_showingFooter)
        return;
    // The row learns the text as typed; the box keeps its cursor.
    m_showingFooter = true;
    ADOSettings->setText(FooterColumn, Text5->toPlainText());
    m_showingFooter = false;
}

FrmSettings &frmSettings()
{
    return screens().get<FrmSettings>();
}
