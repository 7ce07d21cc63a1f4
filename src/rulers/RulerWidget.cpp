#include "RulerWidget.h"

#include "common/Fonts.h"
#include "rulers/MillimetreStrip.h"
#include "rulers/RulerLabels.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace cellvex {

RulerWidget::RulerWidget(RulerModel &model, QWidget *parent)
    : QWidget(parent), m_model(model), m_font(reportFont(kDefaultFontName, 9)), m_boldFont(m_font)
{
    m_boldFont.setBold(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(m_font);
}

QString RulerWidget::labelFor(Orientation o, int index)
{
    return o == Orientation::Horizontal ? columnLabel(std::int64_t(index) + 1)
                                        : rowLabel(std::int64_t(index) + 1);
}

int RulerWidget::axisLength() const
{
    return m_model.orientation() == Orientation::Horizontal ? width() : height();
}

std::pair<int, int> RulerWidget::visiblePoles() const
{
    const int n = m_model.count();
    const int first = m_model.displayIndex();
    if (n == 0 || first >= n)
        return {0, -1};
    // Poles from DisplayIndex on, up to the first one starting beyond the view.
    const std::int64_t viewEnd = axisLength();
    const std::int64_t offsetEnd = viewEnd - m_model.margin() + m_model.scrollOffset();
    int last = m_model.poleAtOffset(offsetEnd);
    if (last < 0)
        last = n - 1;
    if (last < first)
        last = first;
    return {first, last};
}

void RulerWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_model.setLength(axisLength());
}

int RulerWidget::poleAt(const QPoint &p) const
{
    const bool horizontal = m_model.orientation() == Orientation::Horizontal;
    if ((horizontal ? p.y() : p.x()) < m_model.poleRuler())
        return -1; // the millimetre strip
    const std::int64_t along = horizontal ? p.x() : p.y();
    const int pole = m_model.poleAtOffset(along - m_model.margin() + m_model.scrollOffset());
    return pole >= m_model.displayIndex() ? pole : -1;
}

void RulerWidget::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    const int pole = poleAt(p);
    if (pole < 0)
        return;
    const std::int64_t start = m_model.polePosition(pole);
    const bool horizontal = m_model.orientation() == Orientation::Horizontal;
    const int x = int((horizontal ? p.x() : p.y()) - start);
    const int y = (horizontal ? p.y() : p.x()) - m_model.poleRuler();
    if (event->button() == Qt::LeftButton) {
        if (m_model.onPoleLDown)
            m_model.onPoleLDown(pole, horizontal ? x : y, horizontal ? y : x);
    } else if (m_model.onPoleRDown) {
        m_model.onPoleRDown(pole, horizontal ? x : y, horizontal ? y : x);
    }
}

void RulerWidget::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const bool horizontal = m_model.orientation() == Orientation::Horizontal;
    const QColor face = toQColor(m_model.color());
    p.fillRect(event->rect(), face);

    const int strip = m_model.poleRuler();
    const int thickness = horizontal ? height() : width();
    if (strip > 0) {
        const std::int64_t origin = m_model.count() > 0 ? m_model.poleEdge(m_model.displayIndex()) : 0;
        drawMillimetreStrip(p, m_model.orientation(), axisLength(), strip, origin, logicalDpiX());
    }

    const int across = thickness - strip;
    if (across <= 0)
        return;
    const QColor shadow(128, 128, 128);
    const QColor light(255, 255, 255);
    auto axisRect = [&](std::int64_t pos, int len) {
        return horizontal ? QRect(int(pos), strip, len, across) : QRect(strip, int(pos), across, len);
    };

    const auto [first, last] = visiblePoles();
    for (int i = first; i <= last; ++i) {
        const std::int64_t pos = m_model.polePosition(i);
        const int len = m_model.poleLength(i);
        const int split = m_model.splitLength(i);
        if (len > 0) {
            const QRect r = axisRect(pos, len);
            const bool highlighted = m_model.isSelected(i);
            if (highlighted) {
                // Lowered outer bevel.
                p.setPen(shadow);
                p.drawLine(r.topLeft(), r.topRight());
                p.drawLine(r.topLeft(), r.bottomLeft());
                p.setPen(light);
                p.drawLine(r.bottomLeft(), r.bottomRight());
                p.drawLine(r.topRight(), r.bottomRight());
            }
            p.setFont(highlighted ? m_boldFont : m_font);
            p.setPen(Qt::black);
            p.drawText(r, Qt::AlignCenter, labelFor(m_model.orientation(), i));
        }
        if (split > 0) {
            // Lowered inner bevel of the split handle.
            const QRect s = axisRect(pos + len, split);
            p.setPen(shadow);
            p.drawLine(s.topLeft(), horizontal ? s.bottomLeft() : s.topRight());
            if (split > 1) {
                p.setPen(light);
                p.drawLine(horizontal ? s.topRight() : s.bottomLeft(), s.bottomRight());
            }
        }
    }
}

} // namespace cellvex
