#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

namespace cellvex {

// Host.resize / Host.processEvents / Host.snapshot / Host.args and print for
// a JavaScript run of `cellvex script`.
class HostScriptObject : public QObject
{
    Q_OBJECT
public:
    HostScriptObject(QWidget &window, const QStringList &args) : m_window(window), m_args(args) {}

    Q_INVOKABLE void resize(int w, int h);
    Q_INVOKABLE void processEvents();
    Q_INVOKABLE void print(const QString &line);
    Q_INVOKABLE QStringList args() const { return m_args; }
    // Renders the control's window into a PNG file; false when it cannot be written.
    Q_INVOKABLE bool snapshot(const QString &path);

private:
    QWidget &m_window;
    QStringList m_args;
};

} // namespace cellvex
