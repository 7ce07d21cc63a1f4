#pragma once

#include "print/dialogs/FixedDialog.h"
#include "print/dialogs/PrintSetupValues.h"
#include "report/PageSettings.h"

#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace cellvex {

class PrinterChoiceBox;
class PrinterService;

// The page setup dialog "打印设置": printer, paper, orientation, copies and
// what is printed; page header and footer; margins. It works on a copy of the
// report's settings and hands back what was confirmed (values()); the caller
// takes it over.
class PrintSetupDialog : public FixedDialog
{
    Q_OBJECT
public:
    PrintSetupDialog(const PageSettings &settings, const PrinterService &printers, const QStringList &fonts,
                     QWidget *parent = nullptr);

    // What the dialog holds; meaningful once it was accepted.
    PrintSetupValues values() const;

    // The header/footer sizes offered, in points.
    static const QStringList &fontSizes();

private:
    QWidget *buildPrinterTab();
    QWidget *buildHeaderFooterTab();
    QWidget *buildMarginsTab();
    QLineEdit *millimetreEdit(const char *name, const PaperLength &length);
    void fillFromSettings(const QStringList &fonts);
    // The printer's papers; chooses the report's paper when offered.
    void fillPapers();
    void applyPaperChoice();
    void orientationChanged();
    // OK: empty fields get their defaults; a field that holds no number
    // keeps the dialog open with that field selected.
    void confirm();
    bool memoEnter(QObject *watched, QEvent *event);
    bool eventFilter(QObject *watched, QEvent *event) override;

    const PageSettings m_settings;
    const PrinterService &m_printers;

    QTabWidget *m_tabs = nullptr;
    PrinterChoiceBox *m_printerBox = nullptr;
    QComboBox *m_paper = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
    QRadioButton *m_landscape = nullptr;
    QRadioButton *m_portrait = nullptr;
    QLineEdit *m_copies = nullptr;
    QCheckBox *m_printLines = nullptr;
    QCheckBox *m_printColors = nullptr;
    QComboBox *m_fonts = nullptr;
    QComboBox *m_sizes = nullptr;
    QPlainTextEdit *m_header = nullptr;
    QPlainTextEdit *m_footer = nullptr;
    // The memos' texts as first shown, to tell an edit from the rendering.
    QString m_headerShown;
    QString m_footerShown;
    QLineEdit *m_headerMargin = nullptr;
    QLineEdit *m_footerMargin = nullptr;
    QLineEdit *m_leftMargin = nullptr;
    QLineEdit *m_topMargin = nullptr;
    QLineEdit *m_rightMargin = nullptr;
    QLineEdit *m_bottomMargin = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace cellvex
