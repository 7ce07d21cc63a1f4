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
    // A host's own sink: sees every event with its in/out arguments. Here it
    // accepts a decimal comma in prices by turning it into a point before
    // the cell takes the value.
    struct DecimalPoint : cellvex::automation::TypedEventSink
    {
        void OnCellChanging(std::int32_t, std::int32_t, QString *value) override
        {
            value->replace(QLatin1Char(','), QLatin1Char('.'));
        }
    };

    cellvex::CellvexWidget *m_grid = nullptr;
    DecimalPoint m_decimalPoint;
};
