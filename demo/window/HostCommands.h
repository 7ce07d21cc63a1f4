#pragma once

#include "DialogFactory.h"
#include "HostPrompts.h"
#include "HostState.h"

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace cellvex::automation {
class ICellvex;
}

namespace cellvex::demo {

// The commands of the demo program's menus, toolbars and pop-up menus,
// each a sequence of member calls with arguments taken from the host's
// selection copy, a file dialog or a host dialog. A failed call throws
// HostError and stops the command; the calls made before it stay in effect.
class HostCommands
{
public:
    enum class FontStyle { Bold, Italic, Underline, Strikeout };

    HostCommands(automation::ICellvex &control, HostState &state, HostPrompts &prompts,
                 DialogFactory &dialogs, QWidget *window, QString programFolder);

    // How the help file is opened; the desktop's handler by default.
    void setUrlOpener(std::function<void(const QUrl &)> opener) { m_openUrl = std::move(opener); }

    // System menu.
    void newReport();
    void openReport();
    // False when the save dialog was cancelled.
    bool saveReport();
    void exportXml(int type);
    void exportExcel();
    void exportBase64();
    void exportHtml();
    // Tab-separated lines, or the non-empty values each followed by a space.
    void exportText(bool asTable);
    void importXml();
    void importExcel();
    void importBase64();
    void pageSetup();
    void preview();
    void print();
    void openSample(const QString &fileName);

    // Edit menu.
    void cut();
    void copy();
    void paste();
    void merge();
    void split();
    void find();
    void replace();
    void cutText();
    void copyText();
    void pasteText();
    void fill(int direction);

    // Format menu.
    void cellProperties();
    void columnWidth();
    void rowHeight();
    void insertColumn();
    void insertRow();
    void deleteColumns();
    void deleteRows();
    void appendColumn();
    void appendRow();
    void addPicture();
    void clearPicture();
    void setReadOnly(bool readOnly);
    void headerFooterRows();

    // Formula, script, alias and help menus.
    void setFormula(const QString &expression);
    void calculate(int order);
    void editCellScript();
    void editInitScript();
    void aliases();
    void help();

    // Toolbar commands. The toggles return whether the button is now down.
    bool toggleMultiLine();
    bool toggleFontStyle(FontStyle style);
    void alignHorizontally(int alignment);
    void alignVertically(int alignment);
    void setFontName(const QString &name);
    void setFontSize(const QString &sizeText);
    void fontColor();
    void backColor();
    void cyclePoles();

private:
    template <class F> void overSelection(F &&f) const;
    QString askSaveName(const QString &filter, const QString &suffix) const;
    QString askOpenName(const QString &filter) const;

    automation::ICellvex &m_control;
    HostState &m_state;
    HostPrompts &m_prompts;
    DialogFactory &m_dialogs;
    QWidget *m_window;
    QString m_programFolder;
    std::function<void(const QUrl &)> m_openUrl;
};

} // namespace cellvex::demo
