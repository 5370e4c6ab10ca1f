#pragma once

#include "platform/ui/form.h"

class QFrame;
class QLabel;
class QPushButton;

// The About box: the product's logo, name and version.
class FrmAbout : public Form
{
    Q_OBJECT

public:
    FrmAbout();

    void abClose_Click();

    QLabel *Picture1;
    QFrame *Frame1;
    QFrame *Line1;
    QFrame *Line2;
    QLabel *Label1;
    QPushButton *abClose;
};

FrmAbout &frmAbout();
