#pragma once

#include "rulers/RulerDrag.h"
#include "rulers/RulerModel.h"

#include <QFont>
#include <QWidget>

namespace cellvex {

class SizeHintWindow;

// Paints a ruler: the millimetre strip along the outer side and the poles that
// are in view, each a flat face with its label followed by its split handle.
// One widget for the whole ruler; nothing is created per pole.
//
// Mouse: a press on a pole's face emits poleLeftPressed (left button) or
// poleRightPressed (any other); a left press near the face's far edge or on
// its split handle starts a resize drag instead, shown live on this ruler with
// a size hint and handed to the model only on release. The pressed face keeps
// the mouse until release, like a window holding the capture: moves emit
// poleLeftMoved and the release poleLeftReleased for it. Coordinates are
// relative to the pole's face.
class RulerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit RulerWidget(RulerModel &model, QWidget *parent = nullptr);

    RulerModel &model() { return m_model; }
    const RulerModel &model() const { return m_model; }

    // Poles whose face or handle intersects the view, as [first, last]; last < first when none.
    std::pair<int, int> visiblePoles() const;

    // Axis length of the widget (its width or its height).
    int axisLength() const;

    static QString labelFor(Orientation o, int index);

signals:
    void poleLeftPressed(int pole, int x, int y);
    void poleRightPressed(int pole, int x, int y);
    // Also emitted while no button is down, for the pole under the pointer.
    void poleLeftMoved(int pole, int x, int y);
    void poleLeftReleased(int pole, int x, int y);
    // A resize drag began on the pole; a receiver that changes the pole under
    // it (or removes it) ends the drag.
    void resizeStarted(int pole);
    // The drag moved the pole's far edge by -moveRange pixels (not yet applied).
    void poleResizing(int pole, int moveRange);
    // The drag ended and the pole has its new range.
    void resizeFinished(int pole);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

public:
    // The pole under a point of the widget (its face or split handle), or -1.
    int poleAt(const QPoint &p) const;
    // The resize drag in progress (inactive when none).
    const RulerDrag &drag() const { return m_drag; }
    // The size hint window while a resize drag shows one, else nullptr.
    QWidget *sizeHintWindow() const;

private:
    // Where a point lies: pole, on its split handle or its face, and the
    // event coordinates relative to the face (X along a column ruler's axis).
    struct Hit
    {
        int pole = -1;
        bool onSplit = false;
        int along = 0;  // from the face's start along the axis
        int across = 0; // from the poles' inner side across the axis
    };
    Hit hitAt(const QPoint &p) const;
    Hit relativeTo(int pole, const QPoint &p) const;
    int eventX(const Hit &h) const;
    int eventY(const Hit &h) const;
    void startResize(RulerDrag::Kind kind, const Hit &h, const QPoint &globalPos);
    void finishResize();
    // The button holding the mouse was released (or its release was missed).
    void endPress(const QPoint &p);
    void paintPole(QPainter &p, int index, std::int64_t pos, int len, int split, bool cover);

    RulerDrag m_drag;
    SizeHintWindow *m_hint = nullptr;
    int m_pressPole = -1;     // the pole holding the mouse, -1 when none
    bool m_pressFace = false; // it was pressed on its face (not its split handle)

    RulerModel &m_model;
    QFont m_font;
    QFont m_boldFont;
};

} // namespace cellvex
