#include <memory>

#include <QApplication>
#include <QFile>

#include "app/frmstart.h"
#include "app/screens.h"
#include "data/database.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/toolkittranslation.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppTitle);
    installGermanToolkitTexts(app);

    // The database and its reset template live in the working directory.
    QString error;
    if (!QFile::exists(QString::fromLatin1(Database::TemplateFileName)) &&
        !Database::createFile(QString::fromLatin1(Database::TemplateFileName), &error))
        dialogs().msgBox(error, mb::vbExclamation);

    // Loading the splash screen swaps in a database that a data reset left
    // for this start; only then may the database be opened.
    FrmStart &splash = frmStart();
    std::unique_ptr<Database> database = Database::openOrCreate(QString::fromLatin1(Database::FileName), &error);
    if (!database)
        dialogs().msgBox(error, mb::vbCritical);
    Database::setCurrent(database.get());

    // The splash screen hands over to the login, the login to the main menu.
    dialogs().showModeless(&splash);
    const int result = app.exec();
    screens().unloadAll();
    return result;
}
