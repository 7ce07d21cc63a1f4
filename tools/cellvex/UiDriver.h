#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>
#include <Qt>

#include <optional>
#include <stdexcept>

class QWidget;

namespace cellvex {

class CellvexControl;
class RulerWidget;

// A step the driver cannot take as a user could not: a cell outside the
// report or out of view, an unknown key or child name.
class UiError : public std::runtime_error
{
public:
    explicit UiError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// Drives a control the way a person at the mouse and keyboard would: every
// step is a Qt input event delivered to the child window under the pointer
// or holding the focus, never a call into the control's internals. The
// control's window is shown and activated on the first step so that the
// focus moves as it does on a screen. Cells, columns and rows are 1-based;
// a cell is hit at its centre, a ruler pole in the middle of its face.
class UiDriver
{
public:
    explicit UiDriver(CellvexControl &control);

    void clickCell(int col, int row, Qt::MouseButton button = Qt::LeftButton);
    void doubleClickCell(int col, int row);
    // These three take the cell at its centre, or at `at` pixels from its
    // top-left corner (a point inside the cell).
    void pressCell(int col, int row, Qt::MouseButton button = Qt::LeftButton, std::optional<QPoint> at = {});
    void moveToCell(int col, int row, std::optional<QPoint> at = {});
    void releaseCell(int col, int row, Qt::MouseButton button = Qt::LeftButton,
                     std::optional<QPoint> at = {});

    // Where a chart cell draws a point (1-based series as drawn, a curve and
    // its markers counted apart; 1-based point in ascending x), or the values
    // (x, y) on a series' axes: pixels from the cell's top-left corner, as a
    // person reads them off the screen.
    QPoint chartPoint(int col, int row, int series, int point) const;
    QPoint chartPosition(int col, int row, int series, double x, double y) const;

    // Orientation 0: the column ruler; 1: the row ruler.
    void clickPole(int orientation, int index, Qt::MouseButton button = Qt::LeftButton);
    void dragPoles(int orientation, int fromIndex, int toIndex);
    // Takes the far edge of the pole's face and moves it by `delta` pixels.
    void dragPoleEdge(int orientation, int index, int delta);

    // A key by name ("Enter", "Escape", "Tab", "Space", "Left", "PageDown",
    // "Home", "F2", "a", "5", ...), pressed and released with the modifiers.
    void key(const QString &name, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Latin text key by key; any other run of characters as one commit of an
    // input method, as a Chinese input method delivers it.
    void type(const QString &text);
    // The mouse wheel over the cells; 120 is one notch away from the user.
    void wheel(int delta);
    void click(const QString &objectName);
    void doubleClick(const QString &objectName);
    bool snapshot(const QString &path);

    // "left", "right", "middle" (any letter case); UiError otherwise.
    static Qt::MouseButton buttonNamed(const QString &name);
    // "Ctrl+Shift", "alt", "" ...; UiError on an unknown part.
    static Qt::KeyboardModifiers modifiersNamed(const QString &text);

private:
    QWidget *window() const;
    void prepare();
    // In window coordinates: the cell's centre, or `at` from its top-left corner.
    QPoint cellPoint(int col, int row, std::optional<QPoint> at = {}) const;
    RulerWidget *ruler(int orientation) const;
    QPoint poleFace(int orientation, int index) const; // in window coordinates
    QPoint poleFarEdge(int orientation, int index) const;
    QPoint childCentre(const QString &objectName) const;

    void press(QPoint at, Qt::MouseButton button);
    void move(QPoint at);
    void release(QPoint at, Qt::MouseButton button);
    void doubleClickAt(QPoint at);
    void sendMouse(QWidget *target, int type, QPoint at, Qt::MouseButton button);
    QWidget *widgetAt(QPoint at) const;
    QWidget *keyTarget() const;

    CellvexControl &m_control;
    QPointer<QWidget> m_grab; // the widget a pressed button delivers to, as with a real mouse
    Qt::MouseButtons m_held = Qt::NoButton;
};

} // namespace cellvex
