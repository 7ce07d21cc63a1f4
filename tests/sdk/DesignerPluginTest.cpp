#include "control/CellvexWidget.h"

#include <QPluginLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <gtest/gtest.h>

#include <memory>

using namespace cellvex;

// Qt Designer loads the plugin from its plugin folder, puts the widget in its
// box under the plugin's name and group, and creates it on a form from
// domXml; a form's generated code includes includeFile.
class DesignerPlugin : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
        plugin = qobject_cast<QDesignerCustomWidgetInterface *>(loader.instance());
        ASSERT_NE(plugin, nullptr) << "the plugin is no QDesignerCustomWidgetInterface";
    }

    QPluginLoader loader{QStringLiteral(CELLVEX_DESIGNER_PLUGIN)};
    QDesignerCustomWidgetInterface *plugin = nullptr;
};

TEST_F(DesignerPlugin, DescribesTheWidgetForTheBoxAndTheGeneratedCode)
{
    EXPECT_EQ(plugin->name(), QStringLiteral("cellvex::CellvexWidget"));
    EXPECT_FALSE(plugin->group().isEmpty());
    EXPECT_FALSE(plugin->isContainer());
    EXPECT_EQ(plugin->includeFile(), QStringLiteral("cellvex/Cellvex.h"));
    // Designer creates the form's widget from domXml: it must name the same class.
    EXPECT_TRUE(plugin->domXml().contains(QStringLiteral("class=\"cellvex::CellvexWidget\"")));
}

TEST_F(DesignerPlugin, CreatesTheControlWithItsDefaultGrid)
{
    QWidget form;
    QWidget *created = plugin->createWidget(&form);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->parentWidget(), &form);
    auto *widget = qobject_cast<CellvexWidget *>(created);
    ASSERT_NE(widget, nullptr) << created->metaObject()->className();
    ASSERT_TRUE(widget->isValid()) << widget->errorString().toStdString();

    std::int32_t cols = 0, rows = 0;
    ASSERT_EQ(widget->control()->get_ColCount(&cols), automation::S_OK);
    ASSERT_EQ(widget->control()->get_RowCount(&rows), automation::S_OK);
    EXPECT_EQ(cols, 6);
    EXPECT_EQ(rows, 30);

    // The grid fills the widget Designer sizes on the form.
    form.resize(480, 320);
    created->setGeometry(0, 0, 480, 320);
    form.show();
    EXPECT_TRUE(widget->controlWidget()->isVisible());
    EXPECT_EQ(widget->controlWidget()->size(), QSize(480, 320));
}
