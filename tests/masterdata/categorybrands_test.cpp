#include <gtest/gtest.h>

#include <QGroupBox>

#include "app/screens.h"
#include "masterdata/frmbrands.h"
#include "masterdata/frmcategory.h"
#include "editortest.h"

namespace {
class CategoryEditor : public EditorTest
{
protected:
    FrmCategory &open()
    {
        FrmCategory &form = frmCategory();
        form.show();
        return form;
    }

    // "Hinzufügen", "Bearbeiten", "Speichern", "Löschen"
    static QString recordButtons(FrmCategory &form)
    {
        return enabledStates(form, {"cmdNew", "cmdEdit", "cmdSave", "cmdDelete"});
    }
    static bool frameOpen(FrmCategory &form) { return control<QGroupBox>(form, "fraCategory")->isEnabled(); }
};
} // namespace

TEST_F(CategoryEditor, AddingSavingAndTheLockedBoxes)
{
    exec(QStringLiteral("INSERT INTO Category VALUES (1, 'Obst'), (2, 'Gemüse')"));
    FrmCategory &form = open();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Category"));
    EXPECT_FALSE(control(form, "cmdDelete")->isVisible());
    EXPECT_TRUE(frameOpen(form));
    EXPECT_EQ(recordButtons(form), QStringLiteral("1111"));
    EXPECT_EQ(text(form, "txtcID"), QStringLiteral("1"));
    EXPECT_EQ(text(form, "txtCategory"), QStringLiteral("Obst"));

    click(form, "cmdNew");
    EXPECT_TRUE(frameOpen(form));
    EXPECT_EQ(recordButtons(form), QStringLiteral("0010"));
    EXPECT_EQ(text(form, "txtcID"), QString());
    type(form, "txtcID", QStringLiteral("7"));
    type(form, "txtCategory", QStringLiteral("Brot"));
    click(form, "cmdSave");
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_EQ(scalar(QStringLiteral("SELECT Category FROM Category WHERE CategoryID = 7")).toString(),
              QStringLiteral("Brot"));
    // The new row, stored at the end, stays shown; the boxes are locked.
    EXPECT_EQ(text(form, "txtCategory"), QStringLiteral("Brot"));
    EXPECT_FALSE(frameOpen(form));
    EXPECT_EQ(recordButtons(form), QStringLiteral("1101"));
    type(form, "txtCategory", QStringLiteral("Kuchen"));
    EXPECT_EQ(text(form, "txtCategory"), QStringLiteral("Brot"));

    // The till reads the same recordset and finds the new category at once.
    Recordset &categories = frmCategory().ADOCategory.recordset();
    EXPECT_EQ(categories.recordCount(), 3);

    // "Bearbeiten" opens the boxes again for the row shown.
    click(form, "cmdEdit");
    EXPECT_TRUE(frameOpen(form));
    EXPECT_EQ(recordButtons(form), QStringLiteral("0010"));
    type(form, "txtCategory", QStringLiteral("Kuchen"));
    click(form, "cmdSave");
    EXPECT_EQ(scalar(QStringLiteral("SELECT Category FROM Category WHERE CategoryID = 7")).toString(),
              QStringLiteral("Kuchen"));
}

TEST_F(CategoryEditor, ARepeatedOrBadIdIsRefusedAndNothingTypedIsLost)
{
    exec(QStringLiteral("INSERT INTO Category VALUES (1, 'Obst')"));
    FrmCategory &form = open();
    click(form, "cmdNew");
    type(form, "txtcID", QStringLiteral("1"));
    type(form, "txtCategory", QStringLiteral("Brot"));
    click(form, "cmdSave");
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_EQ(m_dialogs->messages()[0].text,
              QStringLiteral("Die ID 1 ist bereits vergeben. Es wurde nichts gespeichert."));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbExclamation);
    EXPECT_EQ(count(QStringLiteral("Category")), 1);
    EXPECT_TRUE(frameOpen(form));
    EXPECT_EQ(recordButtons(form), QStringLiteral("0010"));
    EXPECT_EQ(text(form, "txtCategory"), QStringLiteral("Brot"));

    type(form, "txtcID", QStringLiteral("B1"));
    click(form, "cmdRefresh"); // moving away would store the row: checked as well
    EXPECT_EQ(m_dialogs->messages().size(), 2u);
    EXPECT_EQ(count(QStringLiteral("Category")), 1);

    type(form, "txtcID", QStringLiteral("2"));
    click(form, "cmdSave");
    EXPECT_EQ(m_dialogs->messages().size(), 2u);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Category FROM Category WHERE CategoryID = 2")).toString(),
              QStringLiteral("Brot"));
}

TEST_F(CategoryEditor, FindingAndTheHiddenDelete)
{
    FrmCategory &form = open();
    click(form, "cmdDelete");
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{QStringLiteral("Alle Datensätze wurden bereits gelöscht")});
    EXPECT_EQ(m_dialogs->messages()[0].title, AppTitle);
    m_dialogs->clearRecords();

    exec(QStringLiteral("INSERT INTO Category VALUES (1, 'Obst'), (2, 'Gemüse'), (3, 'Brot')"));
    m_dialogs->answerInput(QStringLiteral("9"));
    click(form, "cmdcFind");
    EXPECT_EQ(m_dialogs->prompts(), QStringList{QStringLiteral("Bitte Warengruppen ID angeben...")});
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_EQ(text(form, "txtcID"), QString());
    EXPECT_EQ(text(form, "txtCategory"), QString());
    click(form, "cmdDelete");
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{QStringLiteral("Alle Datensätze wurden bereits gelöscht")});
    EXPECT_EQ(count(QStringLiteral("Category")), 3);

    m_dialogs->answerInput(QStringLiteral("2"));
    click(form, "cmdcFind");
    EXPECT_EQ(text(form, "txtCategory"), QStringLiteral("Gemüse"));
    click(form, "cmdDelete");
    EXPECT_EQ(count(QStringLiteral("Category")), 2);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM Category WHERE CategoryID = 2")).toLongLong(), 0);

    // A search drops the row being added but leaves the adding state.
    click(form, "cmdNew");
    m_dialogs->answerInput(QStringLiteral("1"));
    click(form, "cmdcFind");
    EXPECT_EQ(frmCategory().ADOCategory->recordCount(), 2);
    EXPECT_EQ(text(form, "txtCategory"), QStringLiteral("Obst"));
    EXPECT_EQ(recordButtons(form), QStringLiteral("0010"));

    click(form, "cmdcClose");
    processEvents();
    EXPECT_FALSE(screens().isLoaded<FrmCategory>());
}

TEST_F(CategoryEditor, BrandsWithoutANameAreNotDeleted)
{
    exec(QStringLiteral("INSERT INTO Brands VALUES (1, NULL, 'ohne Namen'), (2, 'Alpi', 'Milch')"));
    FrmBrands &form = frmBrands();
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Brands"));
    EXPECT_EQ(text(form, "txtremarks"), QStringLiteral("ohne Namen"));
    click(form, "cmdDelete");
    EXPECT_EQ(count(QStringLiteral("Brands")), 2);
    EXPECT_TRUE(m_dialogs->messages().empty());

    m_dialogs->answerInput(QStringLiteral("2"));
    click(form, "cmdFind");
    EXPECT_EQ(m_dialogs->prompts(), QStringList{QStringLiteral("Bitte Marken ID angeben...")});
    EXPECT_EQ(text(form, "txtbrand"), QStringLiteral("Alpi"));
    click(form, "cmdDelete");
    EXPECT_EQ(count(QStringLiteral("Brands")), 1);

    click(form, "cmdNew");
    type(form, "txtid", QStringLiteral("1"));
    type(form, "txtbrand", QStringLiteral("Zott"));
    click(form, "cmdSave");
    EXPECT_EQ(m_dialogs->messageTexts(),
              QStringList{QStringLiteral("Die ID 1 ist bereits vergeben. Es wurde nichts gespeichert.")});
}
