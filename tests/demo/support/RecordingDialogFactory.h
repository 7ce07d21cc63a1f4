#pragma once

#include "DialogFactory.h"

#include <QStringList>

namespace cellvex::demo::fakes {

// A dialog factory that writes down which dialog the window asked for and
// answers the modal ones with the values set here.
class RecordingDialogFactory final : public DialogFactory
{
public:
    QStringList log;
    NumberDialogAnswer numberAnswer;
    NumberDialogRequest lastNumberRequest;
    ExcelExportAnswer exportAnswer;
    ExcelImportAnswer importAnswer;

    void openCellDialog(QWidget *) override { log << QStringLiteral("cell"); }
    void openAliasDialog(QWidget *) override { log << QStringLiteral("alias"); }
    void openFindDialog(QWidget *) override { log << QStringLiteral("find"); }
    void openReplaceDialog(QWidget *) override { log << QStringLiteral("replace"); }
    void refreshCellDialog() override { log << QStringLiteral("refresh cell"); }
    void fillAliasDialog(int col, int row) override
    {
        log << QStringLiteral("fill alias %1,%2").arg(col).arg(row);
    }
    NumberDialogAnswer runNumberDialog(QWidget *, const NumberDialogRequest &request) override
    {
        lastNumberRequest = request;
        log << QStringLiteral("number %1 %2 %3 [%4] [%5]")
                   .arg(request.caption, request.firstLabel, request.secondLabel, request.firstValue,
                        request.secondValue);
        return numberAnswer;
    }
    ExcelExportAnswer runExcelExportDialog(QWidget *) override
    {
        log << QStringLiteral("excel export");
        return exportAnswer;
    }
    ExcelImportAnswer runExcelImportDialog(QWidget *) override
    {
        log << QStringLiteral("excel import");
        return importAnswer;
    }
};

} // namespace cellvex::demo::fakes
