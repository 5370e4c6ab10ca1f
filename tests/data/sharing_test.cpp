#include <gtest/gtest.h>

#include "platform/screens.h"
#include "data/datacontrol.h"
#include "platform/ui/form.h"
#include "support/fixture.h"

namespace {
// Two small screens: the editor owns the category data control, the viewer
// works on the editor's control through the registry.
int g_editorLoads = 0;

class CategoryEditor : public Form
{
public:
    void Form_Load() override
    {
        ++g_editorLoads;
        categories.refresh();
    }
    DataControl categories{"Category"};
};

class CategoryViewer : public Form
{
public:
    QString firstCategory()
    {
        Recordset &rs = screens().get<CategoryEditor>().categories.recordset();
        rs.moveFirst();
        return rs.text("Category");
    }
    void showOnly(const QString &name) { screens().get<CategoryEditor>().categories->setFilter({{"Category", name}}); }
};
} // namespace

using SharedDataControls = DatabaseTest;

TEST_F(SharedDataControls, OneScreenLoadedHiddenOnceAndItsFilterLeftForTheNextUser)
{
    exec("INSERT INTO Category VALUES (1, 'Pizza')");
    exec("INSERT INTO Category VALUES (2, 'Getränke')");
    g_editorLoads = 0;

    auto &viewer = screens().get<CategoryViewer>();
    EXPECT_FALSE(screens().isLoaded<CategoryEditor>());
    EXPECT_EQ(viewer.firstCategory(), "Pizza");
    EXPECT_TRUE(screens().isLoaded<CategoryEditor>()) << "touching its control loads the editor";
    EXPECT_FALSE(screens().get<CategoryEditor>().isVisible()) << "loaded without being shown";
    EXPECT_EQ(g_editorLoads, 1);

    viewer.showOnly("Getränke");
    screens().unload<CategoryViewer>();
    processEvents();
    // The filter stays for the next screen that reads the recordset.
    EXPECT_EQ(screens().get<CategoryViewer>().firstCategory(), "Getränke");
    EXPECT_EQ(screens().get<CategoryEditor>().categories->recordCount(), 1);
    EXPECT_EQ(g_editorLoads, 1) << "a loaded screen does not load again";

    screens().unload<CategoryEditor>();
    processEvents();
    EXPECT_EQ(screens().get<CategoryViewer>().firstCategory(), "Pizza") << "unloading discarded the old state";
    EXPECT_EQ(g_editorLoads, 2);
}
