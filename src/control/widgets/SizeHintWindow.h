#pragma once

#include <QLabel>

namespace cellvex {

// The small window above the pointer that shows a pole's size while it is
// resized. A tooltip-style top-level window: it floats over everything and
// never takes the focus or the mouse from the ruler that holds the drag.
class SizeHintWindow : public QLabel
{
    Q_OBJECT
public:
    explicit SizeHintWindow(QWidget *parent = nullptr);

    // Shows the hint at a fixed screen rectangle, kept for the whole drag.
    void showAt(const QRect &screenRect, const QString &text);
};

} // namespace cellvex
