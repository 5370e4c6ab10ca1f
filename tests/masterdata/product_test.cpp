#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QTreeWidget>

#include "app/screens.h"
#include "masterdata/frmproduct.h"
#include "masterdata/frmsupplier.h"
#include "editortest.h"

namespace {
class ProductEditor : public EditorTest
{
protected:
    void addProducts()
    {
        exec(QStringLiteral(
            "INSERT INTO Products (ProductID, ArtNr, Description, SupplierID, Category, Brands, Size, Quantity, Mwst,"
            " OrderPrice, SalesPrice) VALUES"
            " (2, 'B2', 'Brot', 2, 'Backwaren', NULL, NULL, 5, '7', 100, 249),"
            " (1, 'A1', 'Apfel', 1, 'Obst', 'Bio', '1 kg', 10, '7', 150, 299),"
            " (3, 'C''3', 'Cola', 2, 'Getränke', 'Coca', '0,5 l', 24, '19', 50, 119)"));
    }

    FrmProduct &open()
    {
        FrmProduct &form = frmProduct();
        form.show();
        return form;
    }

    static QString combo(QWidget &form, const char *name) { return control<QComboBox>(form, name)->currentText(); }
    // "Hinzufügen", "Bearbeiten", "Speichern", "Suchen", "Aktualisieren", the frame
    static QString state(QWidget &form)
    {
        return enabledStates(form, {"cmdNew", "cmdEdit", "cmdSave", "cmdFind", "cmdUpdate", "fraProduct"});
    }
    static QStringList listed(QWidget &form)
    {
        QStringList lines;
        auto *list = control<QTreeWidget>(form, "LvProduct");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            lines << list->topLevelItem(i)->text(0) + u'|' + list->topLevelItem(i)->text(1) + u'|' +
                         list->topLevelItem(i)->text(2);
        return lines;
    }
    static Recordset &products() { return frmProduct().ADOProduct.recordset(); }
};
} // namespace

TEST_F(ProductEditor, LoadShowsTheFirstProductWhileTheRecordsetStandsPastItsEnd)
{
    addProducts();
    FrmProduct &form = open();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Product"));
    EXPECT_EQ(text(form, "txtArtNr"), QStringLiteral("A1"));
    EXPECT_EQ(text(form, "txtamount"), QStringLiteral("2,99"));
    EXPECT_EQ(combo(form, "MwSt"), QStringLiteral("7"));
    EXPECT_EQ(listed(form), (QStringList{QStringLiteral("1|Apfel|Obst"), QStringLiteral("2|Brot|Backwaren"),
                                         QStringLiteral("3|Cola|Getränke")}));
    EXPECT_EQ(state(form), QStringLiteral("110100"));
    EXPECT_TRUE(products().eof());
    EXPECT_FALSE(products().isFiltered());
    EXPECT_EQ(frmProduct().ADOProduct.recordSource(), QStringLiteral("Select * from Products Order by ProductID"));

    // From past the end, both directions show the last product.
    click(form, "browBack");
    EXPECT_EQ(text(form, "txtArtNr"), QStringLiteral("C'3"));
    click(form, "browNext");
    EXPECT_EQ(text(form, "txtArtNr"), QStringLiteral("C'3"));
    click(form, "browBack");
    click(form, "browBack");
    click(form, "browBack");
    EXPECT_EQ(text(form, "txtArtNr"), QStringLiteral("A1"));
    // Moving on to a product without a size or brand shows none, rather than
    // those of the product before.
    click(form, "browNext");
    EXPECT_EQ(text(form, "txtDescription"), QStringLiteral("Brot"));
    EXPECT_EQ(text(form, "txtsize"), QString());
    EXPECT_EQ(combo(form, "cboBrands"), QString());
}

TEST_F(ProductEditor, AnEmptyTableShowsTheDesignValuesAndProposesOne)
{
    FrmProduct &form = open();
    EXPECT_EQ(text(form, "txtQuantity"), QStringLiteral("0"));
    EXPECT_EQ(text(form, "txtOrderPrice"), QStringLiteral("0,00"));
    EXPECT_EQ(combo(form, "MwSt"), QStringLiteral("8"));
    EXPECT_TRUE(listed(form).isEmpty());
    click(form, "browNext");
    click(form, "browBack");
    EXPECT_EQ(text(form, "txtArtNr"), QString());
    click(form, "cmdNew");
    EXPECT_EQ(text(form, "txtid"), QStringLiteral("1"));
    EXPECT_EQ(state(form), QStringLiteral("001001"));
}

TEST_F(ProductEditor, SavingANewProductAsksAndStoresTheBoxesAsTyped)
{
    addProducts();
    exec(QStringLiteral("INSERT INTO Category VALUES (1, 'Obst'), (2, 'Getränke')"));
    FrmProduct &form = open();
    click(form, "cmdNew");
    EXPECT_EQ(state(form), QStringLiteral("001001"));
    EXPECT_EQ(text(form, "txtid"), QStringLiteral("4"));
    EXPECT_EQ(text(form, "txtArtNr"), QString());
    EXPECT_EQ(combo(form, "MwSt"), QStringLiteral("7")); // the rate of the product seen before
    auto *categories = control<QComboBox>(form, "cboCategory");
    ASSERT_EQ(categories->count(), 2);
    EXPECT_EQ(categories->itemText(1), QStringLiteral("Getränke"));
    EXPECT_EQ(categories->currentText(), QString());

    click(form, "cmdSave");
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_EQ(m_dialogs->messages()[0].text, QStringLiteral("Bitte Artikelnummer und Produktbeschreibung angeben."));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, 48);
    EXPECT_EQ(m_dialogs->messages()[0].title, QStringLiteral("Vidudoza Deduze"));

    type(form, "txtArtNr", QStringLiteral("D4"));
    type(form, "txtDescription", QStringLiteral("Dill"));
    categories->setEditText(QStringLiteral("Obst"));
    control<QComboBox>(form, "MwSt")->setEditText(QStringLiteral("19"));
    type(form, "txtamount", QStringLiteral("1,19"));
    type(form, "txtQuantity", QStringLiteral("zehn"));
    m_dialogs->clearRecords();
    m_dialogs->answerMessage(mb::vbNo);
    click(form, "cmdSave");
    EXPECT_EQ(m_dialogs->messages()[0].text, QStringLiteral("Do Wollen Sie wirklich speichern?"));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, 35);
    EXPECT_EQ(m_dialogs->messages()[0].title, QStringLiteral("Confirm Save"));
    EXPECT_EQ(count(QStringLiteral("Products")), 3);
    EXPECT_EQ(state(form), QStringLiteral("001001"));

    // Yes, but a quantity that is no number: nothing stored, still editing.
    m_dialogs->clearRecords();
    m_dialogs->answerMessage(mb::vbYes);
    click(form, "cmdSave");
    EXPECT_EQ(m_dialogs->messageTexts(), (QStringList{QStringLiteral("Do Wollen Sie wirklich speichern?"),
                                                      QStringLiteral("Bitte felder Kontrollieren")}));
    EXPECT_EQ(m_dialogs->messages()[1].title, AppTitle);
    EXPECT_EQ(count(QStringLiteral("Products")), 3);
    EXPECT_EQ(state(form), QStringLiteral("001001"));
    EXPECT_EQ(text(form, "txtDescription"), QStringLiteral("Dill"));

    type(form, "txtQuantity", QStringLiteral("10"));
    m_dialogs->answerMessage(mb::vbYes);
    click(form, "cmdSave");
    EXPECT_EQ(state(form), QStringLiteral("110100"));
    const auto row = m_db->select(QStringLiteral(
        "SELECT ArtNr, Description, Category, Quantity, Mwst, SalesPrice FROM Products WHERE ProductID = 4"));
    ASSERT_TRUE(row && row->values.size() == 1);
    EXPECT_EQ(row->values[0][0].toString(), QStringLiteral("D4"));
    EXPECT_EQ(row->values[0][2].toString(), QStringLiteral("Obst"));
    EXPECT_EQ(row->values[0][3].toLongLong(), 10);
    EXPECT_EQ(row->values[0][4].toString(), QStringLiteral("19"));
    EXPECT_EQ(row->values[0][5].toLongLong(), 119);

    // The list shows the new product only once the screen is loaded again.
    EXPECT_EQ(listed(form).size(), 3);
    click(form, "cmdClose");
    processEvents();
    EXPECT_FALSE(screens().isLoaded<FrmProduct>());
    EXPECT_EQ(listed(open()).size(), 4);
}

TEST_F(ProductEditor, AktualisierenWritesIntoTheProductShown)
{
    addProducts();
    FrmProduct &form = open();
    // Right after opening: the first product is shown, the recordset is past its end.
    click(form, "cmdEdit");
    EXPECT_EQ(state(form), QStringLiteral("000011"));
    type(form, "txtamount", QStringLiteral("3,49"));
    click(form, "cmdUpdate");
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{QStringLiteral("Apfel erfolgreich aktualisiert...")});
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbInformation);
    EXPECT_EQ(scalar(QStringLiteral("SELECT SalesPrice FROM Products WHERE ProductID = 1")).toLongLong(), 349);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM Products WHERE SalesPrice = 349")).toLongLong(), 1);
    EXPECT_EQ(state(form), QStringLiteral("110111")); // still editing

    // A refused change is reported and keeps what was typed.
    m_dialogs->clearRecords();
    type(form, "txtOrderPrice", QStringLiteral("viel"));
    click(form, "cmdUpdate");
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_TRUE(m_dialogs->messages()[0].text.endsWith(QStringLiteral("Es wurde nichts gespeichert.")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT OrderPrice FROM Products WHERE ProductID = 1")).toLongLong(), 150);
    EXPECT_EQ(text(form, "txtOrderPrice"), QStringLiteral("viel"));
}

TEST_F(ProductEditor, AListClickLeavesTheRecordsetFilteredToThatProduct)
{
    addProducts();
    FrmProduct &form = open();
    auto *list = control<QTreeWidget>(form, "LvProduct");
    // Another screen changed the bread since the list was filled.
    exec(QStringLiteral("UPDATE Products SET Description = 'Vollkornbrot' WHERE ProductID = 2"));

    QTreeWidgetItem *bread = list->topLevelItem(1);
    list->setCurrentItem(bread);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(bread).center());
    EXPECT_EQ(text(form, "txtProduktid"), QStringLiteral("2"));
    EXPECT_EQ(text(form, "txtArtNr"), QStringLiteral("B2"));
    EXPECT_EQ(text(form, "txtDescription"), QStringLiteral("Vollkornbrot"));
    EXPECT_TRUE(products().isFiltered());
    EXPECT_EQ(products().recordCount(), 1);
    click(form, "browNext");
    click(form, "browNext");
    EXPECT_EQ(text(form, "txtArtNr"), QStringLiteral("B2"));

    // The till, using the recordset next, finds the filter left as it was.
    EXPECT_EQ(frmProduct().ADOProduct->recordCount(), 1);

    // A product gone from the table since the list was filled.
    exec(QStringLiteral("DELETE FROM Products WHERE ProductID = 3"));
    QTreeWidgetItem *cola = list->topLevelItem(2);
    list->setCurrentItem(cola);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(cola).center());
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{QStringLiteral("konnte nicht gefunden werden!")});
    // The boxes hold the bread with the cola's description now: changing
    // them stores nothing into either product.
    EXPECT_EQ(text(form, "txtDescription"), QStringLiteral("Cola"));
    click(form, "cmdEdit");
    click(form, "cmdUpdate");
    EXPECT_EQ(m_dialogs->messages().size(), 2u);
    EXPECT_TRUE(m_dialogs->messages()[1].text.endsWith(QStringLiteral("Es wurde nichts gespeichert.")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Description FROM Products WHERE ProductID = 2")).toString(),
              QStringLiteral("Vollkornbrot"));
}

TEST_F(ProductEditor, SuchenFindsByArticleNumberAsTyped)
{
    addProducts();
    FrmProduct &form = open();
    m_dialogs->answerInput(QStringLiteral("C'3"));
    click(form, "cmdFind");
    EXPECT_EQ(m_dialogs->prompts(), QStringList{QStringLiteral("Bitte Artikel ID angeben...")});
    EXPECT_EQ(text(form, "txtDescription"), QStringLiteral("Cola"));
    EXPECT_EQ(text(form, "txtsize"), QStringLiteral("0,5 l"));

    // A miss leaves the boxes as they were, without a message.
    m_dialogs->answerInput(QStringLiteral("Z9"));
    click(form, "cmdFind");
    EXPECT_EQ(text(form, "txtDescription"), QStringLiteral("Cola"));
    EXPECT_TRUE(products().eof());
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_EQ(state(form), QStringLiteral("110100"));
}

TEST_F(ProductEditor, TheSupplierNameFollowsTheSupplierRecordset)
{
    addProducts();
    exec(QStringLiteral("INSERT INTO Supplier (SupplierID, SupplierName) VALUES (1, 'Metro'), (2, 'Selgros')"));
    FrmProduct &form = open();
    // Product 1 has supplier 1; the supplier recordset stands on its first row.
    EXPECT_EQ(combo(form, "cboSupplier"), QStringLiteral("1"));
    EXPECT_EQ(text(form, "txtSupplier"), QStringLiteral("Metro"));
    click(form, "browNext"); // the last product, supplier 2: the name stays that of the current supplier row
    EXPECT_EQ(combo(form, "cboSupplier"), QStringLiteral("2"));
    EXPECT_EQ(text(form, "txtSupplier"), QStringLiteral("Metro"));

    click(form, "cmdNew");
    EXPECT_EQ(text(form, "txtSupplier"), QString());
    auto *suppliers = control<QComboBox>(form, "cboSupplier");
    ASSERT_EQ(suppliers->count(), 2);
    EXPECT_TRUE(frmSupplier().ADOSupplier->eof());
    suppliers->setEditText(QStringLiteral("1"));
    EXPECT_EQ(text(form, "txtSupplier"), QString());

    // Picking an id from the list shows that supplier and leaves the
    // supplier recordset filtered to it.
    suppliers->setCurrentIndex(1);
    emit suppliers->activated(1);
    EXPECT_EQ(text(form, "txtSupplier"), QStringLiteral("Selgros"));
    EXPECT_EQ(frmSupplier().ADOSupplier->recordCount(), 1);
}
