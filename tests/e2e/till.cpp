// Helper of the tests that need the program as a process of its own: a second
// start in the same folder, a kill in the middle of work, a user without the
// rights of the one running the tests. It starts as the program does (the
// folder lock, the hand-over, the database) and then does what its standard
// input asks, one command a line, answering each on its standard output:
//
//   kasse-test-till FOLDER [--as-user UID]
//
//   (start)     every message of the start-up as "MESSAGE <buttons> <text>",
//               then "STARTED", or "REFUSED" and the end of the program
//   sale N      stores a sale with the number N    -> "SOLD N"
//   dialog      shows the export's real folder dialog over the data folder
//               and closes it once it has listed the folder (which must hold
//               a subfolder "Export")                -> "DIALOG CLOSED"
//   quit        ends the program as "Beenden" does
//
// "--as-user" drops the root rights of the test before anything else, so that
// file permissions apply as they do for a shop's user.
#include <cstdio>
#include <iostream>
#include <string>

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QStandardPaths>
#include <QTimer>

#include "app/frmstart.h"
#include "platform/screens.h"
#include "platform/ui/realdialogs.h"

namespace {
void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// The real folder dialog; messages are written out and answered as the
// cashier's first choice would be.
class ReportingDialogs : public RealDialogs
{
public:
    int msgBox(const QString &text, int buttons, const QString &) override
    {
        say(QStringLiteral("MESSAGE %1 %2").arg(buttons).arg(QString(text).replace(u'\n', QStringLiteral(" | "))));
        return (buttons & 0x7) == mb::vbOKOnly ? mb::vbOK : mb::vbNo;
    }
};

// Points the folder dialog that is about to open at the data folder and
// closes it once it shows the folder's subfolder "Export", which the test
// made: the dialog's listing of the folder has then looked at every file in
// it, the database's among them.
void closeFolderDialogOnceListed()
{
    QTimer::singleShot(10, [] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            closeFolderDialogOnceListed();
            return;
        }
        dialog->setDirectory(QDir::currentPath());
        auto *listed = new QTimer(dialog);
        QObject::connect(listed, &QTimer::timeout, dialog, [dialog] {
            const auto *model = dialog->findChild<QFileSystemModel *>(QStringLiteral("qt_filesystem_model"));
            if (model && model->rowCount(model->index(QDir::currentPath())) > 0)
                dialog->reject();
        });
        listed->start(20);
    });
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 4 && std::string(argv[2]) == "--as-user") {
        const auto user = static_cast<uid_t>(std::stoul(argv[3]));
        if (::setgid(user) != 0 || ::setuid(user) != 0) {
            std::perror("setuid");
            return 2;
        }
    }
    if (argc < 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "usage: kasse-test-till FOLDER [--as-user UID]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    setDialogs(std::make_unique<ReportingDialogs>());

    StartedProgram started = startUp();
    if (!started.database) {
        say(QStringLiteral("REFUSED"));
        return 1;
    }
    Database::setCurrent(started.database.get());
    say(QStringLiteral("STARTED"));

    std::string line;
    while (std::getline(std::cin, line)) {
        const QStringList command = QString::fromStdString(line).split(u' ', Qt::SkipEmptyParts);
        if (command.value(0) == "sale") {
            if (!started.database->execute(QStringLiteral("INSERT INTO Sales (salesid, totalsales) VALUES (?1, 1990)"),
                                           {command.value(1).toLongLong()}))
                say(QStringLiteral("FAILED %1").arg(started.database->lastError()));
            else
                say(QStringLiteral("SOLD %1").arg(command.value(1)));
        } else if (command.value(0) == "dialog") {
            closeFolderDialogOnceListed();
            dialogs().chooseFolder(QStringLiteral("Ordner für den GDPdU-Export wählen"));
            say(QStringLiteral("DIALOG CLOSED"));
        } else if (command.value(0) == "quit") {
            break;
        }
    }
    screens().unloadAll();
    Database::setCurrent(nullptr);
    return 0;
}
