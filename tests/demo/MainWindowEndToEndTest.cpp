// The main window over the real control on a real display (run under Xvfb):
// a sample is opened, a cell picked with the mouse, a property applied from
// the toolbar, the report saved and opened again.
#include "HostEventSink.h"
#include "MainWindow.h"
#include "RecordingDialogFactory.h"
#include "UiDriver.h"
#include "WindowScriptedPrompts.h"
#ifdef CELLVEX_DEMO_HAS_DIALOGS
#include "DialogPlacement.h"
#include "QtDialogFactory.h"
#endif

#include "automation/ComInterfaces.h"
#include "automation/ICellvex.h"
#include "automation/TypeLibrary.h"
#include "control/CellvexControl.h"
#include "platform/ControlHost.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWindow>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::automation;
using namespace cellvex::demo;

namespace {

class EndToEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            GTEST_SKIP() << "needs a display; ctest runs this under xvfb-run";
        ASSERT_TRUE(folder.isValid());
        qputenv("CELLVEX_REGISTRY", folder.filePath(QStringLiteral("registry.ini")).toUtf8());
        ASSERT_TRUE(succeeded(DllRegisterServer()));
        QString why;
        ASSERT_TRUE(succeeded(createControl(TypeLibrary::kCoclassId.toString(), &control, &why)))
            << why.toStdString();
        void *widget = nullptr;
        control->QueryInterface(IID_IQtWidget, &widget);
        controlWidget = qobject_cast<CellvexControl *>(static_cast<QWidget *>(widget));
        ASSERT_NE(controlWidget, nullptr);
#ifdef CELLVEX_DEMO_HAS_DIALOGS
        dialogs = std::make_unique<QtDialogFactory>(control, state, prompts);
#else
        dialogs = std::make_unique<fakes::RecordingDialogFactory>();
#endif
        window = std::make_unique<MainWindow>(*control, controlWidget, state, prompts, *dialogs,
                                              QStringLiteral(CELLVEX_DEMO_PROGRAM_DIR));
        sink = std::make_unique<HostEventSink>(*window);
        ASSERT_TRUE(
            succeeded(control->QueryInterface(IID_IConnectionPoint, reinterpret_cast<void **>(&point))));
        point->Advise(sink.get(), &cookie);
        window->resize(1280, 900);
        window->show();
        QElapsedTimer waited;
        waited.start();
        while (!(window->windowHandle() && window->windowHandle()->isExposed()) && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        ASSERT_TRUE(window->windowHandle()->isExposed());
    }

    void TearDown() override
    {
        if (point) {
            point->Unadvise(cookie);
            control->Release();
        }
        window.reset();
        if (control)
            control->Release();
    }

    void trigger(const char *name)
    {
        window->findChild<QAction *>(QString::fromLatin1(name))->trigger();
    }

    QTemporaryDir folder;
    ICellvex *control = nullptr;
    CellvexControl *controlWidget = nullptr;
    HostState state;
    fakes::WindowScriptedPrompts prompts;
    std::unique_ptr<DialogFactory> dialogs;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<HostEventSink> sink;
    IConnectionPoint *point = nullptr;
    std::uint32_t cookie = 0;
};

#ifdef CELLVEX_DEMO_HAS_DIALOGS
// A left click at the centre of `rect` of `widget`, as the mouse gives it.
void clickAt(QWidget *widget, const QRect &rect)
{
    const QPoint at = rect.center();
    const QPoint global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
    QCoreApplication::processEvents();
}
#endif

bool bold(ICellvex &control, int col, int row)
{
    bool on = false;
    control.GetFontStyleBold(col, row, &on);
    return on;
}

QString value(ICellvex &control, int col, int row)
{
    QString text;
    control.GetCellValue(col, row, &text);
    return text;
}

} // namespace

TEST_F(EndToEnd, PickACellWithTheMouseMakeItBoldSaveAndReopen)
{
    trigger("miSampleAccount");
    ASSERT_EQ(value(*control, 2, 4), QStringLiteral("办公用品")) << prompts.log.join(u'\n').toStdString();
    ASSERT_FALSE(bold(*control, 2, 4));

    UiDriver ui(*controlWidget);
    ui.clickCell(2, 4);
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("StatusPanel0"))->text(),
              QStringLiteral("选择范围: (2, 4)-(2, 4)"));
    EXPECT_EQ(state.inputCol, 2);
    EXPECT_EQ(state.inputRow, 4);

#ifdef CELLVEX_DEMO_HAS_DIALOGS
    // Through the cell dialog: the font page, "粗体" in the style list, "应用".
    trigger("miCell");
    auto *dialog = window->findChild<QDialog *>(QStringLiteral("CellPropertiesDialog"));
    ASSERT_NE(dialog, nullptr);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(dialog->frameGeometry().topLeft(),
              besideScreenEdge(dialog->screen()->geometry(), dialog->frameGeometry().size()));
    dialog->findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(3);
    auto *styles = dialog->findChild<QListWidget *>(QStringLiteral("ListBox2"));
    ASSERT_FALSE(styles->item(0)->isSelected()) << "the page shows the input cell, which is not bold";
    clickAt(styles->viewport(), styles->visualItemRect(styles->item(0)));
    ASSERT_TRUE(styles->item(0)->isSelected());
    auto *apply = dialog->findChild<QAbstractButton *>(QStringLiteral("Button2"));
    clickAt(apply, apply->rect());
    EXPECT_TRUE(bold(*control, 2, 4));
    QDir().mkpath(QStringLiteral(CELLVEX_DEMO_SCREENSHOT_DIR));
    EXPECT_TRUE(dialog->screen()->grabWindow(0).save(
        QStringLiteral(CELLVEX_DEMO_SCREENSHOT_DIR "/main-window-cell-dialog.png")));
    dialog->close();
#else
    trigger("tbBold");
    EXPECT_TRUE(bold(*control, 2, 4));
    EXPECT_TRUE(window->findChild<QAction *>(QStringLiteral("tbBold"))->isChecked());
#endif

    const QString saved = folder.filePath(QStringLiteral("帐表-粗体.cvd"));
    prompts.saveNames = {saved};
    trigger("miSave");
    ASSERT_TRUE(QFile::exists(saved)) << prompts.log.join(u'\n').toStdString();

    trigger("miNew");
    EXPECT_FALSE(bold(*control, 2, 4));
    prompts.openNames = {saved};
    trigger("miOpen");
    EXPECT_TRUE(bold(*control, 2, 4));
    EXPECT_FALSE(bold(*control, 2, 5));
    EXPECT_EQ(value(*control, 2, 4), QStringLiteral("办公用品"));
    EXPECT_TRUE(prompts.log.filter(QStringLiteral("error")).isEmpty())
        << prompts.log.join(u'\n').toStdString();

    // A right click on a cell pops up the cell menu.
    ui.clickCell(3, 6, Qt::RightButton);
    auto *cellMenu = window->findChild<QMenu *>(QStringLiteral("PopupMenu3"));
    EXPECT_TRUE(cellMenu->isVisible());
    cellMenu->hide();

    // A picture of the window with the sample open, for the documentation.
    ui.clickCell(2, 5);
    QDir().mkpath(QStringLiteral(CELLVEX_DEMO_SCREENSHOT_DIR));
    trigger("miSampleAccount");
    ui.clickCell(4, 5);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    EXPECT_TRUE(window->grab().save(QStringLiteral(CELLVEX_DEMO_SCREENSHOT_DIR "/main-window.png")));
}
