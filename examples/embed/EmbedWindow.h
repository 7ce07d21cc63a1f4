#pragma once

#include <cellvex/Cellvex.h>

#include <QMainWindow>

// A main window with the report grid in a layout and a status line that
// follows the user's edits.
class EmbedWindow : public QMainWindow
{
    Q_OBJECT

public:
    EmbedWindow();

    cellvex::CellvexWidget *grid() const { return m_grid; }

    // Writes a small price list into the first cells through ICellvex.
    bool fillPriceList();

signals:
    void reported(const QString &line);

private:
    cellvex::CellvexWidget *m_grid = nullptr;
};
