#include <memory>

#include <QApplication>
#include <QFile>
#include <QMainWindow>

#include "app/screens.h"
#include "data/database.h"
#include "platform/ui/dialogs.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppTitle);

    // The database and its reset template live in the working directory.
    QString error;
    if (!QFile::exists(QString::fromLatin1(Database::TemplateFileName))
        && !Database::createFile(QString::fromLatin1(Database::TemplateFileName), &error))
        dialogs().msgBox(error, mb::vbExclamation);
    std::unique_ptr<Database> database = Database::openOrCreate(QString::fromLatin1(Database::FileName), &error);
    if (!database)
        dialogs().msgBox(error, mb::vbCritical);
    Database::setCurrent(database.get());

    QMainWindow window;
    window.setWindowTitle(AppTitle);
    window.resize(800, 600);
    window.show();
    const int result = app.exec();
    screens().unloadAll();
    return result;
}
