#include "PrinterChoiceBox.h"

#include "print/PrintJobSetup.h"
#include "print/PrinterService.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace cellvex {

namespace {

QLabel *valueLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

PrinterChoiceBox::PrinterChoiceBox(const PrinterService &printers, QWidget *parent)
    : QGroupBox(QStringLiteral("打印机"), parent), m_printers(printers), m_grid(new QGridLayout(this)),
      m_list(new QComboBox(this)), m_state(valueLabel("lbl_state", this)),
      m_port(valueLabel("lbl_port", this)), m_driver(valueLabel("lbl_driver", this)),
      m_description(valueLabel("lbl_description", this))
{
    m_list->setObjectName(QStringLiteral("cbb_printer"));
    m_list->setMinimumWidth(260);
    m_grid->addWidget(new QLabel(QStringLiteral("名称："), this), 0, 0);
    m_grid->addWidget(m_list, 0, 1);
    const std::pair<const char *, QLabel *> rows[] = {
        {"状态：", m_state}, {"位置：", m_port}, {"类型：", m_driver}, {"备注：", m_description}};
    int row = 1;
    for (const auto &[caption, value] : rows) {
        m_grid->addWidget(new QLabel(QString::fromUtf8(caption), this), row, 0);
        m_grid->addWidget(value, row++, 1);
    }
    m_grid->setColumnStretch(1, 1);
    connect(m_list, &QComboBox::currentIndexChanged, this, [this] {
        showDetails();
        emit printerChanged(chosenPrinter());
    });
}

void PrinterChoiceBox::fill(const QString &printerName)
{
    const QStringList installed = m_printers.printers();
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        for (const QString &entry : installed)
            m_list->addItem(printerListName(entry));
        const int named = findPrinter(installed, printerName);
        m_list->setCurrentIndex(named >= 0 ? named : m_printers.currentPrinter());
    }
    showDetails();
    emit printerChanged(chosenPrinter());
}

QString PrinterChoiceBox::chosenPrinter() const
{
    return m_list->currentIndex() >= 0 ? m_list->currentText() : QString();
}

QString PrinterChoiceBox::port() const
{
    return m_port->text();
}

void PrinterChoiceBox::showDetails()
{
    // The state is not known to the printing layer; it stays empty.
    for (QLabel *label : {m_state, m_port, m_driver, m_description})
        label->clear();
    const QString name = chosenPrinter();
    if (name.isEmpty())
        return;
    if (const std::optional<PrinterDetails> details = m_printers.printerDetails(name)) {
        m_driver->setText(details->driver);
        m_port->setText(details->port);
        m_description->setText(details->description);
    }
}

} // namespace cellvex
