#include <gtest/gtest.h>

#include "platform/screens.h"
#include "masterdata/frmbrands.h"
#include "masterdata/frmcategory.h"
#include "editortest.h"

namespace {
const QString NothingToDelete = QStringLiteral("Alle Datensätze wurden bereits gelöscht");

class CategoryEditor : public EditorTest
{
protected:
    // "Hinzufügen", "Bearbeiten", "Speichern", "Löschen", then the frame
    static QString state(QWidget &form)
    {
        return enabledStates(form, {"cmdNew", "cmdEdit", "cmdSave", "cmdDelete", "fraCategory"});
    }
    QString category(int id) { return scalar("SELECT Category FROM Category WHERE CategoryID = ?1", {id}).toString(); }
};
} // namespace

TEST_F(CategoryEditor, AddingRefusingSavingAndTheLockedBoxes)
{
    exec("INSERT INTO Category VALUES (1, 'Obst'), (2, 'Gemüse')");
    FrmCategory &form = shown(frmCategory());
    EXPECT_FALSE(control(form, "cmdDelete")->isVisible());
    EXPECT_EQ(state(form), "11111");
    EXPECT_EQ(text(form, "txtCategory"), "Obst");

    click(form, "cmdNew");
    EXPECT_EQ(state(form), "00101");
    EXPECT_EQ(text(form, "txtcID"), "");
    type(form, "txtCategory", "Brot");
    // A missing, taken or bad id is refused and nothing typed is lost.
    // "Neu Laden" moves away, which would store the row: checked as well.
    struct Refusal
    {
        const char *id, *button, *message;
    };
    for (const Refusal &refusal :
         {Refusal{"", "cmdSave", "Bitte eine ID angeben."}, Refusal{"1", "cmdSave", "Die ID 1 ist bereits vergeben."},
          Refusal{"B1", "cmdRefresh", "„B1“ ist keine gültige ID: bitte eine ganze Zahl größer als 0 angeben."}}) {
        SCOPED_TRACE(refusal.id);
        type(form, "txtcID", refusal.id);
        click(form, refusal.button);
        expectMessage(QString(refusal.message) + " Es wurde nichts gespeichert.", mb::vbExclamation);
        EXPECT_EQ(state(form), "00101");
        EXPECT_EQ(text(form, "txtCategory"), "Brot");
    }
    EXPECT_EQ(count("Category"), 2);

    type(form, "txtcID", "7");
    click(form, "cmdSave");
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_EQ(category(7), "Brot");
    // The new row, stored at the end, stays shown; the boxes are locked.
    EXPECT_EQ(state(form), "11010");
    type(form, "txtCategory", "Kuchen");
    EXPECT_EQ(text(form, "txtCategory"), "Brot");
    // The till reads the same recordset and finds the new category at once.
    EXPECT_EQ(frmCategory().ADOCategory->recordCount(), 3);

    // "Bearbeiten" opens the boxes again for the row shown, which keeps its id.
    click(form, "cmdEdit");
    EXPECT_EQ(state(form), "00101");
    type(form, "txtCategory", "Kuchen");
    click(form, "cmdSave");
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_EQ(category(7), "Kuchen");
}

TEST_F(CategoryEditor, FindingAndTheHiddenDelete)
{
    FrmCategory &form = shown(frmCategory());
    click(form, "cmdDelete");
    expectMessage(NothingToDelete, mb::vbOKOnly, AppTitle);

    exec("INSERT INTO Category VALUES (1, 'Obst'), (2, 'Gemüse'), (3, 'Brot')");
    m_dialogs->answerInput("9");
    click(form, "cmdcFind");
    EXPECT_EQ(m_dialogs->prompts(), QStringList{"Bitte Warengruppen ID angeben..."});
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_EQ(text(form, "txtcID") + text(form, "txtCategory"), "");
    click(form, "cmdDelete");
    expectMessage(NothingToDelete);
    EXPECT_EQ(count("Category"), 3);

    m_dialogs->answerInput("2");
    click(form, "cmdcFind");
    EXPECT_EQ(text(form, "txtCategory"), "Gemüse");
    click(form, "cmdDelete");
    EXPECT_EQ(scalar("SELECT group_concat(CategoryID) FROM Category").toString(), "1,3");

    // A search drops the row being added but leaves the adding state.
    click(form, "cmdNew");
    m_dialogs->answerInput("1");
    click(form, "cmdcFind");
    EXPECT_EQ(frmCategory().ADOCategory->recordCount(), 2);
    EXPECT_EQ(text(form, "txtCategory"), "Obst");
    EXPECT_EQ(state(form), "00101");

    click(form, "cmdcClose");
    processEvents();
    EXPECT_FALSE(screens().isLoaded<FrmCategory>());
}

TEST_F(CategoryEditor, BrandsWithoutANameAreNotDeleted)
{
    exec("INSERT INTO Brands VALUES (1, NULL, 'ohne Namen'), (2, 'Alpi', 'Milch')");
    FrmBrands &form = shown(frmBrands());
    EXPECT_EQ(text(form, "txtremarks"), "ohne Namen");
    click(form, "cmdDelete");
    EXPECT_EQ(count("Brands"), 2);
    EXPECT_TRUE(m_dialogs->messages().empty());

    m_dialogs->answerInput("2");
    click(form, "cmdFind");
    EXPECT_EQ(m_dialogs->prompts(), QStringList{"Bitte Marken ID angeben..."});
    EXPECT_EQ(text(form, "txtbrand"), "Alpi");
    click(form, "cmdDelete");
    EXPECT_EQ(count("Brands"), 1);
}
TEST_F(CategoryEditor, ARenamedCategoryTakesItsProductsAlong)
{
    exec("INSERT INTO Category VALUES (1, 'Pizza'), (2, 'Pasta'), (3, 'Salat')");
    exec("INSERT INTO Products (ProductID, Description, Category) VALUES (1, 'Margherita', 'Pizza'),"
         " (2, 'Salami', 'Pizza'), (3, 'Penne', 'Pasta'), (4, 'Pizzabrot', 'pizza')");
    auto productsOf = [&](const QString &category) {
        return scalar("SELECT group_concat(ProductID) FROM Products WHERE Category = ?1", {category}).toString();
    };
    FrmCategory &form = shown(frmCategory());
    type(form, "txtCategory", "Pizzen");
    click(form, "cmdSave");
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_EQ(productsOf("Pizzen"), "1,2");
    EXPECT_EQ(productsOf("pizza"), "4") << "another text is another category";

    // Moving on to another row stores the name as well, and carries too.
    click(form, "cmdEdit");
    click(form, "cmdFirst");
    click(form, "cmdNext");
    type(form, "txtCategory", "Nudeln");
    click(form, "cmdNext");
    EXPECT_EQ(productsOf("Nudeln"), "3");
    EXPECT_EQ(productsOf("Pasta"), "");

    // When the products cannot follow, the name is not changed either.
    exec("CREATE TRIGGER full BEFORE UPDATE ON Products BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    click(form, "cmdFirst");
    type(form, "txtCategory", "Flammkuchen");
    click(form, "cmdSave");
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_TRUE(m_dialogs->messages()[0].text.contains("disk full"));
    EXPECT_EQ(category(1), "Pizzen");
    EXPECT_EQ(productsOf("Pizzen"), "1,2");
}
