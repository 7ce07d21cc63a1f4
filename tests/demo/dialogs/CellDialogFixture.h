#pragma once

#include "CellPropertiesDialog.h"
#include "DialogTestSupport.h"
#include "HostState.h"
#include "RecordingCellvex.h"
#include "ScriptedPrompts.h"
#include "automation/ErrorInfo.h"

#include <QPushButton>

#include <memory>

namespace cellvex::demo::testing {

using automation::Variant;
using fakes::RecordingCellvex;
using fakes::ScriptedPrompts;

inline QString S(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The dialog open on a control, with the input cell (2, 3) and a selection.
struct CellDialog
{
    RecordingCellvex fake;
    HostState state{1, 1, 1, 2, 2, 3};
    ScriptedPrompts prompts;
    std::unique_ptr<CellPropertiesDialog> dialog;

    void open(const QString &page = S("显示"))
    {
        dialog = std::make_unique<CellPropertiesDialog>(&fake, state, prompts);
        dialog->setAttribute(Qt::WA_DeleteOnClose, false); // the test owns it
        dialog->show();
        showPage(pages(), page);
    }
    QTabWidget *pages() { return child<QTabWidget>(dialog.get(), S("PageControl1")); }
    template <class T> T *get(const char *name) { return child<T>(dialog.get(), S(name)); }
    QStringList applied()
    {
        fake.clearCalls();
        click(get<QPushButton>("Button2"));
        return fake.calls();
    }
};

inline QString selectedItem(QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

// Fails the member on one cell, as the control fails a call.
inline void failOnCell(RecordingCellvex &fake, const QString &member, int col, int row)
{
    fake.on(member, [=](const std::vector<Variant> &in, std::vector<Variant> &) {
        if (in[0].asLong() == col && in[1].asLong() == row)
            return automation::ErrorInfo().fail(automation::E_FAIL, member + S(" 尚未实现"), member);
        return automation::S_OK;
    });
}

} // namespace cellvex::demo::testing
