#include "PrintDialog.h"

#include "print/dialogs/FieldFilter.h"
#include "print/dialogs/PrinterChoiceBox.h"
#include "report/PageSettings.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace cellvex {

PrintDialog::PrintDialog(const PageSettings &settings, const PrinterService &printers, QWidget *parent)
    : FixedDialog(parent)
{
    setObjectName(QStringLiteral("PrintDialogFrm"));
    setWindowTitle(QStringLiteral("打印对话框"));

    m_printerBox = new PrinterChoiceBox(printers, this);
    m_landscape = named(new QRadioButton(QStringLiteral("横向"), m_printerBox), "rdb_polandscape");
    m_portrait = named(new QRadioButton(QStringLiteral("纵向"), m_printerBox), "rdb_poportrait");
    auto *orientation = new QHBoxLayout;
    orientation->addWidget(m_landscape);
    orientation->addWidget(m_portrait);
    orientation->addStretch();
    m_printerBox->grid()->addLayout(orientation, PrinterChoiceBox::kRowsUsed, 1);

    auto *pagesBox = new QGroupBox(QStringLiteral("表页"), this);
    m_allPages = named(new QRadioButton(QStringLiteral("全部表页"), pagesBox), "rdb_allpages");
    m_partPages =
        named(new QRadioButton(QStringLiteral("选定表页 (例： 1; 1-3; 1,4)"), pagesBox), "rdb_partpages");
    m_pages = named(new QLineEdit(pagesBox), "edt_pages");
    FieldFilter::attach(m_pages, FieldKind::PageList);
    auto *pagesGrid = new QGridLayout(pagesBox);
    pagesGrid->addWidget(m_allPages, 0, 0, 1, 2);
    pagesGrid->addWidget(m_partPages, 1, 0);
    pagesGrid->addWidget(m_pages, 1, 1);

    auto *copiesBox = new QGroupBox(QStringLiteral("份数"), this);
    m_copies = named(new QLineEdit(copiesBox), "edt_copies");
    FieldFilter::attach(m_copies, FieldKind::Digits);
    auto *copiesRow = new QHBoxLayout(copiesBox);
    copiesRow->addWidget(new QLabel(QStringLiteral("份数："), copiesBox));
    copiesRow->addWidget(m_copies);
    copiesRow->addWidget(new QLabel(QStringLiteral("份"), copiesBox));
    copiesRow->addStretch();

    const ConfirmButtons buttons = confirmButtons();
    connect(buttons.ok, &QPushButton::clicked, this, &PrintDialog::confirm);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_printerBox);
    layout->addWidget(pagesBox);
    layout->addWidget(copiesBox);
    layout->addLayout(buttons.row);

    m_printerBox->fill(settings.printerName);
    m_landscape->setChecked(settings.landscape);
    m_portrait->setChecked(!settings.landscape);
    m_allPages->setChecked(true);
    setFieldText(m_copies, QString::number(settings.copies), 3);
    // Typing a page list means printing those pages.
    connect(m_pages, &QLineEdit::textChanged, this, [this] { m_partPages->setChecked(true); });
}

void PrintDialog::confirm()
{
    if (m_copies->text().isEmpty())
        m_copies->setText(QStringLiteral("1"));
    accept();
}

PrintDialogChoice PrintDialog::choice() const
{
    PrintDialogChoice c;
    c.printerName = m_printerBox->chosenPrinter();
    c.landscape = m_landscape->isChecked();
    c.copies = m_copies->text().toInt();
    c.allPages = m_allPages->isChecked();
    c.pageField = m_pages->text();
    return c;
}

} // namespace cellvex
