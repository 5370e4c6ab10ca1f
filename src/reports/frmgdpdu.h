#pragma once

#include "platform/ui/form.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;

// The export for a tax audit: the user chooses a folder, and every table of
// the database is written there as a CSV file, followed by their description
// index.xml and its document type definition.
class FrmGdpdu : public Form
{
    Q_OBJECT

public:
    FrmGdpdu();

    void cmdExport_Click();
    void cmdClose_Click();

    QLabel *Label1;
    QPushButton *cmdExport;
    QPushButton *cmdClose;
    QProgressBar *ProgressBar1;
    QStatusBar *StatusBar1;
};

FrmGdpdu &frmgdpdu();
