#include "ScrollBarBinding.h"

#include "grid/layout/ScrollAxis.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace cellvex {

ScrollBarBinding::ScrollBarBinding(QScrollBar *bar, ScrollAxis &axis, QObject *parent)
    : QObject(parent), m_bar(bar), m_axis(axis)
{
    connect(bar, &QAbstractSlider::actionTriggered, this, &ScrollBarBinding::actionTriggered);
    connect(bar, &QAbstractSlider::valueChanged, this, &ScrollBarBinding::valueChanged);
    refresh();
}

void ScrollBarBinding::refresh()
{
    if (!m_bar)
        return;
    const QSignalBlocker block(m_bar);
    m_bar->setRange(ScrollAxis::minimum(), std::max(m_axis.limit(), m_axis.position()));
    m_bar->setPageStep(m_axis.pageSize());
    m_bar->setSingleStep(ScrollAxis::smallStep());
    m_bar->setValue(m_axis.position());
}

void ScrollBarBinding::actionTriggered(int action)
{
    // Qt has already moved the slider by the page step (d); a page moves by
    // d - 1 so that the last pole of the old page stays in view.
    if (action == QAbstractSlider::SliderPageStepAdd)
        m_bar->setSliderPosition(m_bar->value() + m_axis.largeStep());
    else if (action == QAbstractSlider::SliderPageStepSub)
        m_bar->setSliderPosition(m_bar->value() - m_axis.largeStep());
}

void ScrollBarBinding::valueChanged(int value)
{
    m_axis.setPosition(value);
    // The axis may have refused or limited the value, or the host may have
    // scrolled elsewhere from inside the change event.
    refresh();
}

} // namespace cellvex
