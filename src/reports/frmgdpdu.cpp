#include "reports/frmgdpdu.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "data/database.h"
#include "data/shopsettings.h"
#include "platform/screens.h"
#include "platform/ui/dialogs.h"
#include "reports/gdpduexport.h"

namespace {

// The shop as the description names it, from the current settings row.
gdpdu::DataSupplier shopAsSupplier()
{
    const ShopSettings shop = shopsettings::current();
    QStringList location;
    for (const QString &part : {shop.address.trimmed(), shop.place.trimmed()})
        if (!part.isEmpty())
            location << part;
    return {shop.name, location.join(QStringLiteral(", ")), {}};
}

} // namespace

FrmGdpdu::FrmGdpdu()
{
    setObjectName(QStringLiteral("frmgdpdu"));
    setWindowTitle(QStringLiteral("GDPdU-Export"));

    Label1 = makeLabel("Label1", QStringLiteral("Alle Tabellen der Datenbank werden als CSV-Dateien mit ihrer "
                                                "Beschreibung index.xml in einen Ordner geschrieben."));
    Label1->setWordWrap(true);
    cmdExport = makeButton("cmdExport", QStringLiteral("Exportieren"));
    cmdClose = makeButton("cmdClose", QStringLiteral("Schließen"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->showMessage(QStringLiteral("Bereit"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    resize(480, 180);

    connect(cmdExport, &QPushButton::clicked, this, &FrmGdpdu::cmdExport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmGdpdu::cmdClose_Click);
}

void FrmGdpdu::cmdExport_Click()
{
    const QString folder = dialogs().chooseFolder(QStringLiteral("Ordner für den GDPdU-Export wählen"));
    if (folder.isEmpty())
        return;
    Database *database = Database::current();
    if (!database) {
        dialogs().msgBox(QStringLiteral("Es ist keine Datenbank geöffnet."), mb::vbCritical);
        return;
    }

    cmdExport->setEnabled(false);
    const gdpdu::ExportResult result = gdpdu::exportDatabase(
        database->path(), folder, shopAsSupplier(), [this](int done, int steps, const QString &what) {
            ProgressBar1->setRange(0, steps);
            ProgressBar1->setValue(done);
            StatusBar1->showMessage(what.isEmpty() ? QString() : QStringLiteral("Schreibe %1 ...").arg(what));
            // The export runs in one go; painting now shows how far it is.
            ProgressBar1->repaint();
            StatusBar1->repaint();
        });
    cmdExport->setEnabled(true);

    if (!result.ok) {
        StatusBar1->showMessage(QStringLiteral("Export abgebrochen"));
        dialogs().msgBox(result.error, mb::vbCritical);
        return;
    }
    StatusBar1->showMessage(QStringLiteral("Export abgeschlossen"));
    QStringList names;
    for (const QString &file : result.files)
        names << QFileInfo(file).fileName();
    dialogs().msgBox(QStringLiteral("Der GDPdU-Export wurde in den Ordner „%1“ geschrieben:\n%2")
                         .arg(QDir::toNativeSeparators(folder), names.join(QStringLiteral(", "))),
                     mb::vbInformation);
}

void FrmGdpdu::cmdClose_Click()
{
    screens().unload<FrmGdpdu>();
}

FrmGdpdu &frmgdpdu()
{
    return screens().get<FrmGdpdu>();
}
