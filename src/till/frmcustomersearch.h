#pragma once

#include <QList>

#include "platform/ui/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Finds a customer by telephone number, typed on a keypad, and makes that
// customer the sales screen's customer. Unloaded after every search, so it
// starts empty each time.
class FrmCustomerSearch : public Form
{
    Q_OBJECT

public:
    FrmCustomerSearch();

    void Form_Load() override;

    QLabel *Label5;
    QLabel *Label4;
    QLabel *Label1;
    QLineEdit *cusearch;
    QList<QPushButton *> lButton; // the digits 0 to 9
    QPushButton *lButtonClr;
    QPushButton *cmdFind;

private:
    void lButton_Click(int index);
    void lButtonClr_Click();
    void cmdFind_Click();
};

FrmCustomerSearch &frmCustomerSearch();
