// How the payment dialog is put together: where its controls stand, in
// twips inside their frames, and how they look. What they do is in
// frmpayment.cpp.
#include "till/frmpayment.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/ui/reportpainter.h"

namespace {
const QColor Background(0x7D, 0x9A, 0xE6);

// The dialog's Windows font families stand for the free fonts installed in
// their place, as on the printed receipts; an unknown family would fall back
// to a wider one and the labels would run under their boxes.
QFont fontOf(const QString &family, double points, bool bold = false)
{
    QFont f(report::mappedFamily(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QComboBox *makeComboBox(const char *name, bool editable, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(editable);
    if (editable)
        box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}
} // namespace

FrmPayment::FrmPayment()
{
    setObjectName(QStringLiteral("frmPayment"));
    setWindowTitle(QStringLiteral("Receipt"));
    setFont(fontOf(QStringLiteral("Georgia"), 12, true));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Background);
    setPalette(palette);
    setFixedSize(7050 / 15, 7215 / 15);

    Label5 = makeLabel("Label5", QStringLiteral("Kasse"));
    placeTwips(Label5, 120, 120, 3000, 450);
    Label5->setStyleSheet(QStringLiteral("color: #404040"));
    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    placeTwips(Frame2, 120, 600, 6855, 5175);
    Frame3 = new QFrame(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    placeTwips(Frame3, 120, 5880, 6855, 1215);
    for (QFrame *frame : {Frame2, Frame3})
        frame->setFrameShape(QFrame::Box);

    buildFields();
    buildKeypad();
    buildButtons();

    // The keypad's keys take no focus (see buildKeypad); hidden boxes neither.
    QWidget *previous = txtAdvance;
    for (QWidget *next :
         std::initializer_list<QWidget *>{txtCashier, cboNo, txtChange, txtBill, txtamount, cboCustomer, txtid,
                                          txtBalance, txtCash, vOk, cmdOK, cmdSales, cmdCredit, cmdCancel, cboFahrer}) {
        setTabOrder(previous, next);
        previous = next;
    }
    // The dialog opens in the first box of that order.
    txtAdvance->setFocus();
}

void FrmPayment::buildFields()
{
    // Each label reaches up to its box, so that the box never covers its text.
    const auto label = [this](const char *name, const QString &caption, int left, int top, int boxLeft) {
        QLabel *shown = makeLabel(name, caption, Frame2);
        placeTwips(shown, left, top, boxLeft - left, 375);
        return shown;
    };
    constexpr int AmountBoxLeft = 1920;
    label("lblCashier", QStringLiteral("Kassierer:"), 240, 240, 1440);
    label("lblId", QStringLiteral("Rech Nr.:"), 4080, 240, 5160);
    label("lblFahrer", QStringLiteral("Fahrer:"), 240, 1080, AmountBoxLeft);
    label("lblBill", QStringLiteral("Gesamt:"), 240, 1920, AmountBoxLeft);
    label("lblAdvance", QStringLiteral("Rabatt:"), 240, 2640, AmountBoxLeft);
    label("lblCash", QStringLiteral("Ortzuschlag:"), 240, 3360, AmountBoxLeft)->hide();
    label("lblAmount", QStringLiteral("Bezahlt:"), 240, 4080, AmountBoxLeft);
    label("lblChange", QStringLiteral("Zurück:"), 240, 4800, AmountBoxLeft);

    txtCashier = makeNameBox("txtCashier", Frame2);
    placeTwips(txtCashier, 1440, 240, 2055, 285);
    txtid = makeTextBox("txtid", Frame2);
    placeTwips(txtid, 5160, 240, 1575, 285);
    txtid->setFont(fontOf(QStringLiteral("Arial"), 12, true));
    for (QLineEdit *locked : {txtCashier, txtid})
        locked->setReadOnly(true);

    cboFahrer = makeComboBox("cboFahrer", true, Frame2);
    placeTwips(cboFahrer, 1920, 840, 4695, 555);
    cboFahrer->setFont(fontOf(QStringLiteral("Tahoma"), 18));

    txtBill = makeTextBox("txtBill", Frame2);
    placeTwips(txtBill, 1920, 1560, 2415, 615);
    txtAdvance = makeTextBox("txtAdvance", Frame2);
    placeTwips(txtAdvance, 1920, 2280, 2415, 615);
    QPalette menuColoured = txtAdvance->palette();
    menuColoured.setColor(QPalette::Base, QApplication::palette("QMenu").color(QPalette::Window));
    txtAdvance->setPalette(menuColoured);
    txtCash = makeTextBox("txtCash", Frame2);
    placeTwips(txtCash, 1920, 3000, 2415, 615);
    txtCash->hide();
    // The amount due as handed over stays out of sight behind the amount
    // tendered.
    txtBalance = makeTextBox("txtBalance", Frame2);
    placeTwips(txtBalance, 1920, 3720, 2415, 615);
    txtBalance->setStyleSheet(QStringLiteral("background: #C0FFC0"));
    txtBalance->hide();
    txtamount = makeTextBox("txtamount", Frame2);
    placeTwips(txtamount, 1920, 3720, 2415, 615);
    txtChange = makeTextBox("txtChange", Frame2);
    placeTwips(txtChange, 1920, 4440, 2415, 615);
    txtChange->setStyleSheet(QStringLiteral("color: #00FF00; background: black"));
    for (QLineEdit *box : {txtBill, txtAdvance, txtCash, txtBalance, txtamount, txtChange}) {
        box->setText(BlankAmount);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setFont(fontOf(QStringLiteral("Tahoma"), 20.25));
    }
    txtamount->setText(NothingTendered);
    for (QLineEdit *locked : {txtBill, txtBalance, txtChange})
        locked->setReadOnly(true);
    for (QWidget *watched : std::initializer_list<QWidget *>{txtamount, txtCash})
        watched->installEventFilter(this);
    connect(txtamount, &QLineEdit::textEdited, this, [this] { m_tenderedTyped = true; });

    // The customer is chosen on the sales screen; these lists only carry it.
    makeLabel("lblCustomer", QStringLiteral("Kunde:"), Frame2)->hide();
    cboCustomer = makeComboBox("cboCustomer", false, Frame2);
    cboCustomer->hide();
    cboCustomer->installEventFilter(this);
    cboNo = makeComboBox("cboNo", true, Frame2);
    cboNo->setEditText(QStringLiteral("Combo1"));
    cboNo->hide();
    connect(cboCustomer, &QComboBox::currentIndexChanged, this, &FrmPayment::cboCustomer_Click);
}

void FrmPayment::buildKeypad()
{
    constexpr int Key = 615;
    constexpr int Columns[] = {4560, 5280, 6000};
    constexpr int Rows[] = {1560, 2280, 3000, 3720};
    const auto place = [&](QPushButton *key, int column, int row) {
        placeTwips(key, Columns[column], Rows[row], Key, Key);
    };
    // Element i types the digit i, element 10 the decimal comma.
    for (int index = 0; index <= 10; ++index) {
        QPushButton *key = makeButton("vTaste", index < 10 ? QString::number(index) : QStringLiteral(","), Frame2);
        key->setObjectName(QStringLiteral("vTaste(%1)").arg(index));
        vTaste << key;
    }
    for (int digit = 1; digit <= 9; ++digit)
        place(vTaste[digit], (digit - 1) % 3, 2 - (digit - 1) / 3);
    place(vTaste[0], 0, 3);
    place(vTaste[10], 1, 3);
    vClr = makeButton("vClr", QStringLiteral("CLR"), Frame2);
    place(vClr, 2, 3);
    vOk = makeButton("vOk", QStringLiteral("berechnen"), Frame2);
    placeTwips(vOk, 4560, 4440, 2055, Key);

    for (int index = 0; index < vTaste.size(); ++index)
        connect(vTaste[index], &QPushButton::clicked, this, [this, index] { vTaste_Click(index); });
    connect(vClr, &QPushButton::clicked, this, &FrmPayment::vClr_Click);
    connect(vOk, &QPushButton::clicked, this, &FrmPayment::vOk_Click);
    // The keys type into the amount box, which keeps the focus.
    for (QPushButton *key : vTaste)
        key->setFocusPolicy(Qt::NoFocus);
    vClr->setFocusPolicy(Qt::NoFocus);
}

void FrmPayment::buildButtons()
{
    cmdOK = makeButton("cmdOK", QStringLiteral("Bar"), Frame3);
    cmdSales = makeButton("cmdSales", QStringLiteral("Bar"), Frame3);
    cmdCredit = makeButton("cmdCredit", QStringLiteral("Lieferung"), Frame3);
    cmdCancel = makeButton("cmdCancel", QStringLiteral("Abbrechen"), Frame3);
    // The two "Bar" buttons share one place; the account payment's is the
    // one seen until the sales screen hands over a sale. The one not seen is
    // hidden rather than merely covered, so that neither Tab nor Enter can
    // press the wrong "Bar" from behind.
    placeTwips(cmdOK, 120, 240, 1575, 855);
    placeTwips(cmdSales, 120, 240, 1575, 855);
    cmdSales->hide();
    placeTwips(cmdCredit, 1800, 240, 1575, 855);
    placeTwips(cmdCancel, 5160, 240, 1575, 855);

    connect(cmdOK, &QPushButton::clicked, this, &FrmPayment::cmdOK_Click);
    connect(cmdSales, &QPushButton::clicked, this, &FrmPayment::cmdSales_Click);
    connect(cmdCredit, &QPushButton::clicked, this, &FrmPayment::cmdCredit_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmPayment::cmdCancel_Click);
}
