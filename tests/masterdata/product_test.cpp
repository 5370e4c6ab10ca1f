#include <chrono>

#include <gtest/gtest.h>

#include <QComboBox>

#include "platform/screens.h"
#include "masterdata/frmproduct.h"
#include "masterdata/frmsupplier.h"
#include "core/support/rawconnection.h"
#include "editortest.h"

namespace {
class ProductEditor : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        exec("INSERT INTO Products (ProductID, ArtNr, Description, SupplierID, Category, Brands, Size, Quantity, Mwst,"
             " OrderPrice, SalesPrice) VALUES (2, 'B2', 'Brot', 2, 'Backwaren', NULL, NULL, 5, '7', 100, 249),"
             " (1, 'A1', 'Apfel', 1, 'Obst', 'Bio', '1 kg', 10, '7', 150, 299),"
             " (3, 'C''3', 'Cola', 2, 'Getränke', 'Coca', '0,5 l', 24, '19', 50, 119)");
        exec("INSERT INTO Supplier (SupplierID, SupplierName) VALUES (1, 'Metro'), (2, 'Selgros')");
    }

    static QComboBox *box(QWidget &form, const char *name) { return control<QComboBox>(form, name); }
    static QString combo(QWidget &form, const char *name) { return box(form, name)->currentText(); }
    static QTreeView *list(QWidget &form) { return control<QTreeView>(form, "LvProduct"); }
    // "Hinzufügen", "Bearbeiten", "Speichern", "Suchen", "Aktualisieren", the frame
    static QString state(QWidget &form)
    {
        return enabledStates(form, {"cmdNew", "cmdEdit", "cmdSave", "cmdFind", "cmdUpdate", "fraProduct"});
    }
    static QStringList listed(QWidget &form) { return listLines(list(form), 3); }
    static Recordset &products() { return frmProduct().ADOProduct.recordset(); }
    // Answers the confirmation and clicks "Speichern".
    void save(QWidget &form, int answer)
    {
        m_dialogs->clearRecords();
        m_dialogs->answerMessage(answer);
        click(form, "cmdSave");
    }
};
} // namespace

TEST_F(ProductEditor, LoadBrowsingAndSearching)
{
    FrmProduct &form = shown(frmProduct());
    // The first product shows while the recordset stands past its end.
    EXPECT_EQ(texts(form, {"txtArtNr", "txtamount"}), "A1|2,99");
    EXPECT_EQ(combo(form, "MwSt"), "7");
    EXPECT_EQ(listed(form), QStringList({"1|Apfel|Obst", "2|Brot|Backwaren", "3|Cola|Getränke"}));
    EXPECT_EQ(state(form), "110100");
    EXPECT_TRUE(products().eof());
    EXPECT_FALSE(products().isFiltered());

    // From past the end, both directions show the last product.
    click(form, "browBack");
    EXPECT_EQ(text(form, "txtArtNr"), "C'3");
    click(form, "browNext");
    EXPECT_EQ(text(form, "txtArtNr"), "C'3");
    for (int i = 0; i < 3; ++i)
        click(form, "browBack");
    EXPECT_EQ(text(form, "txtArtNr"), "A1");
    // Moving on to a product without a size or brand shows none, rather than
    // those of the product before.
    click(form, "browNext");
    EXPECT_EQ(text(form, "txtDescription"), "Brot");
    EXPECT_EQ(text(form, "txtsize") + combo(form, "cboBrands"), "");

    // "Suchen" finds by article number as typed; a miss leaves the boxes as
    // they were, without a message.
    m_dialogs->answerInput("C'3");
    click(form, "cmdFind");
    EXPECT_EQ(m_dialogs->prompts(), QStringList{"Bitte Artikel ID angeben..."});
    EXPECT_EQ(texts(form, {"txtDescription", "txtsize"}), "Cola|0,5 l");
    m_dialogs->answerInput("Z9");
    click(form, "cmdFind");
    EXPECT_EQ(text(form, "txtDescription"), "Cola");
    EXPECT_TRUE(products().eof());
    EXPECT_TRUE(m_dialogs->messages().empty());
}

TEST_F(ProductEditor, AnEmptyTableShowsTheDesignValuesAndProposesOne)
{
    exec("DELETE FROM Products");
    FrmProduct &form = shown(frmProduct());
    EXPECT_EQ(text(form, "txtQuantity") + '|' + text(form, "txtOrderPrice") + '|' + combo(form, "MwSt"), "0|0,00|19");
    click(form, "browNext");
    click(form, "browBack");
    click(form, "cmdNew");
    EXPECT_EQ(text(form, "txtid"), "1");
}

TEST_F(ProductEditor, SavingANewProductAsksAndStoresTheBoxesAsTyped)
{
    exec("INSERT INTO Category VALUES (1, 'Obst'), (2, 'Getränke')");
    FrmProduct &form = shown(frmProduct());
    click(form, "cmdNew");
    EXPECT_EQ(state(form), "001001");
    EXPECT_EQ(text(form, "txtid"), "4");
    EXPECT_EQ(text(form, "txtArtNr"), "");
    EXPECT_EQ(combo(form, "MwSt"), "7"); // the rate of the product seen before
    EXPECT_EQ(box(form, "cboCategory")->itemText(1), "Getränke");
    EXPECT_EQ(combo(form, "cboCategory"), "");

    click(form, "cmdSave");
    expectMessage("Bitte Artikelnummer und Produktbeschreibung angeben.", 48, "Vidudoza Deduze");

    type(form, "txtArtNr", "D4");
    type(form, "txtDescription", "Dill");
    box(form, "cboCategory")->setEditText("Obst");
    box(form, "MwSt")->setEditText("19");
    type(form, "txtamount", "1,19");
    type(form, "txtQuantity", "zehn");
    save(form, mb::vbNo);
    expectMessage("Do Wollen Sie wirklich speichern?", 35, "Confirm Save");
    EXPECT_EQ(count("Products"), 3);
    EXPECT_EQ(state(form), "001001");

    // Yes, but a quantity that is no number: nothing stored, still editing.
    save(form, mb::vbYes);
    EXPECT_EQ(m_dialogs->messageTexts(),
              QStringList({"Do Wollen Sie wirklich speichern?",
                           "Bitte felder Kontrollieren\nAnzahl: „zehn“ ist keine gültige Menge: bitte mit Komma, "
                           "höchstens drei Nachkommastellen und ohne Tausenderpunkt, z. B. 12 oder 2,5. Es wurde "
                           "nichts gespeichert."}));
    EXPECT_EQ(count("Products"), 3);
    EXPECT_EQ(state(form), "001001");
    EXPECT_EQ(text(form, "txtDescription"), "Dill");

    type(form, "txtQuantity", "10");
    save(form, mb::vbYes);
    EXPECT_EQ(state(form), "110100");
    EXPECT_EQ(scalar("SELECT ArtNr || '|' || Description || '|' || Category || '|' || Quantity || '|' || Mwst || '|' ||"
                     " SalesPrice FROM Products WHERE ProductID = 4")
                  .toString(),
              "D4|Dill|Obst|10|19|119");

    // The list shows the new product only once the screen is loaded again.
    EXPECT_EQ(listed(form).size(), 3);
    click(form, "cmdClose");
    processEvents();
    EXPECT_FALSE(screens().isLoaded<FrmProduct>());
    EXPECT_EQ(listed(frmProduct()).size(), 4);
}

TEST_F(ProductEditor, AktualisierenWritesIntoTheProductShown)
{
    FrmProduct &form = shown(frmProduct());
    // Right after opening: the first product is shown, the recordset is past its end.
    click(form, "cmdEdit");
    EXPECT_EQ(state(form), "000011");
    type(form, "txtamount", "3,49");
    click(form, "cmdUpdate");
    expectMessage("Apfel erfolgreich aktualisiert...", mb::vbInformation);
    EXPECT_EQ(scalar("SELECT group_concat(ProductID) FROM Products WHERE SalesPrice = 349").toString(), "1");
    EXPECT_EQ(state(form), "110111"); // still editing

    // A refused change is reported and keeps what was typed.
    type(form, "txtOrderPrice", "viel");
    click(form, "cmdUpdate");
    expectMessage("EK Preis: „viel“ ist kein gültiger Betrag: bitte höchstens zwei Nachkommastellen, z. B. 12,50. "
                  "Es wurde nichts gespeichert.");
    EXPECT_EQ(scalar("SELECT OrderPrice FROM Products WHERE ProductID = 1").toLongLong(), 150);
    EXPECT_EQ(text(form, "txtOrderPrice"), "viel");

    // The product shown was removed by another screen meanwhile.
    exec("DELETE FROM Products WHERE ProductID = 1");
    type(form, "txtOrderPrice", "1,50");
    click(form, "cmdUpdate");
    expectMessage("Den Artikel 1 gibt es nicht mehr. Es wurde nichts gespeichert.");
    EXPECT_EQ(count("Products"), 2);
}

// The rules of typed amounts and quantities are the locale's; here each box
// reaches its column under its own name.
TEST_F(ProductEditor, PricesTakeAtMostTwoDecimalsAndTheStockIsReadAsTheTillReadsQuantities)
{
    struct Slip
    {
        const char *box, *label, *typed, *hint;
    };
    const Slip slips[] = {
        {"txtamount", "VK Preis", "7,999",
         "ist kein gültiger Betrag: bitte höchstens zwei Nachkommastellen, z. B. 12,50."},
        {"txtQuantity", "Anzahl", "1.250",
         "ist keine gültige Menge: bitte mit Komma, höchstens drei Nachkommastellen "
         "und ohne Tausenderpunkt, z. B. 12 oder 2,5."},
    };
    const QString stored =
        "SELECT Quantity || '|' || OrderPrice || '|' || SalesPrice FROM Products WHERE ProductID = 1";
    FrmProduct &form = shown(frmProduct());
    click(form, "cmdEdit");
    for (const Slip &slip : slips) {
        SCOPED_TRACE(slip.typed);
        const QString before = text(form, slip.box);
        type(form, slip.box, QString::fromUtf8(slip.typed));
        click(form, "cmdUpdate");
        expectMessage(QString("%1: „%2“ %3 Es wurde nichts gespeichert.")
                          .arg(slip.label, QString::fromUtf8(slip.typed), QString::fromUtf8(slip.hint)),
                      mb::vbExclamation);
        EXPECT_EQ(scalar(stored).toString(), "10|150|299");
        EXPECT_EQ(text(form, slip.box), QString::fromUtf8(slip.typed)) << "kept for correction";
        type(form, slip.box, before);
    }

    // Zeros after the second decimal change nothing and are taken.
    type(form, "txtamount", "7,990");
    type(form, "txtOrderPrice", "1.234,5");
    type(form, "txtQuantity", "1250,125");
    click(form, "cmdUpdate");
    expectMessage("Apfel erfolgreich aktualisiert...", mb::vbInformation);
    EXPECT_EQ(scalar(stored).toString(), "1250.125|123450|799");
}

TEST_F(ProductEditor, TheListShowsTheProductsAsTheyWereWhenItWasFilled)
{
    // Loaded unseen: the list has shown no line yet when the product changes.
    FrmProduct &form = frmProduct();
    click(form, "cmdEdit");
    type(form, "txtDescription", "Boskop");
    click(form, "cmdUpdate");
    expectMessage("Boskop erfolgreich aktualisiert...", mb::vbInformation);
    EXPECT_EQ(listed(form), QStringList({"1|Apfel|Obst", "2|Brot|Backwaren", "3|Cola|Getränke"}));
    click(form, "cmdClose");
    processEvents();
    EXPECT_EQ(listed(frmProduct()).front(), "1|Boskop|Obst");
}

TEST_F(ProductEditor, OnlyTheTillsRatesAndExistingSuppliersAreStoredUnasked)
{
    FrmProduct &form = shown(frmProduct());
    QComboBox *rates = box(form, "MwSt");
    EXPECT_EQ(QStringList({rates->itemText(0), rates->itemText(1)}), QStringList({"19", "7"}));
    EXPECT_EQ(rates->count(), 2);

    click(form, "cmdNew");
    type(form, "txtArtNr", "E5");
    type(form, "txtDescription", "Espresso");
    rates->setEditText("8");
    const QString noTax = "Für den Steuersatz „8“ berechnet die Kasse keine Steuer: der Artikel wird ohne "
                          "Mehrwertsteuer verkauft. Trotzdem speichern?";
    // Answered No: nothing is stored and the screen stays in editing.
    m_dialogs->answerMessage(mb::vbYes);
    save(form, mb::vbNo);
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList({"Do Wollen Sie wirklich speichern?", noTax}));
    EXPECT_EQ(m_dialogs->messages()[1].buttons, mb::vbYesNo | mb::vbQuestion);
    EXPECT_EQ(count("Products"), 3);
    EXPECT_EQ(state(form), "001001");

    // A supplier's name, or a number no supplier has, is refused by its box.
    for (const QString supplier : {"Metro", "9"}) {
        box(form, "cboSupplier")->setEditText(supplier);
        m_dialogs->answerMessage(mb::vbYes);
        save(form, mb::vbYes);
        EXPECT_EQ(m_dialogs->messageTexts().last(), "Bitte felder Kontrollieren\nLieferant: „" + supplier +
                                                        "“ ist nicht die Nummer eines Lieferanten. Es wurde nichts "
                                                        "gespeichert.");
        EXPECT_EQ(count("Products"), 3);
    }
    box(form, "cboSupplier")->setEditText("1");
    m_dialogs->answerMessage(mb::vbYes);
    save(form, mb::vbYes);
    EXPECT_EQ(m_dialogs->messageTexts().size(), 2);
    EXPECT_EQ(scalar("SELECT SupplierID || typeof(SupplierID) || Mwst FROM Products WHERE ProductID = 4").toString(),
              "1integer8");

    // A stored product keeps its rate; changing the product asks again.
    click(form, "cmdEdit");
    type(form, "txtamount", "1,80");
    m_dialogs->clearRecords();
    m_dialogs->answerMessage(mb::vbNo);
    click(form, "cmdUpdate");
    expectMessage(noTax);
    m_dialogs->answerMessage(mb::vbYes);
    click(form, "cmdUpdate");
    EXPECT_EQ(m_dialogs->messageTexts().last(), "Espresso erfolgreich aktualisiert...");
    EXPECT_EQ(scalar("SELECT Mwst || ' ' || SalesPrice FROM Products WHERE ProductID = 4").toString(), "8 180");
}

TEST_F(ProductEditor, AListClickLeavesTheRecordsetFilteredToThatProduct)
{
    FrmProduct &form = shown(frmProduct());
    // Another screen changed the bread since the list was filled.
    exec("UPDATE Products SET Description = 'Vollkornbrot' WHERE ProductID = 2");

    clickLine(list(form), 1);
    EXPECT_EQ(texts(form, {"txtProduktid", "txtArtNr", "txtDescription"}), "2|B2|Vollkornbrot");
    EXPECT_TRUE(products().isFiltered());
    click(form, "browNext");
    click(form, "browNext");
    EXPECT_EQ(text(form, "txtArtNr"), "B2");
    // The till, using the recordset next, finds the filter left as it was.
    EXPECT_EQ(frmProduct().ADOProduct->recordCount(), 1);

    // A product gone from the table since the list was filled.
    exec("DELETE FROM Products WHERE ProductID = 3");
    clickLine(list(form), 2);
    expectMessage("konnte nicht gefunden werden!");
    // The boxes hold the bread with the cola's description now: changing
    // them stores nothing into either product.
    EXPECT_EQ(text(form, "txtDescription"), "Cola");
    click(form, "cmdEdit");
    click(form, "cmdUpdate");
    expectMessage("Es wird kein Artikel angezeigt. Es wurde nichts gespeichert.");
    EXPECT_EQ(scalar("SELECT Description FROM Products WHERE ProductID = 2").toString(), "Vollkornbrot");
}

TEST_F(ProductEditor, TheSupplierNameFollowsTheSupplierRecordset)
{
    FrmProduct &form = shown(frmProduct());
    // Product 1 has supplier 1; the supplier recordset stands on its first row.
    EXPECT_EQ(combo(form, "cboSupplier") + '|' + text(form, "txtSupplier"), "1|Metro");
    // The last product, supplier 2: the name stays that of the current supplier row.
    click(form, "browNext");
    EXPECT_EQ(combo(form, "cboSupplier") + '|' + text(form, "txtSupplier"), "2|Metro");

    click(form, "cmdNew");
    EXPECT_EQ(text(form, "txtSupplier"), "");
    QComboBox *suppliers = box(form, "cboSupplier");
    EXPECT_TRUE(frmSupplier().ADOSupplier->eof());
    suppliers->setEditText("1");
    EXPECT_EQ(text(form, "txtSupplier"), "");

    // Picking an id from the list shows that supplier and leaves the
    // supplier recordset filtered to it.
    suppliers->setCurrentIndex(1);
    emit suppliers->activated(1);
    EXPECT_EQ(text(form, "txtSupplier"), "Selgros");
    EXPECT_EQ(frmSupplier().ADOSupplier->recordCount(), 1);
}

// A product stored while another program writes to the database is refused
// with the reason, which says once that nothing was stored; what was typed
// stays for another try.
TEST_F(ProductEditor, StoringWhileTheDatabaseIsInUseSaysOnceThatNothingWasStored)
{
    using namespace std::chrono_literals;
    struct ShortWait
    {
        ShortWait() { Database::setBusyTimeout(50ms); }
        ~ShortWait() { Database::setBusyTimeout(5s); }
    } shortWait;
    const QString path = m_db->path();
    Database::setCurrent(nullptr);
    m_db = Database::open(path, nullptr);
    ASSERT_TRUE(m_db);
    Database::setCurrent(m_db.get());
    const QString refusal = "Die Datenbank hat den Datensatz abgelehnt: " + Database::inUseMessage();

    FrmProduct &form = shown(frmProduct());
    click(form, "cmdNew");
    type(form, "txtArtNr", "D4");
    type(form, "txtDescription", "Dill");
    type(form, "txtQuantity", "10");
    {
        RawConnection otherProgram(path);
        ASSERT_TRUE(otherProgram.exec("BEGIN IMMEDIATE; INSERT INTO Temp (tmpno) VALUES (1);"));
        save(form, mb::vbYes);
        EXPECT_EQ(m_dialogs->messageTexts(),
                  QStringList({"Do Wollen Sie wirklich speichern?", "Bitte felder Kontrollieren\n" + refusal}));
        EXPECT_EQ(count("Products"), 3);
        EXPECT_EQ(text(form, "txtDescription"), "Dill");
    }
    save(form, mb::vbYes);
    EXPECT_EQ(scalar("SELECT Description FROM Products WHERE ProductID = 4").toString(), "Dill");
}
