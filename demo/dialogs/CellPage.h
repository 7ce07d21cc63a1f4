#pragma once

#include <QWidget>

namespace cellvex::automation {
class ICellvex;
}

namespace cellvex::demo {

class HostPrompts;
struct HostState;

// One page of the cell-properties dialog: it shows a group of properties of
// the input cell and writes them to the selected cells. Both may throw
// HostError (a failed call, a field that is not a number); the dialog shows it.
class CellPage : public QWidget
{
    Q_OBJECT
public:
    CellPage(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
             QWidget *parent = nullptr)
        : QWidget(parent), m_control(control), m_state(state), m_prompts(prompts)
    {
    }

    // Shows the input cell's values.
    virtual void refresh() = 0;
    // Writes the page's values to every selected cell.
    virtual void apply() = 0;

protected:
    automation::ICellvex *control() const { return m_control; }
    const HostState &state() const { return m_state; }
    HostPrompts &prompts() const { return m_prompts; }
    int inputCol() const;
    int inputRow() const;

private:
    automation::ICellvex *m_control;
    const HostState &m_state;
    HostPrompts &m_prompts;
};

} // namespace cellvex::demo
