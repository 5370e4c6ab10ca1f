// Every screen of the program, filled with the longest names of a real shop,
// shows each caption, label and list entry whole: on one line or wrapped
// inside its control, and a name or list entry too long for its place shows
// whole as its tool tip. Text boxes too narrow for their text show its
// start, and one that is not typed into shows the whole text as its tool
// tip. However long the names, no window outgrows a 1280×1024 display nor
// puts a control beyond its own edges.
#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QToolTip>
#include <QTreeView>
#include <QTreeWidget>

#include "allscreenheaders.h"
#include "masterdata/accounts.h"
#include "platform/screens.h"
#include "platform/tcpclient.h"
#include "shell/session.h"
#include "apptest.h"
#include "platform/ui/wrappingbutton.h"

namespace {
struct Screen
{
    const char *className;
    std::function<Form &()> open;
};

#define SCREEN(T) Screen{#T, []() -> Form & { return screens().get<T>(); }},
const Screen AllScreens[] = {
#include "allscreens.inc"
};
#undef SCREEN

const QString LongCategory = QStringLiteral("Überbackene Nudelgerichte (groß)");
const QString LongProduct = QStringLiteral("Pizza Quattro Formaggi mit Gorgonzola");
const QString LongCustomer = QStringLiteral("Jürgen Schäfer-Müllenhoff Söhne GbR");
const QString LongCashier = QStringLiteral("Maximilian Jürgen Schäfer-Lüdenscheid");
const QString LongShop = QStringLiteral("Pizzeria Ristorante Bella Napoli Schäfer & Söhne GmbH");
// The display of the shop's till.
constexpr QSize TillDisplay(1280, 1024);
const QString LongSupplier = QStringLiteral("Großhandel Lüneburger Heide Süßwaren");
const QString LongArticleNumber = QStringLiteral("4006381333931");

// A caption as shown: "&&" is one ampersand, a single "&" marks a shortcut.
QString shown(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    caption.replace(u'\x01', u'&');
    return caption.remove(u'\r');
}

// What a control shows as tool tip when the pointer rests on the point.
QString toolTipAt(QWidget *control, const QPoint &point)
{
    QToolTip::hideText();
    QHelpEvent help(QEvent::ToolTip, point, control->mapToGlobal(point));
    QApplication::sendEvent(control, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// Adds a fault when the text, laid out in the area with the flags, needs
// more room than the area has.
// A text cut to its area passes when the control shows it whole as its tool
// tip.
void checkFits(QWidget *control, const QString &text, const QRect &area, int flags, QStringList &faults,
               bool cutWithToolTip = false)
{
    const QSize needed = control->fontMetrics().boundingRect(area, flags, shown(text)).size();
    if (needed.width() <= area.width() && needed.height() <= area.height())
        return;
    if (cutWithToolTip && toolTipAt(control, area.center()) == text)
        return;
    const QString name = control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                         : control->objectName();
    faults << QStringLiteral("%1 \"%2\" needs %3×%4 px, has %5")
                  .arg(name, text)
                  .arg(needed.width())
                  .arg(needed.height())
                  .arg(QStringLiteral("%1×%2").arg(area.width()).arg(area.height()));
}

// A plain button shows its caption on its lines as given; a wrapping button
// may break it between words.
void checkButton(QAbstractButton *button, QStringList &faults)
{
    if (shown(button->text()).isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement contents = qobject_cast<QCheckBox *>(button)      ? QStyle::SE_CheckBoxContents
                                        : qobject_cast<QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                                                               : QStyle::SE_PushButtonContents;
    auto *wrapping = qobject_cast<WrappingButton *>(button);
    const QRect area = wrapping ? wrapping->captionRect() : button->style()->subElementRect(contents, &option, button);
    checkFits(button, button->text(), area, Qt::AlignCenter | (wrapping ? Qt::TextWordWrap : 0), faults);
}

void checkLabel(QLabel *label, QStringList &faults)
{
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
        return;
    const QRect area =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    checkFits(label, text, area, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), faults, true);
}

// Whether a list's cell shows its text whole: on one line, or on the lines
// of its row where the list wraps its entries.
bool showsWhole(QTreeView *list, const QModelIndex &index)
{
    const QString text = index.data().toString();
    const QVariant font = index.data(Qt::FontRole);
    const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : list->font());
    // The margin a list keeps on either side of a cell's text.
    const int margin = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    const QRect cell = list->visualRect(index);
    if (!list->wordWrap())
        return metrics.horizontalAdvance(text) + margin <= cell.width();
    const QRect area(0, 0, cell.width() - margin, cell.height());
    const QSize needed = metrics.boundingRect(area, Qt::TextWordWrap, text).size();
    return needed.width() <= area.width() && needed.height() <= area.height();
}

void checkList(QTreeView *list, QStringList &faults)
{
    QAbstractItemModel *model = list->model();
    QHeaderView *header = list->header();
    // The margin a list keeps on either side of a cell's text.
    const int margin = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    for (int column = 0; column < model->columnCount(); ++column) {
        if (list->isColumnHidden(column))
            continue;
        const QString head = model->headerData(column, Qt::Horizontal).toString();
        if (!header->isHidden() && !head.isEmpty() &&
            header->fontMetrics().horizontalAdvance(head) + margin > header->sectionSize(column))
            faults << QStringLiteral("%1 column head \"%2\" is cut").arg(list->objectName(), head);
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row, column);
            const QString text = index.data().toString();
            if (text.isEmpty() || showsWhole(list, index))
                continue;
            if (toolTipAt(list->viewport(), list->visualRect(index).center()) != text)
                faults << QStringLiteral("%1 line %2 column %3: \"%4\" is cut and has no tool tip")
                              .arg(list->objectName())
                              .arg(row)
                              .arg(column)
                              .arg(text);
        }
    }
}

// On the till's screens a box that takes no typing shows a name (the
// cashier's, the customer's): cut, it shows the whole name as its tool tip.
void checkTextBox(QLineEdit *box, bool namesWholeAsToolTip, QStringList &faults)
{
    if (box->echoMode() != QLineEdit::Normal || box->hasFocus() || box->text().isEmpty())
        return;
    const bool fits = box->fontMetrics().horizontalAdvance(box->text()) < box->contentsRect().width() - 8;
    const QString name = box->objectName().isEmpty() ? box->parentWidget()->objectName() : box->objectName();
    if (!fits && box->cursorPosition() != 0)
        faults << QStringLiteral("%1 shows the end of \"%2\", not its start").arg(name, box->text());
    const bool typedInto = !box->isReadOnly() && box->isEnabled();
    if (namesWholeAsToolTip && !fits && !typedInto && toolTipAt(box, box->rect().center()) != box->text())
        faults << QStringLiteral("%1 cuts \"%2\" and has no tool tip").arg(name, box->text());
}

// The window fits the display, and every control that is read or pressed
// lies inside the window.
void checkWindow(QWidget *screen, QStringList &faults)
{
    const QSize size = screen->size().expandedTo(screen->minimumSizeHint());
    if (size.width() > TillDisplay.width() || size.height() > TillDisplay.height())
        faults << QStringLiteral("the window is %1×%2 px, the display %3×%4")
                      .arg(size.width())
                      .arg(size.height())
                      .arg(TillDisplay.width())
                      .arg(TillDisplay.height());
    for (QWidget *control : screen->findChildren<QWidget *>()) {
        const bool readOrPressed = qobject_cast<QAbstractButton *>(control) || qobject_cast<QLabel *>(control) ||
                                   qobject_cast<QLineEdit *>(control) || qobject_cast<QComboBox *>(control) ||
                                   qobject_cast<QAbstractItemView *>(control);
        if (!control->isVisible() || control->isWindow() || !readOrPressed)
            continue;
        const QRect place(control->mapTo(screen, QPoint(0, 0)), control->size());
        if (!screen->rect().contains(place))
            faults << QStringLiteral("%1 %2 lies beyond the window's edge")
                          .arg(QString::fromLatin1(control->metaObject()->className()), control->objectName());
    }
}

QStringList faultsOf(QWidget *screen)
{
    QStringList faults;
    checkWindow(screen, faults);
    const bool tillScreen = qobject_cast<FrmSales *>(screen) || qobject_cast<FrmPayment *>(screen);
    for (QWidget *control : screen->findChildren<QWidget *>()) {
        if (!control->isVisible())
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            checkButton(button, faults);
        else if (auto *label = qobject_cast<QLabel *>(control))
            checkLabel(label, faults);
        else if (auto *list = qobject_cast<QTreeView *>(control))
            checkList(list, faults);
        else if (auto *box = qobject_cast<QLineEdit *>(control))
            checkTextBox(box, tillScreen, faults);
    }
    return faults;
}

class ScreenFit : public AppTest
{
protected:
    // A shop with 21 categories, products, a customer, a supplier and a
    // cashier whose names are as long as a real shop's longest.
    void fillShop()
    {
        exec("UPDATE Settings SET cName = ?1,"
             " cAddress = 'Königsberger Straße 123a, Hinterhaus', cPlace = '53902 Bad Münstereifel-Schönau'",
             {LongShop});
        const QStringList categories{LongCategory, "Pizza",  "Pasta",       "Salate",     "Suppen",   "Getränke",
                                     "Desserts",   "Eis",    "Flammkuchen", "Aufläufe",   "Burger",   "Snacks",
                                     "Weine",      "Biere",  "Spirituosen", "Vorspeisen", "Beilagen", "Saucen",
                                     "Kuchen",     "Kaffee", "Mittagstisch"};
        for (int i = 0; i < categories.size(); ++i)
            exec("INSERT INTO Category (CategoryID, Category) VALUES (?1, ?2)", {i + 1, categories[i]});
        const QStringList products{LongProduct, "Flammkuchen Elsässer Art mit Speck", "Schwarzwälder Kirschtorte",
                                   "Pizza Margherita", "Spaghetti Aglio e Olio"};
        for (int i = 0; i < products.size(); ++i)
            exec("INSERT INTO Products (ProductID, ArtNr, Description, SupplierID, Category, Brands, Size, Quantity,"
                 " Mwst, OrderPrice, SalesPrice) VALUES (?1, ?2, ?3, 1, ?4, ?5, '32 cm', 120, '7', 780, 1250)",
                 {i + 1, i == 0 ? LongArticleNumber : QString::number(1000 + i), products[i], LongCategory,
                  "Königsbacher Brauerei Überlingen"});
        exec("INSERT INTO Customer (CustomerID, Customername, Address, Place, ContactNumber)"
             " VALUES (1, ?1, 'Königsberger Straße 123a, Hinterhaus', '53902 Bad Münstereifel', '0049 2253 1234567')",
             {LongCustomer});
        exec("INSERT INTO Supplier (SupplierID, SupplierName, Address, sPlace) VALUES (1, ?1, 'Am Großmarkt 7',"
             " '21335 Lüneburg')",
             {LongSupplier});
        exec("INSERT INTO Brands (ID, Brand) VALUES (1, 'Königsbacher Brauerei Überlingen')");
        addUser("juergen", "Kasse7", LongCashier);
        session().CashierName = accounts::cashierName(LongCashier);
    }

    // What a screen shows once a cashier has used it, where that differs from
    // what it shows when opened.
    void use(const QString &className, Form &screen)
    {
        if (className == "FrmSales") {
            auto &sales = static_cast<FrmSales &>(screen);
            sales.caButton[0]->click();
            sales.txtid->setText(LongArticleNumber);
            sales.ArtSelok->click();
            // The cashier picks the long category in its box, then moves on:
            // the box left behind shows the name's start.
            screen.show();
            processEvents();
            sales.cboCategory->setFocus();
            sales.cboCategory->setCurrentIndex(sales.cboCategory->findText(LongCategory));
            sales.txtQty->setFocus();
            // The router cannot be reached: the header says so beside the
            // shop's and the cashier's names.
            emit sales.Winsock1->closed();
        } else if (className == "FrmProductDelivery") {
            // Handed a product by the stock list, as the staff open it.
            FrmProductUpdate &stock = screens().get<FrmProductUpdate>();
            stock.LvProduct->setCurrentIndex(stock.LvProduct->model()->index(0, 0));
            m_dialogs->onModal([](QDialog *) { return 0; });
            stock.btnSelect->click();
        }
    }
};
} // namespace

TEST_F(ScreenFit, EveryScreenShowsLongNamesWhole)
{
    fillShop();
    ASSERT_GE(std::size(AllScreens), 19u);
    for (const Screen &entry : AllScreens) {
        Form &screen = entry.open();
        use(QString::fromLatin1(entry.className), screen);
        screen.show();
        processEvents();
        const QStringList faults = faultsOf(&screen);
        EXPECT_TRUE(faults.isEmpty()) << entry.className << ":\n  " << faults.join("\n  ").toStdString();
        screen.hide();
    }
}

// A pizza shop's articles, 30 characters long, that differ only towards
// their ends, in a category with a long name: at the till's width each line
// of the order names its article whole, so that no two lines read alike.
TEST_F(ScreenFit, OrderListNamesEachArticleWhole)
{
    fillShop();
    const QStringList articles{"Pizza Quattro Formaggi (32 cm)", "Pizza Quattro Formaggi (26 cm)",
                               "Pizza Salami mit Peperoni groß", "Pizza Salami mit Peperoni mild",
                               "Maultaschen Schwäbische Art XL", "Wiener Würstchen mit Kartoffel"};
    for (int i = 0; i < articles.size(); ++i)
        exec("INSERT INTO Products (ProductID, ArtNr, Description, Category, Mwst, SalesPrice)"
             " VALUES (?1, ?2, ?3, ?4, '7', 1250)",
             {100 + i, QString::number(2000 + i), articles[i], LongCategory});
    FrmSales &sales = screens().get<FrmSales>();
    for (int i = 0; i < articles.size(); ++i) {
        sales.txtid->setText(QString::number(2000 + i));
        sales.ArtSelok->click();
    }
    // In a window wide enough for the articles' and the category's names
    // each line has a row of one line; back at the till's width, the rows
    // take the second line their names then need.
    QTreeView *list = sales.LvProduct;
    ASSERT_EQ(list->model()->rowCount(), articles.size());
    const QSize tillSize = sales.size();
    sales.resize(tillSize + QSize(1000, 0));
    sales.show();
    processEvents();
    for (int row = 0; row < articles.size(); ++row) {
        const QModelIndex description = list->model()->index(row, FrmSales::ColDescription);
        EXPECT_LT(list->visualRect(description).height(), 2 * list->fontMetrics().lineSpacing()) << row;
    }
    sales.resize(tillSize);
    processEvents();
    ASSERT_EQ(sales.width(), TillDisplay.width());

    for (int row = 0; row < articles.size(); ++row) {
        const QModelIndex description = list->model()->index(row, FrmSales::ColDescription);
        EXPECT_EQ(description.data().toString(), articles[row]);
        EXPECT_TRUE(showsWhole(list, description))
            << articles[row].toStdString() << " in " << list->visualRect(description).width() << "×"
            << list->visualRect(description).height() << " px";
    }
    const QStringList faults = faultsOf(&sales);
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n  ").toStdString();
}

// However long the shop's, the cashier's and the customer's names, the
// sales screen and the payment dialog fit the till's display; a name too
// long for its place ends in "…" and shows whole as its tool tip.
TEST_F(ScreenFit, TillFitsTheDisplayWhateverTheNames)
{
    fillShop();
    const QString endless = QStringLiteral("Anna Kassiererin-Schäfer ").repeated(8).trimmed();
    exec("UPDATE Settings SET cName = ?1", {endless});
    exec("UPDATE Customer SET Customername = ?1, Address = ?1, Place = ?1", {endless});
    session().CashierName = accounts::cashierName(endless);
    FrmSales &sales = screens().get<FrmSales>();
    use(QStringLiteral("FrmSales"), sales);
    FrmPayment &payment = screens().get<FrmPayment>();
    for (Form *screen : std::initializer_list<Form *>{&sales, &payment}) {
        screen->show();
        processEvents();
        EXPECT_LE(screen->width(), TillDisplay.width());
        EXPECT_LE(screen->height(), TillDisplay.height());
        const QStringList faults = faultsOf(screen);
        EXPECT_TRUE(faults.isEmpty()) << screen->objectName().toStdString() << ":\n  "
                                      << faults.join("\n  ").toStdString();
        screen->hide();
    }
}
