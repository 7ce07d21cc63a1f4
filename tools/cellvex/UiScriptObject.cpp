#include "UiScriptObject.h"

#include <functional>

namespace cellvex {

template <typename F> QString UiScriptObject::run(F &&step)
{
    try {
        step();
        return QString();
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    }
}

QString UiScriptObject::clickCell(int col, int row, const QString &button)
{
    return run([&] { m_driver.clickCell(col, row, UiDriver::buttonNamed(button)); });
}

QString UiScriptObject::doubleClickCell(int col, int row)
{
    return run([&] { m_driver.doubleClickCell(col, row); });
}

namespace {

std::optional<QPoint> inCell(int x, int y)
{
    return x < 0 || y < 0 ? std::nullopt : std::optional<QPoint>(QPoint(x, y));
}

QVariant pointOrReason(const std::function<QPoint()> &read)
{
    try {
        const QPoint p = read();
        return QVariantList{p.x(), p.y()};
    } catch (const UiError &e) {
        return QString::fromStdString(e.what());
    }
}

} // namespace

QString UiScriptObject::pressCell(int col, int row, const QString &button, int x, int y)
{
    return run([&] { m_driver.pressCell(col, row, UiDriver::buttonNamed(button), inCell(x, y)); });
}

QVariant UiScriptObject::chartPoint(int col, int row, int series, int point)
{
    return pointOrReason([&] { return m_driver.chartPoint(col, row, series, point); });
}

QVariant UiScriptObject::chartPosition(int col, int row, int series, double x, double y)
{
    return pointOrReason([&] { return m_driver.chartPosition(col, row, series, x, y); });
}

QString UiScriptObject::moveToCell(int col, int row, int x, int y)
{
    return run([&] { m_driver.moveToCell(col, row, inCell(x, y)); });
}

QString UiScriptObject::releaseCell(int col, int row, const QString &button, int x, int y)
{
    return run([&] { m_driver.releaseCell(col, row, UiDriver::buttonNamed(button), inCell(x, y)); });
}

QString UiScriptObject::clickPole(int orientation, int index, const QString &button)
{
    return run([&] { m_driver.clickPole(orientation, index, UiDriver::buttonNamed(button)); });
}

QString UiScriptObject::dragPoles(int orientation, int fromIndex, int toIndex)
{
    return run([&] { m_driver.dragPoles(orientation, fromIndex, toIndex); });
}

QString UiScriptObject::dragPoleEdge(int orientation, int index, int delta)
{
    return run([&] { m_driver.dragPoleEdge(orientation, index, delta); });
}

QString UiScriptObject::key(const QString &name, const QString &modifiers)
{
    return run([&] { m_driver.key(name, UiDriver::modifiersNamed(modifiers)); });
}

QString UiScriptObject::type(const QString &text)
{
    return run([&] { m_driver.type(text); });
}

QString UiScriptObject::wheel(int delta)
{
    return run([&] { m_driver.wheel(delta); });
}

QString UiScriptObject::click(const QString &objectName)
{
    return run([&] { m_driver.click(objectName); });
}

QString UiScriptObject::doubleClick(const QString &objectName)
{
    return run([&] { m_driver.doubleClick(objectName); });
}

QString UiScriptObject::snapshot(const QString &path)
{
    return run([&] {
        if (!m_driver.snapshot(path))
            throw UiError(QStringLiteral("cannot write %1").arg(path));
    });
}

} // namespace cellvex
