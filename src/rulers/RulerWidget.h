#pragma once

#include "rulers/RulerModel.h"

#include <QFont>
#include <QWidget>

namespace cellvex {

// Paints a ruler: the millimetre strip along the outer side and the poles that
// are in view, each a flat face with its label followed by its split handle.
// One widget for the whole ruler; nothing is created per pole.
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

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

public:
    // The pole under a point of the widget (its face or split handle), or -1.
    int poleAt(const QPoint &p) const;

private:
    RulerModel &m_model;
    QFont m_font;
    QFont m_boldFont;
};

} // namespace cellvex
