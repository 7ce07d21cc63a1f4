#pragma once

#include "DialogFactory.h"
#include "HostPrompts.h"

namespace cellvex::demo {

// The factory of a build without the dialogs library: every dialog command
// says so in the standard error box and then does nothing, as a cancelled
// dialog would.
class UnavailableDialogFactory final : public DialogFactory
{
public:
    explicit UnavailableDialogFactory(HostPrompts &prompts) : m_prompts(prompts) {}

    static QString message() { return QStringLiteral("对话框尚未实现"); }

    void openCellDialog(QWidget *parent) override { refuse(parent); }
    void openAliasDialog(QWidget *parent) override { refuse(parent); }
    void openFindDialog(QWidget *parent) override { refuse(parent); }
    void openReplaceDialog(QWidget *parent) override { refuse(parent); }
    void refreshCellDialog() override {}
    void fillAliasDialog(int, int) override {}
    NumberDialogAnswer runNumberDialog(QWidget *parent, const NumberDialogRequest &) override
    {
        refuse(parent);
        return {};
    }
    ExcelExportAnswer runExcelExportDialog(QWidget *parent) override
    {
        refuse(parent);
        return {};
    }
    ExcelImportAnswer runExcelImportDialog(QWidget *parent) override
    {
        refuse(parent);
        return {};
    }

private:
    void refuse(QWidget *parent) { m_prompts.showError(parent, message()); }

    HostPrompts &m_prompts;
};

} // namespace cellvex::demo
