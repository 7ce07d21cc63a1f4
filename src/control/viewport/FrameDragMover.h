#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace cellvex {

// Lets the user move the whole control within its container by dragging one
// of the frame's corner boxes or its bottom strip, and reports double-clicks
// on the two top corner boxes. Installed as an event filter on those widgets.
class FrameDragMover : public QObject
{
    Q_OBJECT
public:
    FrameDragMover(QWidget *control, QObject *parent = nullptr);

    // Starts watching a strip; a press on it begins a move.
    void addStrip(QWidget *strip);
    // Double-clicks on these corners emit leftCornerDoubleClicked /
    // rightCornerDoubleClicked (select all, clear the selection).
    void setCorners(QWidget *left, QWidget *right);

    bool isMoving() const { return m_moving; }

signals:
    void leftCornerDoubleClicked();
    void rightCornerDoubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_control;
    QPointer<QWidget> m_leftCorner;
    QPointer<QWidget> m_rightCorner;
    bool m_moving = false;
    QPoint m_pressPoint;
};

} // namespace cellvex
