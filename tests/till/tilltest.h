#pragma once

#include <functional>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/tcpclient.h"
#include "support/fixture.h"
#include "till/frmsales.h"

// What the till's tests share: products as the shop enters them, an article
// sold by its number, a call coming down the line, and a window the cashier
// works while the till waits for it.
class TillTest : public DatabaseTest
{
protected:
    // Telephone numbers as the shop typed them; the router sends digits.
    void addCallers()
    {
        exec("INSERT INTO Customer (CustomerID, Customername, ContactNumber) VALUES (1, 'Meier', '+49 30 1111'),"
             " (2, 'Schulz', '0171 / 123 45 67'), (3, 'Ohne Telefon', '')");
    }

    void addProduct(int id, const QString &articleNumber, const QString &description, const QString &category,
                    const QString &taxRate, qint64 priceCents, qint64 stock = 10, const QString &size = "1 kg")
    {
        exec("INSERT INTO Products (ProductID, ArtNr, Description, Category, Mwst, SalesPrice, Quantity, Size)"
             " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)",
             {id, articleNumber, description, category, taxRate, priceCents, stock, size});
    }

    // Types an article number and a quantity and presses Enter.
    static void sell(FrmSales &sales, const QString &articleNumber, const QString &quantity = "1")
    {
        sales.txtid->clear();
        sales.txtid->setText(articleNumber);
        sales.txtQty->setText(quantity);
        QTest::keyClick(sales.txtQty, Qt::Key_Return);
    }

    // A call from a number, announced as if it had come down the line.
    static void ring(FrmSales &sales, const QString &stamp, const QString &caller)
    {
        emit sales.Winsock1->dataArrived(QStringLiteral("%1;RING;0;%2;5551234;SIP0;\r\n").arg(stamp, caller).toUtf8());
    }

    // Presses the button and lets `cashier` work the window it shows modally.
    template <class Screen> void work(QPushButton *button, const std::function<void(Screen &)> &cashier)
    {
        m_dialogs->onModal([cashier](QDialog *window) {
            cashier(*qobject_cast<Screen *>(window));
            return 0;
        });
        button->click();
        processEvents();
    }
};
