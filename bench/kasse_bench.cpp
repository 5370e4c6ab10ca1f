// Measures the work the shop waits for at the sizes a kiosk, a grocery and a
// delivery shop reach after years, each figure beside a reference measured in
// the same run: the same work in a small shop, the same rows through plain
// SQL, or the sqlcipher command-line tool. Run it with scripts/bench.
#include <algorithm>
#include <cstdio>
#include <string>

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/frmmainmenu.h"
#include "data/database.h"
#include "masterdata/frmcustomer.h"
#include "masterdata/frmproduct.h"
#include "masterdata/frmproductupdate.h"
#include "platform/screens.h"
#include "platform/ui/scripteddialogs.h"
#include "probe.h"
#include "reports/frmselectdate.h"
#include "shell/session.h"
#include "shopdata.h"
#include "storebench.h"
#include "till/frmpayment.h"
#include "till/frmsales.h"
#include "till/ui/pagedbuttongrid.h"

namespace {

// A headless program run on one shop's database, logged in as the
// administrator, with dialogs that answer at once.
class Run
{
public:
    explicit Run(const ShopSize &size)
        : m_app(m_argc, m_argv), m_db(Database::openOrCreate(shopDatabase(size), &m_error))
    {
        if (!m_db) {
            std::fprintf(stderr, "%s\n", qPrintable(m_error));
            std::exit(1);
        }
        QDir::setCurrent(m_work.path());
        Database::setCurrent(m_db.get());
        dialogs = &ScriptedDialogs::install();
        session().UserID = QString::fromLatin1(Database::AdministratorId);
        session().CashierName = session().UserID.toUpper();
    }
    ~Run()
    {
        screens().unloadAll();
        settle();
        Database::setCurrent(nullptr);
    }

    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    Database &db() { return *m_db; }
    ScriptedDialogs *dialogs = nullptr;

private:
    int m_argc = 1;
    char m_name[12] = "kasse_bench";
    char *m_argv[2] = {m_name, nullptr};
    QApplication m_app;
    QTemporaryDir m_work;
    QString m_error;
    std::unique_ptr<Database> m_db;
};

// A slow piece of work is timed once; a quick one as the median of `runs`.
double timeMs(int runs, const std::function<void()> &work)
{
    const double first = medianMs(1, work);
    return first > 5000 ? first : medianMs(runs, work);
}

// How long a screen takes to open and paint its first view, as the staff
// wait for it; closing it again is not counted. The memory it adds at its
// peak, in MB, goes to *added.
template <class Screen> double openScreenMs(int runs, double *added = nullptr)
{
    std::vector<double> times;
    const double before = peakResidentMb();
    for (int run = 0; run < runs; ++run) {
        times.push_back(medianMs(1, [] {
            Screen &screen = screens().get<Screen>();
            screen.show();
            QCoreApplication::processEvents();
            screen.repaint();
        }));
        if (added && run == 0)
            *added = peakResidentMb() - before;
        screens().unload<Screen>();
        Run::settle();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

Figures stockList(const ShopSize &size)
{
    Run run(size);
    double added = 0;
    Figures figures{{"list", openScreenMs<FrmProductUpdate>(3, &added)}};
    figures["list rss"] = added;
    FrmMainMenu &menu = screens().get<FrmMainMenu>();
    // Each time with the stock list not loaded, as after the program starts;
    // closing what the last one showed is not counted.
    std::vector<double> times;
    for (int attempt = 0; attempt < 3; ++attempt) {
        screens().unload<FrmProductUpdate>();
        Run::settle();
        times.push_back(medianMs(1, [&] { menu.btnProReport->click(); }));
    }
    std::sort(times.begin(), times.end());
    figures["report"] = times[1];
    return figures;
}

// Types an article number as the cashier does, one key at a time.
void typeArticleNumber(FrmSales &sales, const QString &number)
{
    sales.txtid->clear();
    for (int length = 1; length <= number.size(); ++length)
        sales.txtid->setText(number.left(length));
}

// The first product the till looks at loads the product editor unseen; it
// happens once per run, so each measurement is a run of its own.
Figures firstProductAccess(const ShopSize &size)
{
    Run run(size);
    FrmSales &sales = screens().get<FrmSales>();
    return {{"first product access", medianMs(1, [&] { sales.txtid->setText(QStringLiteral("0")); })}};
}

Figures tillLookUps(const ShopSize &size)
{
    Run run(size);
    FrmSales &sales = screens().get<FrmSales>();
    Figures figures;
    sales.txtid->setText(QStringLiteral("0"));
    int product = 1;
    figures["keystroke"] = timeMs(60, [&] {
        sales.txtid->setText(articleNumber(product).left(product % 6 + 1));
        product += size.products / 61;
    });
    figures["keystroke sql"] = timeMs(60, [&] {
        run.db().select(QStringLiteral("SELECT * FROM Products WHERE ArtNr = ?1"), {articleNumber(product)});
        product += size.products / 61;
    });
    int category = 0;
    figures["category"] = timeMs(10, [&] { sales.categoryPages->buttons().at(category++ % 28)->click(); });
    figures["category sql"] = timeMs(10, [&] {
        run.db().select(QStringLiteral("SELECT * FROM Products WHERE Category = ?1"),
                        {QStringLiteral("Kategorie %1").arg(category++ % 28)});
    });
    // The largest category beside a small one, each clicked after another
    // category, as the cashier goes from one to the next.
    QPushButton *other = sales.categoryPages->buttons().at(2);
    for (const auto &[name, index] :
         {std::pair{"largest category", LargestCategory}, std::pair{"hundredth category", HundredthCategory}}) {
        QPushButton *button = sales.categoryPages->buttons().at(index);
        std::vector<double> times;
        for (int run = 0; run < 15; ++run) {
            other->click();
            times.push_back(medianMs(1, [&] { button->click(); }));
        }
        std::sort(times.begin(), times.end());
        figures[name] = times[times.size() / 2];
    }
    return figures;
}

// Sells ten lines: five by category and product button, five by article
// number; then "Kasse", the amount tendered and "Bar". Returns how long "Bar"
// took.
double sellTenLines(FrmSales &sales, int seed, ScriptedDialogs &dialogs)
{
    for (int line = 0; line < 5; ++line) {
        sales.categoryPages->buttons().at((seed + line) % 28)->click();
        sales.productPages->buttons().at(line)->click();
    }
    for (int line = 0; line < 5; ++line) {
        typeArticleNumber(sales, articleNumber(1 + (seed * 37 + line * 101) % 900));
        sales.ArtSelok->click();
    }
    double bar = 0;
    dialogs.onModal([&](QDialog *window) {
        auto &payment = *static_cast<FrmPayment *>(window);
        payment.txtamount->setText(QStringLiteral("500"));
        bar = medianMs(1, [&] { payment.cmdSales->click(); });
        return 1;
    });
    sales.cmdPayment->click();
    return bar;
}

Figures saleRoad(const ShopSize &size)
{
    Run run(size);
    Figures figures;
    FrmSales &sales = screens().get<FrmSales>();
    int seed = 0;
    double bar = 0;
    figures["road"] = timeMs(3, [&] { bar = sellTenLines(sales, seed++, *run.dialogs); });
    figures["bar"] = bar;
    std::vector<double> opening;
    for (int attempt = 0; attempt < 5; ++attempt) {
        double opened = 0;
        QElapsedTimer clock;
        run.dialogs->onModal([&](QDialog *) {
            opened = clock.nsecsElapsed() / 1e6;
            return 0;
        });
        // "Kasse" needs an order to pay for.
        typeArticleNumber(sales, articleNumber(1 + attempt));
        sales.ArtSelok->click();
        clock.start();
        sales.cmdPayment->click();
        opening.push_back(opened);
        Run::settle();
    }
    std::sort(opening.begin(), opening.end());
    figures["payment open"] = opening[opening.size() / 2];
    figures["rss"] = peakResidentMb();
    return figures;
}

Figures editors(const ShopSize &size)
{
    Run run(size);
    Figures figures;
    double added = 0;
    figures["product open"] = openScreenMs<FrmProduct>(3, &added);
    figures["product rss"] = added;
    FrmProduct &products = screens().get<FrmProduct>();
    int product = 1;
    figures["product find"] = timeMs(3, [&] {
        run.dialogs->answerInput(articleNumber(product += size.products / 4));
        products.cmdFind->click();
    });
    figures["customer open"] = openScreenMs<FrmCustomer>(3);
    return figures;
}

Figures monthReport(const ShopSize &size)
{
    Run run(size);
    Figures figures{{"before", residentMb()}};
    session().ReportType = QStringLiteral("Sales");
    FrmSelectDate &period = screens().get<FrmSelectDate>();
    const QDate month = QDate::fromString(QString::fromLatin1(SalesStart), Qt::ISODate).addMonths(12);
    period.dtFrom->setDate(month);
    period.dtTo->setDate(month.addMonths(1).addDays(-1));
    figures["ms"] = medianMs(1, [&] { period.cmdPrint->click(); });
    figures["rss"] = peakResidentMb();
    return figures;
}

void row(const char *work, const char *sizeText, const QString &today, const QString &reference, const QString &ratio,
         const char *goal)
{
    std::printf("| %-44s | %-22s | %-12s | %-28s | %-8s | %-18s |\n", work, sizeText, qPrintable(today),
                qPrintable(reference), qPrintable(ratio), goal);
    std::fflush(stdout);
}

QString ms(double value)
{
    return QStringLiteral("%1 ms").arg(value, 0, 'f', value < 10 ? 2 : 0);
}
QString megabytes(double value)
{
    return QStringLiteral("%1 MB").arg(value, 0, 'f', 0);
}
QString times(double value)
{
    return QStringLiteral("%1x").arg(value, 0, 'f', 2);
}

// A figure of one shop beside the same figure of another, measured in the
// same run.
void compared(const char *work, const char *sizeText, const Figures &figure, const Figures &reference, const char *key,
              const char *referenceName, const char *goal, QString (*format)(double) = ms)
{
    row(work, sizeText, format(figure.at(key)), QString::fromUtf8(referenceName) + format(reference.at(key)),
        times(figure.at(key) / reference.at(key)), goal);
}

bool wanted(int argc, char **argv, const char *name)
{
    if (argc < 2)
        return true;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == name)
            return true;
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Built here, before any child runs, so that no two build the same file.
    // Each in a child of its own, which the benchmarks' children do not
    // inherit the memory of.
    for (const ShopSize &size : {SmallShop, LongHistory, LargeShop})
        inChild([&] {
            shopDatabase(size);
            return Figures{};
        });

    row("Work", "Size", "Figure", "Reference", "Ratio", "Goal");
    row("---", "---", "---", "---", "---", "---");
    if (wanted(argc, argv, "stock")) {
        const Figures small = inChild([] { return stockList(SmallShop); });
        const Figures history = inChild([] { return stockList(LongHistory); });
        const Figures large = inChild([] { return stockList(LargeShop); });
        for (const char *which : {"list", "report"}) {
            const char *work = std::string(which) == "list" ? "Stock list open" : "Stock report open";
            row(work, "10^3 products, 10^6 sales", ms(history.at(which)),
                QStringLiteral("10^3 sales: ") + ms(small.at(which)), times(history.at(which) / small.at(which)),
                "<= 300 ms, <= 1.2x");
            row(work, "10^5 products, 10^6 sales", ms(large.at(which)), QString(), QString(),
                which == std::string("list") ? "<= 300 ms" : "<= 1 s");
        }
        row("Stock list open, memory added", "10^5 products", megabytes(large.at("list rss")),
            QStringLiteral("10^3 products: ") + megabytes(small.at("list rss")), QString(), "<= +40 MB");
    }
    if (wanted(argc, argv, "lookup")) {
        const Figures large = inChild([] { return tillLookUps(LargeShop); });
        row("Article look-up, one keystroke", "10^5 products", ms(large.at("keystroke")),
            QStringLiteral("SQL: ") + ms(large.at("keystroke sql")),
            times(large.at("keystroke") / large.at("keystroke sql")), "<= 5 ms");
        row("Category click", "10^5 products", ms(large.at("category")),
            QStringLiteral("SQL: ") + ms(large.at("category sql")),
            times(large.at("category") / large.at("category sql")), "<= 50 ms");
        row("Category click, 25.000 vs 1.000 products", "10^5 products, same file", ms(large.at("largest category")),
            QStringLiteral("1.000: ") + ms(large.at("hundredth category")),
            times(large.at("largest category") / large.at("hundredth category")), "<= 20 ms, <= 1.5x");
        std::vector<double> firstAccess;
        for (int run = 0; run < 3; ++run)
            firstAccess.push_back(inChild([] { return firstProductAccess(LargeShop); }).at("first product access"));
        std::sort(firstAccess.begin(), firstAccess.end());
        row("First product access after the till opens", "10^5 products", ms(firstAccess[1]), QString(), QString(),
            "<= 300 ms");
    }
    if (wanted(argc, argv, "road")) {
        const Figures small = inChild([] { return saleRoad(SmallShop); });
        // The road compares products alone: the shop with 10^3 products has
        // as many customers and sales as the large one.
        const Figures fewProducts = inChild([] { return saleRoad(LongHistory); });
        const Figures large = inChild([] { return saleRoad(LargeShop); });
        compared("\"Bar\" (store and what follows)", "10^5 products", large, small, "bar",
                 "10^3 products: ", "<= 50 ms");
        compared("\"Kasse\" opening the payment dialog", "10^4 customers", large, small, "payment open",
                 "10^2 customers: ", "<= 10 ms");
        compared("Whole road of a 10-line sale, keys one by one", "10^5 vs 10^3 products", large, fewProducts, "road",
                 "10^3 products: ", "<= 2x");
        compared("Till memory (peak RSS)", "10^5 products", large, small, "rss", "10^3 products: ", "<= 150 MB",
                 megabytes);
    }
    if (wanted(argc, argv, "editors")) {
        const Figures small = inChild([] { return editors(SmallShop); });
        const Figures large = inChild([] { return editors(LargeShop); });
        compared("Product editor open", "10^5 products", large, small, "product open", "10^3 products: ", "<= 150 ms");
        compared("Product editor open, memory added", "10^5 products", large, small, "product rss",
                 "10^3 products: ", "<= +40 MB", megabytes);
        compared("Product editor \"Suchen\"", "10^5 products", large, small, "product find",
                 "10^3 products: ", "<= 300 ms");
        compared("Customer editor open", "10^4 customers", large, small, "customer open",
                 "10^2 customers: ", "<= 100 ms");
    }
    if (wanted(argc, argv, "store")) {
        const Figures small = inChild([] { return storeSaleFigures(SmallShop); });
        const Figures history = inChild([] { return storeSaleFigures(LongHistory); });
        row("Storing a 10-line sale", "10^3 sales", ms(small.at("store")),
            QStringLiteral("raw C API: ") + ms(small.at("raw")), times(small.at("store") / small.at("raw")), "<= 1.5x");
        row("Storing a 10-line sale", "10^6 sales", ms(history.at("store")),
            QStringLiteral("raw C API: ") + ms(history.at("raw")), times(history.at("store") / history.at("raw")),
            "<= 1.5x");
        for (const auto &[sizeText, figures] : {std::pair{"10^3 sales", &small}, std::pair{"10^6 sales", &history}})
            row("Storing a 10-line sale vs the bare minimum", sizeText, ms(figures->at("store")),
                QStringLiteral("minimal schema: ") + ms(figures->at("minimal")),
                times(figures->at("store") / figures->at("minimal")), "(what the design costs)");
        compared("Storing a 10-line sale, 10^6 vs 10^3 sales", "10^6 vs 10^3 sales", history, small, "store",
                 "10^3 sales: ", "<= 1.2x");
    }
    if (wanted(argc, argv, "export")) {
        // In a process with the program's Qt application, as the export runs
        // in the program, and without one, the export alone.
        const Figures large = inChild([] {
            int argc = 1;
            char name[] = "kasse_bench";
            char *argv[] = {name, nullptr};
            QApplication app(argc, argv);
            return exportFigures(LargeShop);
        });
        const Figures alone = inChild([] { return exportFigures(LargeShop); });
        row("Tax-audit export (rows/s vs CLI)", "4·10^6 rows", ms(large.at("export")),
            QStringLiteral("sqlcipher CLI: ") + ms(large.at("cli")), times(large.at("cli") / large.at("export")),
            ">= 0.5x");
        row("Tax-audit export memory (peak RSS), Qt application", "4·10^6 rows", megabytes(large.at("rss")),
            QStringLiteral("before: ") + megabytes(large.at("before")), QString(), "<= 64 MB");
        row("Tax-audit export memory (peak RSS), no Qt application", "4·10^6 rows", megabytes(alone.at("rss")),
            QStringLiteral("before: ") + megabytes(alone.at("before")), QString(), "<= 64 MB");
    }
    if (wanted(argc, argv, "report")) {
        const Figures large = inChild([] { return monthReport(LargeShop); });
        row("One-month sales report preview (peak RSS)", "10^6 sales", megabytes(large.at("rss")),
            QStringLiteral("before: ") + megabytes(large.at("before")), times(large.at("rss") / large.at("before")),
            "<= 200 MB");
    }
    return 0;
}
