#include <gtest/gtest.h>

#include "app/screens.h"
#include "masterdata/frmbrands.h"
#include "masterdata/frmcategory.h"
#include "editortest.h"

namespace {
const QString NothingToDelete = QStringLiteral("Alle Datensätze wurden bereits gelöscht");
const QString IdOneTaken = QStringLiteral("Die ID 1 ist bereits vergeben. Es wurde nichts gespeichert.");

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

TEST_F(CategoryEditor, AddingSavingAndTheLockedBoxes)
{
    exec("INSERT INTO Category VALUES (1, 'Obst'), (2, 'Gemüse')");
    FrmCategory &form = shown(frmCategory());
    EXPECT_EQ(form.windowTitle(), "Category");
    EXPECT_FALSE(control(form, "cmdDelete")->isVisible());
    EXPECT_EQ(state(form), "11111");
    EXPECT_EQ(text(form, "txtCategory"), "Obst");

    click(form, "cmdNew");
    EXPECT_EQ(state(form), "00101");
    EXPECT_EQ(text(form, "txtcID"), "");
    type(form, "txtcID", "7");
    type(form, "txtCategory", "Brot");
    click(form, "cmdSave");
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_EQ(category(7), "Brot");
    // The new row, stored at the end, stays shown; the boxes are locked.
    EXPECT_EQ(state(form), "11010");
    type(form, "txtCategory", "Kuchen");
    EXPECT_EQ(text(form, "txtCategory"), "Brot");
    // The till reads the same recordset and finds the new category at once.
    EXPECT_EQ(frmCategory().ADOCategory->recordCount(), 3);

    // "Bearbeiten" opens the boxes again for the row shown.
    click(form, "cmdEdit");
    EXPECT_EQ(state(form), "00101");
    type(form, "txtCategory", "Kuchen");
    click(form, "cmdSave");
    EXPECT_EQ(category(7), "Kuchen");
}

TEST_F(CategoryEditor, ARepeatedOrBadIdIsRefusedAndNothingTypedIsLost)
{
    exec("INSERT INTO Category VALUES (1, 'Obst')");
    FrmCategory &form = shown(frmCategory());
    click(form, "cmdNew");
    type(form, "txtcID", "1");
    type(form, "txtCategory", "Brot");
    click(form, "cmdSave");
    expectMessage(IdOneTaken, mb::vbExclamation);
    EXPECT_EQ(state(form), "00101");
    EXPECT_EQ(text(form, "txtCategory"), "Brot");

    type(form, "txtcID", "B1");
    click(form, "cmdRefresh"); // moving away would store the row: checked as well
    EXPECT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_EQ(count("Category"), 1);

    type(form, "txtcID", "2");
    click(form, "cmdSave");
    EXPECT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_EQ(category(2), "Brot");
}

TEST_F(CategoryEditor, FindingAndTheHiddenDelete)
{
    FrmCategory &form = shown(frmCategory());
    click(form, "cmdDelete");
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_EQ(m_dialogs->messages()[0].title, AppTitle);
    expectMessage(NothingToDelete);

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
    EXPECT_EQ(form.windowTitle(), "Brands");
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

    click(form, "cmdNew");
    type(form, "txtid", "1");
    type(form, "txtbrand", "Zott");
    click(form, "cmdSave");
    expectMessage(IdOneTaken);
}
