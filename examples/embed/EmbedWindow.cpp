#include "EmbedWindow.h"

#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

using cellvex::automation::succeeded;

EmbedWindow::EmbedWindow()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new QLabel(tr("Price list"), central));
    m_grid = new cellvex::CellvexWidget(central);
    layout->addWidget(m_grid, 1);
    setCentralWidget(central);
    m_grid->setEventSink(&m_decimalPoint);

    connect(m_grid, &cellvex::CellvexWidget::cellChanged, this,
            [this](int col, int row, const QString &text) {
                const QString line = tr("changed %1,%2 to %3").arg(col).arg(row).arg(text);
                statusBar()->showMessage(line);
                emit reported(line);
            });
}

bool EmbedWindow::fillPriceList()
{
    cellvex::automation::ICellvex *cv = m_grid->control();
    if (!cv)
        return false;
    const QStringList items{QStringLiteral("Item"), QStringLiteral("Price"), QStringLiteral("Tea"),
                            QStringLiteral("2.50"), QStringLiteral("Cake"),  QStringLiteral("3.20")};
    bool ok = true;
    for (int i = 0; i < items.size(); ++i)
        ok = succeeded(cv->SetCellValue(i % 2 + 1, i / 2 + 1, items[i])) && ok;
    ok = succeeded(cv->SetColWidth(1, 120)) && ok;
    return ok;
}
