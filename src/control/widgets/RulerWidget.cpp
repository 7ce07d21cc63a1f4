#include "RulerWidget.h"

#include "common/Fonts.h"
#include "control/widgets/SizeHintWindow.h"
#include "rulers/MillimetreStrip.h"
#include "rulers/RulerLabels.h"
#include "rulers/SizeHintText.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <climits>

namespace cellvex {

RulerWidget::RulerWidget(RulerModel &model, QWidget *parent)
    : QWidget(parent), m_model(model), m_font(reportFont(kDefaultFontName, 9)), m_boldFont(m_font)
{
    m_boldFont.setBold(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(m_font);
    // Moves without a button pressed set the split cursor near far edges.
    setMouseTracking(true);
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

QWidget *RulerWidget::sizeHintWindow() const
{
    return m_hint;
}

RulerWidget::Hit RulerWidget::relativeTo(int pole, const QPoint &p) const
{
    const bool horizontal = m_model.orientation() == Orientation::Horizontal;
    Hit h;
    h.pole = pole;
    const std::int64_t along = (horizontal ? p.x() : p.y()) - m_model.polePosition(pole);
    h.along = int(std::clamp<std::int64_t>(along, INT_MIN / 2, INT_MAX / 2));
    h.across = (horizontal ? p.y() : p.x()) - m_model.poleRuler();
    h.onSplit = h.along >= m_model.poleLength(pole);
    return h;
}

RulerWidget::Hit RulerWidget::hitAt(const QPoint &p) const
{
    const int pole = poleAt(p);
    return pole < 0 ? Hit{} : relativeTo(pole, p);
}

int RulerWidget::eventX(const Hit &h) const
{
    return m_model.orientation() == Orientation::Horizontal ? h.along : h.across;
}

int RulerWidget::eventY(const Hit &h) const
{
    return m_model.orientation() == Orientation::Horizontal ? h.across : h.along;
}

void RulerWidget::mousePressEvent(QMouseEvent *event)
{
    if (m_pressPole >= 0 || m_drag.active()) {
        // A second button while one is held belongs to the first press.
        if (event->buttons() & ~event->button())
            return;
        // Otherwise the release of the first one went elsewhere (a menu or
        // dialog opened by an event handler took the mouse): finish it now
        // rather than leave the ruler stuck in that press.
        endPress(event->position().toPoint());
    }
    const Hit h = hitAt(event->position().toPoint());
    if (h.pole < 0)
        return;
    const bool left = event->button() == Qt::LeftButton;
    if (h.onSplit) {
        // Only the left button does anything on a split handle.
        if (!left)
            return;
        m_pressPole = h.pole;
        m_pressFace = false;
        startResize(RulerDrag::Kind::Split, h, event->globalPosition().toPoint());
        return;
    }
    m_pressPole = h.pole;
    m_pressFace = true;
    if (!left)
        emit poleRightPressed(h.pole, eventX(h), eventY(h));
    else if (RulerDrag::nearFarEdge(m_model.poleLength(h.pole), h.along))
        startResize(RulerDrag::Kind::Edge, h, event->globalPosition().toPoint());
    else
        emit poleLeftPressed(h.pole, eventX(h), eventY(h));
}

void RulerWidget::startResize(RulerDrag::Kind kind, const Hit &h, const QPoint &globalPos)
{
    const int pole = h.pole;
    const bool horizontal = m_model.orientation() == Orientation::Horizontal;
    m_drag.begin(kind, pole, m_model.poleLength(pole), m_model.splitLength(pole),
                 kind == RulerDrag::Kind::Split ? h.along - m_model.poleLength(pole) : h.along);
    // Above the pointer; on a column ruler also above the millimetre strip.
    const int lift = horizontal ? m_model.poleRuler() : 0;
    const QRect hintRect(globalPos.x(), globalPos.y() - 30 - lift, 150, 14);
    if (!m_hint)
        m_hint = new SizeHintWindow(this);
    m_hint->showAt(hintRect, sizeHintText(m_model.orientation(), m_drag.range()));
    emit resizeStarted(pole);
    // The receiver finishes input, which may run host code; a drag on a pole
    // that no longer exists (or changed under it) would resize the wrong one.
    if (pole >= m_model.count() || m_model.poleLength(pole) != m_drag.faceLength()) {
        m_drag.end();
        delete m_hint;
        m_hint = nullptr;
        return;
    }
    setCursor(horizontal ? Qt::SplitHCursor : Qt::SplitVCursor);
    update();
}

void RulerWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    const bool horizontal = m_model.orientation() == Orientation::Horizontal;
    if (m_pressPole >= 0 && event->buttons() == Qt::NoButton)
        endPress(p); // the release was missed (see mousePressEvent)
    if (m_drag.active()) {
        const int pole = m_drag.pole();
        const Hit h = relativeTo(pole, p);
        const RulerDrag::Step step = m_drag.move(h.along - m_drag.panelOffset());
        if (step.taken) {
            update();
            if (m_hint)
                m_hint->setText(sizeHintText(m_model.orientation(), m_drag.range()));
            emit poleResizing(pole, step.moveRange());
        }
    }
    if (m_pressPole >= 0) {
        // The pressed face keeps the mouse; a pressed split handle raises nothing.
        if (m_pressFace && m_pressPole < m_model.count()) {
            const Hit h = relativeTo(m_pressPole, p);
            emit poleLeftMoved(m_pressPole, eventX(h), eventY(h));
        }
        return;
    }
    if (event->buttons() != Qt::NoButton)
        return; // pressed outside the poles
    const Hit h = hitAt(p);
    const bool split =
        h.pole >= 0 && (h.onSplit || RulerDrag::nearFarEdge(m_model.poleLength(h.pole), h.along));
    if (split)
        setCursor(horizontal ? Qt::SplitHCursor : Qt::SplitVCursor);
    else
        unsetCursor();
    if (h.pole >= 0 && !h.onSplit)
        emit poleLeftMoved(h.pole, eventX(h), eventY(h));
}

void RulerWidget::finishResize()
{
    const int pole = m_drag.pole();
    const int range = m_drag.originalRange() + m_drag.totalChange();
    m_drag.end();
    // Only now do the later poles move, once, by the whole change.
    if (pole < m_model.count())
        m_model.setPoleRange(pole, range);
    delete m_hint;
    m_hint = nullptr;
    update();
    if (pole < m_model.count())
        emit resizeFinished(pole);
}

void RulerWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressPole < 0 || event->buttons() != Qt::NoButton)
        return;
    endPress(event->position().toPoint());
}

void RulerWidget::endPress(const QPoint &p)
{
    const int pole = m_pressPole;
    const bool face = m_pressFace;
    m_pressPole = -1;
    if (m_drag.active())
        finishResize();
    if (face && pole < m_model.count()) {
        const Hit h = relativeTo(pole, p);
        emit poleLeftReleased(pole, eventX(h), eventY(h));
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
    const auto [first, last] = visiblePoles();
    const int dragged = m_drag.active() ? m_drag.pole() : -1;
    for (int i = first; i <= last; ++i)
        if (i != dragged)
            paintPole(p, i, m_model.polePosition(i), m_model.poleLength(i), m_model.splitLength(i), false);
    // The pole being resized lies over the poles after it, which only move
    // when the drag ends.
    if (dragged >= first && dragged < m_model.count())
        paintPole(p, dragged, m_model.polePosition(dragged), m_drag.faceLength(), m_drag.splitLength(), true);
}

void RulerWidget::paintPole(QPainter &p, int index, std::int64_t pos, int len, int split, bool cover)
{
    const bool horizontal = m_model.orientation() == Orientation::Horizontal;
    const int strip = m_model.poleRuler();
    const int across = (horizontal ? height() : width()) - strip;
    const QColor shadow(128, 128, 128);
    const QColor light(255, 255, 255);
    auto axisRect = [&](std::int64_t at, int length) {
        // Clamped far outside the view only, so that no position can
        // overflow a QRect while labels stay centred on their whole face.
        constexpr std::int64_t kFar = std::int64_t(1) << 24;
        const std::int64_t a = std::clamp<std::int64_t>(at, -kFar, kFar);
        const std::int64_t b = std::clamp<std::int64_t>(at + length, -kFar, kFar);
        return horizontal ? QRect(int(a), strip, int(b - a), across)
                          : QRect(strip, int(a), across, int(b - a));
    };
    if (len > 0) {
        const QRect r = axisRect(pos, len);
        if (cover)
            p.fillRect(r, toQColor(m_model.color()));
        const bool highlighted = m_model.isSelected(index);
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
        p.drawText(axisRect(pos, len), Qt::AlignCenter, labelFor(m_model.orientation(), index));
    }
    if (split > 0) {
        // Lowered inner bevel of the split handle.
        const QRect s = axisRect(pos + len, split);
        if (cover)
            p.fillRect(s, toQColor(m_model.color()));
        p.setPen(shadow);
        p.drawLine(s.topLeft(), horizontal ? s.bottomLeft() : s.topRight());
        if (split > 1) {
            p.setPen(light);
            p.drawLine(horizontal ? s.topRight() : s.bottomLeft(), s.bottomRight());
        }
    }
}

} // namespace cellvex
