#pragma once

#include <QPointer>
#include <QWidget>

namespace cellvex {

// Suspends painting of a widget for the lifetime of the guard, also when the
// guarded operation throws. Nested guards on one widget resume only when the
// outermost one ends.
class PaintSuspension
{
public:
    explicit PaintSuspension(QWidget *w) : m_widget(w)
    {
        if (m_widget) {
            m_wasEnabled = m_widget->updatesEnabled();
            m_widget->setUpdatesEnabled(false);
        }
    }
    ~PaintSuspension()
    {
        if (m_widget && m_wasEnabled) {
            m_widget->setUpdatesEnabled(true);
            m_widget->update();
        }
    }
    PaintSuspension(const PaintSuspension &) = delete;
    PaintSuspension &operator=(const PaintSuspension &) = delete;

private:
    QPointer<QWidget> m_widget;
    bool m_wasEnabled = false;
};

} // namespace cellvex
