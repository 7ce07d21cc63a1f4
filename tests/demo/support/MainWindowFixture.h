#pragma once

#include "MainWindow.h"
#include "RecordingCellvex.h"
#include "RecordingDialogFactory.h"
#include "WindowScriptedPrompts.h"

#include <QAction>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace cellvex::demo::fakes {

// The main window over the recording control, scripted prompts and the
// recording dialog factory, with a scratch folder as the program's folder.
class MainWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        window = std::make_unique<MainWindow>(control, nullptr, state, prompts, dialogs, folder.path());
    }

    // Selection (1,2)-(2,3) with the input cell (2,3): two columns, two rows.
    void selectTwoByTwo() { state = HostState{1, 2, 2, 3, 2, 3}; }

    void trigger(const QString &name)
    {
        auto *action = window->findChild<QAction *>(name);
        ASSERT_NE(action, nullptr) << name.toStdString();
        action->trigger();
    }

    QString path(const QString &name) const { return folder.filePath(name); }

    // One call per selected cell of the 2 x 2 selection, columns outermost:
    // `pattern` has %1 for the column and %2 for the row.
    static QStringList overTwoByTwo(const QString &pattern)
    {
        QStringList calls;
        for (int c = 1; c <= 2; ++c)
            for (int r = 2; r <= 3; ++r)
                calls << pattern.arg(c).arg(r);
        return calls;
    }

    RecordingCellvex control;
    HostState state;
    WindowScriptedPrompts prompts;
    RecordingDialogFactory dialogs;
    QTemporaryDir folder;
    std::unique_ptr<MainWindow> window;
};

} // namespace cellvex::demo::fakes
