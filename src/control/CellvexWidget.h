#pragma once

#include "automation/ComInterfaces.h"
#include "automation/EventSink.h"
#include "automation/HResult.h"
#include "automation/ICellvex.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace cellvex {

// The control as a QWidget for C++ hosts: creates a control object in
// process through the library's class factory (no server registry needed),
// hosts its widget filling this one, and hands out ICellvex for the members.
// The events arrive as Qt signals; a host that wants every event with its
// in/out arguments connects its own sink with setEventSink as well.
class CellvexWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CellvexWidget(QWidget *parent = nullptr);
    ~CellvexWidget() override;

    // The control's interface, owned by this widget: valid while the widget
    // lives, null when creation failed (errorString says why). Callers that
    // keep it longer AddRef and Release it themselves.
    automation::ICellvex *control() const { return m_control; }
    automation::ICellvex *operator->() const { return m_control; }
    bool isValid() const { return m_control != nullptr; }
    QString errorString() const { return m_error; }

    // The control's own widget inside this one (for focus, input and tests).
    QWidget *controlWidget() const { return m_view; }

    // A further sink that receives every event after the signals went out;
    // changes it makes to in/out arguments go back to the control. Null
    // disconnects it. The sink must outlive its connection.
    void setEventSink(automation::IEventSink *sink);

signals:
    void cellChanged(int col, int row, const QString &text);
    void cellClicked(int col, int row);
    void cellDoubleClicked(int col, int row);
    void selectionChanged(int minCol, int minRow, int maxCol, int maxRow);
    void inputStarted(int col, int row);
    void buttonClicked(int col, int row, const QString &name);
    void errorRaised(const QString &message);

private:
    class SignalSink;

    automation::ICellvex *m_control = nullptr;
    automation::IConnectionPoint *m_connection = nullptr;
    std::uint32_t m_cookie = 0;
    QPointer<QWidget> m_view;
    std::unique_ptr<SignalSink> m_sink;
    QString m_error;
};

} // namespace cellvex
