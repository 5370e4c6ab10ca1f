#pragma once

#include <array>

#include "data/datacontrol.h"
#include "platform/ui/form.h"

class DataNavigator;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The shop's own record (name, address, tax numbers, receipt footer, the
// router's call monitor), the printer the receipts are laid out for, and the
// data reset. The receipts, reports and the till read the stored record
// themselves (shopsettings.h), so a record saved here shows on the next
// receipt.
class FrmSettings : public Form
{
    Q_OBJECT

public:
    FrmSettings();
    void Form_Load() override;

    void DR_PRT_Click(int index);
    void cmdNew_Click();
    void cmdSave_Click();
    void cmdClose_Click();
    void Tabellen_dell_Click();

    DataControl ADOSettings{QStringLiteral("Settings")};

    QGroupBox *fraSettings;
    QLineEdit *txtcName;
    QLineEdit *txtcAdress;
    QLineEdit *txtcPlace;
    QLineEdit *txtcPhone;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QLineEdit *txtstNr;
    QLineEdit *Text1;
    // The receipt footer; it may run over several lines.
    QPlainTextEdit *Text5;

    QGroupBox *Frame2;
    QLabel *lblvoip;
    QLineEdit *voip;
    QLineEdit *voiport;

    // The printer the receipts are laid out for: A4, A5, till roll.
    QGroupBox *Frame1;
    std::array<QCheckBox *, 3> DR_PRT{};

    QGroupBox *dell_db;
    QPushButton *Tabellen_dell;

    QPushButton *cmdNew;
    QPushButton *cmdSave;
    QPushButton *cmdEdit;
    QPushButton *cmdClose;
    DataNavigator *navigator;

private:
    void showFooter();
    void footerTyped();

    bool m_showingFooter = false;
};

FrmSettings &frmSettings();
