#pragma once

#include "FakePrinterService.h"
#include "PagedReport.h"
#include "print/Pagination.h"
#include "print/dialogs/DialogRunner.h"
#include "print/dialogs/PrintContext.h"
#include "report/PageSettings.h"
#include "report/Report.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

#include <gtest/gtest.h>

namespace cellvex {

// Stands in for the person at the screen: every dialog the code opens is
// handed to `onDialog`, which fills fields and presses buttons and returns
// the dialog's result. With no script every dialog is cancelled.
class ScriptedRunner : public DialogRunner
{
public:
    std::function<int(QDialog &)> onDialog;
    QStringList shown; // object names, in the order opened

    int exec(QDialog &dialog) override
    {
        shown << dialog.objectName();
        return onDialog ? onDialog(dialog) : int(QDialog::Rejected);
    }
};

template <typename T> T *child(const QWidget &parent, const char *name)
{
    T *w = parent.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Presses OK and answers what the dialog ended with (Rejected while a
// refused OK keeps it open).
inline int pressOk(QDialog &dialog)
{
    child<QPushButton>(dialog, "btn_ok")->click();
    return dialog.result();
}

// Types text key by key, as a keyboard would (Latin characters only).
inline void typeInto(QWidget *target, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &press);
    }
}

inline void pressKey(QWidget *target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

// A report on the fake printer with everything a printing dialog needs,
// recording what the control would have been asked to do.
struct DialogFixture : ::testing::Test, test::PagedReport
{
    DialogFixture()
    {
        printer.installed = {QStringLiteral("PDF"), QStringLiteral("Office Printer on LPT1:")};
        printer.details[QStringLiteral("Office Printer")] = {QStringLiteral("HP LaserJet"),
                                                             QStringLiteral("LPT1:"), QStringLiteral("二楼")};
        printer.papers = {9, 8, 1, 256};
        // Eight columns of 100 pixels: two column bands on A4 portrait (six
        // fit), one in landscape; four rows fit one row band.
        report.newReport(8, 4);
        report.colRuler().loadFilePole(std::vector<int>(8, 100));
        paginate();
        report.setSaved(true);
    }

    // One column of `rows` rows `height` pixels high: at 900 every row is a
    // page of its own on A4 portrait.
    void tallRows(int rows, int height = 900)
    {
        report.newReport(1, rows);
        std::vector<int> heights(size_t(rows), height);
        report.rowRuler().loadFilePole(heights);
        paginate();
        report.setSaved(true);
    }

    FakePrinterService printer;
    ScriptedRunner runner;
    QStringList errors;
    int repaginations = 0;
    int lineRebuilds = 0;

    // Counts what the dialogs ask and collects their errors.
    struct Host final : PrintHost
    {
        explicit Host(DialogFixture &f) : f(f) {}
        void repaginate() override
        {
            ++f.repaginations;
            f.paginate();
        }
        void recomputePagination() override { f.paginate(); }
        void rebuildPageBreakLines() override { ++f.lineRebuilds; }
        void reportError(const QString &m) override { f.errors << m; }
        QStringList installedFonts() override
        {
            return QStringList{QStringLiteral("宋体"), QStringLiteral("Arial"),
                               QStringLiteral("DejaVu Sans")};
        }
        DialogFixture &f;
    } host{*this};
    PrintContext ctx{report, settings, pagination, printer, runner, host};
};

} // namespace cellvex
