#pragma once

#include "CellPage.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace cellvex::demo {

// "类型": what kind of cell it is (text, drop-down list, date, chart, button,
// check box), each kind with its own panel of settings; the chart panel also
// adds and clears the chart's series.
class CellKindPage : public CellPage
{
    Q_OBJECT
public:
    CellKindPage(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                 QWidget *parent = nullptr);

    void refresh() override;
    void apply() override;

private:
    enum Kind { Text, Drop, Date, Chart, Button, Check, KindCount };
    // Shows the chosen kind's panel, filled from the input cell.
    void showKind(int kind);
    void buildChartPanel(QWidget *panel);
    // The series numbers 1 … n of the input cell's chart, none chosen.
    void rebuildSeriesList();
    void showSeries(int index);
    void addSeries();
    void clearSeries();

    QListWidget *m_list;
    QWidget *m_panels[KindCount];
    QLineEdit *m_maxLength;   // Edit18
    QPlainTextEdit *m_items;  // Memo1
    QLineEdit *m_chartTitle;  // Edit3
    QLineEdit *m_axisX;       // Edit4
    QLineEdit *m_axisY;       // Edit5
    QLineEdit *m_seriesType;  // Edit10
    QLineEdit *m_seriesSigns; // Edit11
    QLineEdit *m_seriesData;  // Edit12
    QComboBox *m_series;      // ComboBox4
    QLineEdit *m_caption;     // Edit6
    QPlainTextEdit *m_action; // Memo2
    QLineEdit *m_checkText;   // Edit21
};

} // namespace cellvex::demo
