#include "app/frmstart.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QTimer>

#include "app/folderlock.h"
#include "app/frmlogin.h"
#include "app/handover.h"
#include "data/database.h"
#include "platform/screens.h"
#include "platform/ui/dialogs.h"

namespace {
constexpr int ProgressTickMs = 30;
constexpr int HandOverDelayMs = 5;
} // namespace

FrmStart::FrmStart()
{
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(QStringLiteral("Splash"));
    setFixedSize(480, 300);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);

    Image1_0 = makeLabel("Image1(0)", QStringLiteral("TalVEX"));
    Image1_0->setAlignment(Qt::AlignCenter);
    QFont big = Image1_0->font();
    big.setPointSize(36);
    big.setBold(true);
    Image1_0->setFont(big);
    Image1_0->setGeometry(20, 40, 440, 140);

    sversion = makeLabel("sversion", QStringLiteral("Version 1.0"));
    sversion->setAlignment(Qt::AlignCenter);
    sversion->setGeometry(20, 190, 440, 24);

    lblStatus = makeLabel("lblStatus", QString());
    lblStatus->setAlignment(Qt::AlignCenter);
    lblStatus->setGeometry(20, 214, 440, 24);
    lblStatus->hide();

    Picture1_3 = new QFrame(this);
    Picture1_3->setObjectName(QStringLiteral("Picture1(3)"));
    Picture1_3->setFrameShape(QFrame::Box);
    Picture1_3->setGeometry(20, 240, 440, 24);
    Image1_3 = new QFrame(Picture1_3);
    Image1_3->setObjectName(QStringLiteral("Image1(3)"));
    Image1_3->setAutoFillBackground(true);
    Image1_3->setBackgroundRole(QPalette::Highlight);
    Image1_3->setGeometry(3, 3, 0, 18);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(ProgressTickMs);
    connect(Timer2, &QTimer::timeout, this, &FrmStart::Timer2_Timer);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(HandOverDelayMs);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &FrmStart::Timer1_Timer);
}

FrmStart::~FrmStart()
{
    Database::setUpgradeNotice(nullptr);
}

void FrmStart::Form_Load()
{
    // The swap opens both files, which may bring them up to date first.
    Database::setUpgradeNotice([this] { showUpgradeNotice(); });
    // Nothing has opened the database yet: this is the one moment it can be
    // replaced safely.
    const handover::SwapResult swap = handover::completePending();
    if (const QString message = handover::swapMessage(swap); !message.isEmpty())
        dialogs().msgBox(message, swap.error.isEmpty() ? mb::vbInformation : mb::vbExclamation);
    Timer2->start();
}

void FrmStart::showUpgradeNotice()
{
    lblStatus->setText(QStringLiteral("Die Datenbank wird auf den neuen Stand gebracht. Bitte warten …"));
    lblStatus->show();
    dialogs().showModeless(this);
    // The upgrade runs before the event loop does: the splash is painted now.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FrmStart::Timer2_Timer()
{
    ++m_progressCount;
    if (m_progressCount > 100) {
        m_progressCount = 100;
        Timer1->start();
        Timer2->stop();
    }
    // Equal margins on both sides of the frame when the bar is full.
    const double fullWidth = Picture1_3->width() - 2.0 * Image1_3->x();
    Image1_3->resize(static_cast<int>(fullWidth * m_progressCount / 100.0), Image1_3->height());
    setWindowTitle(QString::number(m_progressCount) + QStringLiteral(" %"));
}

void FrmStart::Timer1_Timer()
{
    // The login screen is shown first: with no window left on screen the
    // program would end.
    dialogs().showModeless(&frmLogIn());
    screens().unload<FrmStart>();
}

FrmStart &frmStart()
{
    return screens().get<FrmStart>();
}

StartedProgram startUp()
{
    const auto refuse = [](const QString &why) {
        dialogs().msgBox(why + QStringLiteral("\nDas Programm wird beendet."), mb::vbCritical);
        return StartedProgram{};
    };
    QString error;
    StartedProgram started;
    started.lock = FolderLock::take(&error);
    if (!started.lock)
        return refuse(error);

    // An empty template is what a start killed while making it left behind
    // under older versions; it holds nothing.
    const QString templateName = QString::fromLatin1(Database::TemplateFileName);
    if (QFileInfo(templateName).isFile() && QFileInfo(templateName).size() == 0)
        QFile::remove(templateName);
    if (!QFile::exists(templateName) && !Database::createFile(templateName, &error))
        dialogs().msgBox(error, mb::vbExclamation);

    FrmStart &splash = frmStart();
    started.database = Database::openOrCreate(QString::fromLatin1(Database::FileName), &error);
    Database::setUpgradeNotice(nullptr);
    if (!started.database) {
        // The refusal is the only window: the splash goes first, and with it
        // the timers that would open the login over the message.
        splash.Timer2->stop();
        splash.Timer1->stop();
        screens().unload<FrmStart>();
        return refuse(error);
    }
    return started;
}
