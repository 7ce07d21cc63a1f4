#pragma once

#include "UiDriver.h"

#include <QObject>
#include <QString>
#include <QVariant>

namespace cellvex {

// The script's side of the user-input driver: every call returns an empty
// text on success or the reason it failed, which the script prelude turns
// into a thrown Error.
class UiScriptObject : public QObject
{
    Q_OBJECT
public:
    explicit UiScriptObject(CellvexControl &control) : m_driver(control) {}

    Q_INVOKABLE QString clickCell(int col, int row, const QString &button);
    Q_INVOKABLE QString doubleClickCell(int col, int row);
    // x and y below 0 take the cell's centre.
    Q_INVOKABLE QString pressCell(int col, int row, const QString &button, int x, int y);
    Q_INVOKABLE QString moveToCell(int col, int row, int x, int y);
    Q_INVOKABLE QString releaseCell(int col, int row, const QString &button, int x, int y);
    // Readings, not steps: [x, y] in the cell, or the reason as a string.
    Q_INVOKABLE QVariant chartPoint(int col, int row, int series, int point);
    Q_INVOKABLE QVariant chartPosition(int col, int row, int series, double x, double y);
    Q_INVOKABLE QString clickPole(int orientation, int index, const QString &button);
    Q_INVOKABLE QString dragPoles(int orientation, int fromIndex, int toIndex);
    Q_INVOKABLE QString dragPoleEdge(int orientation, int index, int delta);
    Q_INVOKABLE QString key(const QString &name, const QString &modifiers);
    Q_INVOKABLE QString type(const QString &text);
    Q_INVOKABLE QString wheel(int delta);
    Q_INVOKABLE QString click(const QString &objectName);
    Q_INVOKABLE QString doubleClick(const QString &objectName);
    Q_INVOKABLE QString snapshot(const QString &path);

private:
    template <typename F> QString run(F &&step);
    UiDriver m_driver;
};

} // namespace cellvex
