#include <memory>

#include <QApplication>

#include "app/folderlock.h"
#include "app/frmstart.h"
#include "data/database.h"
#include "platform/screens.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/toolkittranslation.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppTitle);
    installGermanToolkitTexts(app);

    // The database and its reset template live in the working directory.
    // The lock of the data folder is held until the program ends.
    const StartedProgram started = startUp();
    if (!started.database)
        return 1;
    Database::setCurrent(started.database.get());

    // The splash screen hands over to the login, the login to the main menu.
    dialogs().showModeless(&frmStart());
    const int result = app.exec();
    screens().unloadAll();
    return result;
}
