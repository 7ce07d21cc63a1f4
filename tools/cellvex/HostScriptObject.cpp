#include "HostScriptObject.h"

#include <QApplication>
#include <QTextStream>
#include <QWidget>

namespace cellvex {

void HostScriptObject::resize(int w, int h)
{
    m_window.resize(w, h);
}

void HostScriptObject::processEvents()
{
    QApplication::processEvents();
}

void HostScriptObject::print(const QString &line)
{
    QTextStream out(stdout);
    out << line << "\n";
    out.flush();
}

bool HostScriptObject::snapshot(const QString &path)
{
    QApplication::processEvents();
    return m_window.grab().toImage().save(path, "PNG");
}

} // namespace cellvex
