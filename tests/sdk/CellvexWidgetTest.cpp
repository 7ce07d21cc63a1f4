#include <cellvex/Cellvex.h>

#include <QSignalSpy>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

// A host's own sink: answers OnCellChanging with an upper-cased value and
// counts what reaches it.
struct UpperCasingSink : TypedEventSink
{
    void OnCellChanging(std::int32_t, std::int32_t, QString *value) override
    {
        ++changing;
        *value = value->toUpper();
    }
    void OnCellChanged(std::int32_t, std::int32_t, const QString &) override { ++changed; }
    int changing = 0;
    int changed = 0;
};

QString value(CellvexWidget &w, int col, int row)
{
    QString v;
    EXPECT_EQ(w->GetCellValue(col, row, &v), S_OK);
    return v;
}

} // namespace

TEST(CellvexWidget, HostsTheControlInALayout)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *grid = new CellvexWidget;
    layout->addWidget(grid);
    ASSERT_TRUE(grid->isValid()) << grid->errorString().toStdString();
    EXPECT_EQ(grid->controlWidget()->parentWidget(), grid);
    EXPECT_EQ(grid->focusProxy(), grid->controlWidget());
    window.resize(400, 300);
    window.show();
    EXPECT_TRUE(grid->controlWidget()->isVisible());
    EXPECT_EQ(grid->controlWidget()->size(), grid->size());
}

TEST(CellvexWidget, ChangesArriveAsSignalsAndAtTheHostsSink)
{
    CellvexWidget grid;
    ASSERT_TRUE(grid.isValid());
    QSignalSpy changed(&grid, &CellvexWidget::cellChanged);
    QSignalSpy selected(&grid, &CellvexWidget::selectionChanged);

    ASSERT_EQ(grid->SetCellValue(2, 3, QStringLiteral("tea")), S_OK);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0], (QList<QVariant>{2, 3, QStringLiteral("tea")}));
    ASSERT_EQ(grid->SetSelectedCell(1, 1, 2, 2), S_OK);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected[0], (QList<QVariant>{1, 1, 2, 2}));

    // The host's sink sees every event after the signals and may change
    // in/out arguments, which go back to the control.
    UpperCasingSink sink;
    grid.setEventSink(&sink);
    ASSERT_EQ(grid->SetCellValue(1, 1, QStringLiteral("cake")), S_OK);
    EXPECT_EQ(sink.changing, 1);
    EXPECT_EQ(sink.changed, 1);
    EXPECT_EQ(value(grid, 1, 1), QStringLiteral("CAKE"));
    EXPECT_EQ(changed.last(), (QList<QVariant>{1, 1, QStringLiteral("CAKE")}));

    grid.setEventSink(nullptr);
    ASSERT_EQ(grid->SetCellValue(1, 2, QStringLiteral("jam")), S_OK);
    EXPECT_EQ(sink.changing, 1);
    EXPECT_EQ(value(grid, 1, 2), QStringLiteral("jam"));
}

// The widget holds the control object's only references: deleting it, alone
// or with its parent, leaves no control object behind.
TEST(CellvexWidget, DeletingTheWidgetReleasesTheControl)
{
    ASSERT_EQ(DllCanUnloadNow(), S_OK);
    {
        CellvexWidget grid;
        ASSERT_TRUE(grid.isValid());
        EXPECT_EQ(DllCanUnloadNow(), S_FALSE);
    }
    EXPECT_EQ(DllCanUnloadNow(), S_OK);

    auto *parent = new QWidget;
    new CellvexWidget(parent);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE);
    delete parent;
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}
