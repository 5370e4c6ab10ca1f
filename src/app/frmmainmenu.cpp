#include "app/frmmainmenu.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>

#include "app/frmabout.h"
#include "app/frmlogin.h"
#include "app/frmsettings.h"
#include "data/database.h"
#include "data/shopsettings.h"
#include "masterdata/frmbrands.h"
#include "masterdata/frmcategory.h"
#include "masterdata/frmcustomer.h"
#include "masterdata/frmproduct.h"
#include "masterdata/frmproductupdate.h"
#include "masterdata/frmsupplier.h"
#include "masterdata/frmuseraccount.h"
#include "platform/screens.h"
#include "platform/ui/appearance.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/wrappingbutton.h"
#include "reports/frmgdpdu.h"
#include "reports/frmkasaber.h"
#include "reports/frmselectdate.h"
#include "reports/reportlayouts.h"
#include "reports/reportqueries.h"
#include "reports/ui/reportsource.h"
#include "shell/session.h"
#include "till/frmsales.h"

namespace {

// Sizes in twips (1/1440 inch).
constexpr int ButtonWidth = 1935;
constexpr int ButtonHeight = 1095;
constexpr int Shape2Width = 1050;
constexpr int TwipsPerPixel = 15;

const QColor FrameBlue(0xC0, 0xC0, 0xFF);
const QColor BandBlue(0x4B, 0x6C, 0xC8);

// Opens a screen modally; the menu waits until it is closed.
template <class Screen> void openModal(Screen &(*screen)())
{
    dialogs().showModal(&screen());
}

} // namespace

FrmMainMenu::FrmMainMenu()
    : m_productInventory(reports::productInventoryLayout()), m_creditReport(reports::creditReportLayout())
{
    setObjectName(QStringLiteral("frmMainMenu"));
    setWindowTitle(QStringLiteral("Main Menu TalVEX"));
    appearance::setBackColor(this, appearance::ScreenBlue);
    setSizeGripEnabled(true);
    setWindowState(Qt::WindowMaximized);

    // The background first, so that the buttons lie on top of it.
    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    appearance::setBackColor(Shape2, BandBlue);
    imagelogo = new QLabel(this);
    imagelogo->setObjectName(QStringLiteral("imagelogo"));
    placeTwips(imagelogo, 3480, 6720, 2400, 1200);

    auto button = [this](const char *name, const QString &caption, int left, int top, QWidget *parent = nullptr) {
        auto *created = new WrappingButton(caption, parent ? parent : this);
        created->setObjectName(QString::fromLatin1(name));
        placeTwips(created, left, top, ButtonWidth, ButtonHeight);
        return created;
    };
    ShowCategory = button("ShowCategory", QStringLiteral("Kategorie"), 240, 240);
    ShowCustomer = button("ShowCustomer", QStringLiteral("Kunden"), 2640, 240);
    ShowSettings = button("ShowSettings", QStringLiteral("Einstellungen"), 5040, 240);
    btnAbout = button("btnAbout", QStringLiteral("Info"), 7440, 240);
    ShowBrands = button("ShowBrands", QStringLiteral("Marken"), 240, 1440);
    showSupplier = button("showSupplier", QStringLiteral("Lieferanten"), 2640, 1440);
    ShowUser = button("ShowUser", QStringLiteral("Benutzer"), 5040, 1440);
    btnLogOut = button("btnLogOut", QStringLiteral("Abmelden"), 7440, 1440);
    btnLogOut->hide();
    ShowReoduct = button("ShowReoduct", QStringLiteral("Produkte"), 240, 2640);
    btnProUpdate = button("btnProUpdate", QStringLiteral("Produkt Aktualisierung"), 2640, 2640);
    ShowSale = button("ShowSale", QStringLiteral("Kasse"), 5040, 2640);
    extButon = button("extButon", QStringLiteral("Beenden"), 7440, 2640);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    appearance::setBackColor(Frame1, FrameBlue);
    placeTwips(Frame1, 240, 3960, 9255, 2535);
    btnProReport = button("btnProReport", QStringLiteral("Produkt Bericht"), 120, 120, Frame1);
    placeTwips(btnProReport, 120, 120, 1815, ButtonHeight);
    btnRepSale = button("btnRepSale", QStringLiteral("Verkaufsbericht"), 2400, 120, Frame1);
    btnRepDelivery = button("btnRepDelivery", QStringLiteral("Bestellungen"), 4800, 120, Frame1);
    btnRepCredit = button("btnRepCredit", QStringLiteral("Lieferungen"), 7200, 120, Frame1);
    kasAbBer = button("kasAbBer", QStringLiteral("Mitarbeiter Abschlussbericht"), 120, 1320, Frame1);
    placeTwips(kasAbBer, 120, 1320, 1815, ButtonHeight);
    btngdpdu = button("btngdpdu", QStringLiteral("GDPdU-Export"), 2400, 1440, Frame1);
    placeTwips(btngdpdu, 2400, 1440, ButtonWidth, 975);

    connect(ShowCategory, &QPushButton::clicked, this, [] { openModal(&frmCategory); });
    connect(ShowCustomer, &QPushButton::clicked, this, [] { openModal(&frmCustomer); });
    connect(ShowSettings, &QPushButton::clicked, this, [] { openModal(&frmSettings); });
    connect(btnAbout, &QPushButton::clicked, this, [] { openModal(&frmAbout); });
    connect(ShowBrands, &QPushButton::clicked, this, [] { openModal(&frmBrands); });
    connect(showSupplier, &QPushButton::clicked, this, [] { openModal(&frmSupplier); });
    connect(ShowUser, &QPushButton::clicked, this, [] { openModal(&frmUserAccount); });
    connect(btnLogOut, &QPushButton::clicked, this, &FrmMainMenu::btnLogOut_Click);
    connect(ShowReoduct, &QPushButton::clicked, this, [] { openModal(&frmProduct); });
    connect(btnProUpdate, &QPushButton::clicked, this, &FrmMainMenu::btnProUpdate_Click);
    connect(ShowSale, &QPushButton::clicked, this, [] { openModal(&frmSales); });
    connect(extButon, &QPushButton::clicked, this, &FrmMainMenu::extButon_Click);
    connect(btnProReport, &QPushButton::clicked, this, &FrmMainMenu::btnProReport_Click);
    connect(btnRepSale, &QPushButton::clicked, this, &FrmMainMenu::btnRepSale_Click);
    connect(btnRepDelivery, &QPushButton::clicked, this, &FrmMainMenu::btnRepDelivery_Click);
    connect(btnRepCredit, &QPushButton::clicked, this, &FrmMainMenu::btnRepCredit_Click);
    connect(kasAbBer, &QPushButton::clicked, this, &FrmMainMenu::kasAbBer_Click);
    connect(btngdpdu, &QPushButton::clicked, this, &FrmMainMenu::btngdpdu_Click);

    ArrangeBackground();
}

void FrmMainMenu::Form_Load()
{
    // The id of the user who logged in, compared exactly: "OPS-Warden5830"
    // is another user.
    Frame1->setEnabled(session().UserID == QLatin1String(Database::AdministratorId));
}

bool FrmMainMenu::Form_QueryUnload()
{
    if (dialogs().msgBox(QStringLiteral("Möchten Sie das Programm wirklich beenden?"),
                         mb::vbYesNo + mb::vbInformation) != mb::vbYes)
        return false;
    dialogs().endProgram();
    return true;
}

void FrmMainMenu::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    ArrangeBackground();
}

void FrmMainMenu::ArrangeBackground()
{
    const QSize display = screen() ? screen()->size() : size();
    Shape1->setGeometry(0, 0, display.width(), display.height());
    Shape2->setGeometry(0, 0, Shape2Width / TwipsPerPixel, height());
    imagelogo->move(qRound((width() - imagelogo->width()) / 2.0), imagelogo->y());
}

void FrmMainMenu::extButon_Click()
{
    screens().unload<FrmMainMenu>();
}

void FrmMainMenu::btnLogOut_Click()
{
    session().LogOutMode = true;
    FrmLogIn &login = frmLogIn();
    login.setWindowTitle(QStringLiteral("LOG-OUT"));
    dialogs().showModeless(&login);
}

void FrmMainMenu::btnProUpdate_Click()
{
    // The stock report loads the stock list unseen, list and all. Opened
    // later, the list reads the stock of now, not what was on hand then.
    const bool loadedUnseen = screens().isLoaded<FrmProductUpdate>();
    FrmProductUpdate &stock = frmProductUpdate();
    if (loadedUnseen)
        stock.Form_Load();
    dialogs().showModal(&stock);
}

void FrmMainMenu::btnProReport_Click()
{
    // Loading the stock list reads the stock of now; a list loaded earlier
    // reads it again.
    const bool loadedEarlier = screens().isLoaded<FrmProductUpdate>();
    DataControl &stock = frmProductUpdate().ADOProductInventory;
    if (loadedEarlier)
        stock.refresh();
    stock->clearFilter();
    if (!reportRowsReadable(stock.recordset()))
        return;
    showReportSafely([&] {
        m_productInventory.setDataSource(stock);
        reports::setShopHeader(m_productInventory, QStringLiteral("section4"), QStringLiteral("label13"),
                               QStringLiteral("label14"), QStringLiteral("label15"), shopsettings::current());
        m_productInventory.show();
    });
}

void FrmMainMenu::btnRepSale_Click()
{
    session().ReportType = QStringLiteral("Sales");
    dialogs().showModeless(&frmSelectDate());
}

void FrmMainMenu::btnRepDelivery_Click()
{
    session().ReportType = QStringLiteral("Purchase");
    dialogs().showModeless(&frmSelectDate());
}

void FrmMainMenu::btnRepCredit_Click()
{
    Adodc1.refresh();
    if (!reportRowsReadable(Adodc1.recordset()))
        return;
    showReportSafely([&] {
        m_creditReport.setDataSource(Adodc1);
        reports::setShopHeader(m_creditReport, QStringLiteral("section4"), QStringLiteral("label1"),
                               QStringLiteral("label2"), QStringLiteral("label3"), shopsettings::current());
        m_creditReport.show();
    });
}

void FrmMainMenu::kasAbBer_Click()
{
    dialogs().showModeless(&frmKasaBer());
}

void FrmMainMenu::btngdpdu_Click()
{
    dialogs().showModal(&frmgdpdu());
}

FrmMainMenu &frmMainMenu()
{
    return screens().get<FrmMainMenu>();
}
