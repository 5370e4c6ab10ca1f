#include "till/frmcustomersearch.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/screens.h"
#include "till/frmsales.h"
#include "till/phonenumber.h"

FrmCustomerSearch::FrmCustomerSearch()
{
    setObjectName(QStringLiteral("frmCustomerSearch"));
    setWindowTitle(QStringLiteral("CSearch"));
    QFont base = font();
    base.setPointSize(14);
    setFont(base);

    Label5 = makeLabel("Label5", QStringLiteral("Kundensuche"));
    QFont heading = Label5->font();
    heading.setPointSize(20);
    heading.setBold(true);
    Label5->setFont(heading);
    auto *frame = new QGroupBox(this);
    Label4 = makeLabel("Label4", QStringLiteral("Kunden informationen"), frame);
    Label1 = makeLabel("Label1", QStringLiteral("Suche nach Tel.Nr."), frame);
    cusearch = makeTextBox("cusearch", frame);
    cusearch->setMinimumHeight(48);

    // A telephone keypad: 1 2 3 on top, 0 under 8.
    auto *keypad = new QGridLayout;
    for (int digit = 0; digit <= 9; ++digit) {
        QPushButton *key = makeButton("lButton", QString::number(digit), frame);
        key->setObjectName(QStringLiteral("lButton(%1)").arg(digit));
        key->setMinimumSize(72, 64);
        key->setFocusPolicy(Qt::NoFocus);
        connect(key, &QPushButton::clicked, this, [this, digit] { lButton_Click(digit); });
        lButton << key;
        if (digit == 0)
            keypad->addWidget(key, 3, 1);
        else
            keypad->addWidget(key, (digit - 1) / 3, (digit - 1) % 3);
    }
    lButtonClr = makeButton("lButtonClr", QStringLiteral("Clr"), frame);
    lButtonClr->setMinimumSize(72, 64);
    keypad->addWidget(lButtonClr, 3, 2);
    cmdFind = makeButton("cmdFind", QStringLiteral("Suchen"), frame);
    cmdFind->setMinimumHeight(64);
    connect(lButtonClr, &QPushButton::clicked, this, &FrmCustomerSearch::lButtonClr_Click);
    connect(cmdFind, &QPushButton::clicked, this, &FrmCustomerSearch::cmdFind_Click);

    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(Label4);
    frameLayout->addWidget(Label1);
    frameLayout->addWidget(cusearch);
    frameLayout->addLayout(keypad);
    frameLayout->addWidget(cmdFind);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label5);
    layout->addWidget(frame);
}

void FrmCustomerSearch::Form_Load()
{
    frmSales().ADOCustomer.refresh();
}

void FrmCustomerSearch::lButton_Click(int index)
{
    cusearch->setText(cusearch->text() + lButton.at(index)->text());
}

void FrmCustomerSearch::lButtonClr_Click()
{
    cusearch->clear();
}

void FrmCustomerSearch::cmdFind_Click()
{
    // Numbers match by their digits, however they were typed or stored.
    // Without a match no customer is current, and the sales screen shows an
    // empty customer.
    DataControl &customers = frmSales().ADOCustomer;
    customers.refresh();
    findCustomerByPhone(customers.recordset(), cusearch->text());
    screens().unload<FrmCustomerSearch>();
}

FrmCustomerSearch &frmCustomerSearch()
{
    return screens().get<FrmCustomerSearch>();
}
