#pragma once

#include <QGroupBox>
#include <QString>

class QComboBox;
class QGridLayout;
class QLabel;

namespace cellvex {

class PrinterService;

// The "打印机" group both printing dialogs open with: the printer list and
// the chosen printer's state, port, driver and description. The printing
// dialogs add their own rows to its grid.
class PrinterChoiceBox : public QGroupBox
{
    Q_OBJECT
public:
    PrinterChoiceBox(const PrinterService &printers, QWidget *parent = nullptr);

    // Lists the installed printers by their list names and chooses
    // `printerName` when it is installed, else the system's current printer;
    // then shows its details and announces the choice.
    void fill(const QString &printerName);
    // The chosen printer's list name; empty when none is listed.
    QString chosenPrinter() const;
    // The port the details name (what a paper query is asked with).
    QString port() const;

    QGridLayout *grid() const { return m_grid; }
    // Rows of the grid the box itself uses.
    static constexpr int kRowsUsed = 5;

signals:
    // After the choice changed and its details are shown.
    void printerChanged(const QString &printerName);

private:
    void showDetails();

    const PrinterService &m_printers;
    QGridLayout *m_grid;
    QComboBox *m_list;
    QLabel *m_state;
    QLabel *m_port;
    QLabel *m_driver;
    QLabel *m_description;
};

} // namespace cellvex
