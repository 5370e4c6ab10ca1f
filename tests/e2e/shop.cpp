// Helper of the end-to-end test (run-sale.sh): fills a fresh database with a
// small shop, and tells where the controls the test clicks stand in their
// windows. It lays the screens out offscreen on that same database, with the
// same fonts as the program on the virtual display, so the positions follow
// any change of a screen's layout.
//
//   kasse-e2e-shop fill FOLDER
//   kasse-e2e-shop centres FOLDER SCREEN [click:NAME]... NAME...
//
// "centres" prints one line "NAME X Y" per control: its centre in the
// window's coordinates. A "click:NAME" argument clicks that control first
// (a category button, to fill the product buttons).
#include <cstdio>
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "app/frmlogin.h"
#include "app/frmmainmenu.h"
#include "platform/screens.h"
#include "shell/session.h"
#include "data/database.h"
#include "till/frmpayment.h"
#include "till/frmsales.h"

namespace {
const char *const Shop[] = {
    "UPDATE Settings SET cName = 'Pizzeria Testa', cAddress = 'Hauptstraße 1', cPlace = '12345 Musterstadt'",
    "INSERT INTO Category (CategoryID, Category) VALUES (1, 'Pizza'), (2, 'Getränke')",
    "INSERT INTO Customer (CustomerID, Customername, Address, Place, ContactNumber)"
    " VALUES (1, 'Laufkunde', 'Theke', 'Musterstadt', '0')",
    "INSERT INTO Products (ProductID, ArtNr, Description, Category, Mwst, SalesPrice, Quantity, Size)"
    " VALUES (1, '101', 'Pizza Margherita', 'Pizza', '7', 750, 20, '30 cm'),"
    " (2, '102', 'Pizza Salami', 'Pizza', '7', 850, 20, '30 cm'),"
    " (3, '201', 'Cola', 'Getränke', '19', 250, 50, '0,33 l')",
};

int fill(const QString &folder)
{
    QString error;
    auto db = Database::openOrCreate(QDir(folder).filePath(QString::fromLatin1(Database::FileName)), &error);
    if (!db) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    for (const char *sql : Shop)
        if (!db->execute(QString::fromUtf8(sql))) {
            std::fprintf(stderr, "refused: %s\n", sql);
            return 1;
        }
    return 0;
}

QWidget *screenNamed(const QString &name)
{
    if (name == "login")
        return &frmLogIn();
    if (name == "menu")
        return &frmMainMenu();
    if (name == "sales")
        return &frmSales();
    if (name == "payment")
        return &frmPayment();
    return nullptr;
}

int centres(const QString &folder, const QStringList &arguments)
{
    QDir::setCurrent(folder);
    QString error;
    auto db = Database::openOrCreate(QString::fromLatin1(Database::FileName), &error);
    if (!db) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    Database::setCurrent(db.get());
    session().CashierName = QString::fromLatin1(Database::AdministratorId);
    QWidget *window = screenNamed(arguments.value(0));
    if (!window) {
        std::fprintf(stderr, "unknown screen %s\n", qPrintable(arguments.value(0)));
        return 2;
    }
    window->show();
    int status = 0;
    for (const QString &argument : arguments.mid(1)) {
        const bool click = argument.startsWith("click:");
        const QString name = click ? argument.mid(6) : argument;
        auto *control = window->findChild<QWidget *>(name);
        // A control the program shows only later (the payment's "Bar" for a
        // sale) still has its place.
        if (!control) {
            std::fprintf(stderr, "no control %s\n", qPrintable(name));
            status = 3;
            continue;
        }
        if (click) {
            if (auto *button = qobject_cast<QAbstractButton *>(control))
                button->click();
            continue;
        }
        const QPoint centre = control->mapTo(window, control->rect().center());
        std::printf("%s %d %d\n", qPrintable(name), centre.x(), centre.y());
    }
    screens().unloadAll();
    Database::setCurrent(nullptr);
    return status;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() == 2 && arguments[0] == "fill")
        return fill(arguments[1]);
    if (arguments.size() >= 3 && arguments[0] == "centres")
        return centres(arguments[1], arguments.mid(2));
    std::fprintf(stderr, "usage: kasse-e2e-shop fill FOLDER | centres FOLDER SCREEN [click:NAME]... NAME...\n");
    return 2;
}
