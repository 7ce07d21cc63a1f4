#include "UiDriver.h"

#include "cells/ChartCell.h"
#include "chart/ChartLayout.h"
#include "control/CellSurface.h"
#include "control/CellvexControl.h"
#include "control/widgets/RulerWidget.h"
#include "grid/selection/CellHitTest.h"
#include "rulers/RulerDrag.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>

namespace cellvex {

namespace {

struct NamedKey
{
    const char *name;
    int key;
    const char *text; // what the keyboard types with it
};

// The keys a script names; single characters are handled apart.
const NamedKey kNamedKeys[] = {
    {"enter", Qt::Key_Return, "\r"},
    {"return", Qt::Key_Return, "\r"},
    {"escape", Qt::Key_Escape, "\x1b"},
    {"esc", Qt::Key_Escape, "\x1b"},
    {"tab", Qt::Key_Tab, "\t"},
    {"space", Qt::Key_Space, " "},
    {"backspace", Qt::Key_Backspace, "\b"},
    {"delete", Qt::Key_Delete, "\x7f"},
    {"insert", Qt::Key_Insert, ""},
    {"left", Qt::Key_Left, ""},
    {"right", Qt::Key_Right, ""},
    {"up", Qt::Key_Up, ""},
    {"down", Qt::Key_Down, ""},
    {"home", Qt::Key_Home, ""},
    {"end", Qt::Key_End, ""},
    {"pageup", Qt::Key_PageUp, ""},
    {"pagedown", Qt::Key_PageDown, ""},
};

QString outOfReach(const char *what, int a, int b)
{
    return QStringLiteral("%1 %2,%3").arg(QLatin1String(what)).arg(a).arg(b);
}

// The key code Qt gives a printable ASCII character: letters by their upper
// case, everything else by its own code.
int keyOfCharacter(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c >= u'a' && c <= u'z')
        return Qt::Key_A + (c - u'a');
    return c;
}

bool typedByKeys(QChar ch)
{
    return ch.unicode() >= 0x20 && ch.unicode() < 0x7f;
}

} // namespace

UiDriver::UiDriver(CellvexControl &control) : m_control(control) {}

QWidget *UiDriver::window() const
{
    return m_control.window();
}

void UiDriver::prepare()
{
    QWidget *w = window();
    if (!w->isVisible())
        w->show();
    if (QApplication::activeWindow() != w)
        QApplication::setActiveWindow(w);
    QApplication::processEvents();
}

// --- where things are ---------------------------------------------------------------

QPoint UiDriver::cellPoint(int col, int row, std::optional<QPoint> at) const
{
    const Report &r = m_control.report();
    if (col < 1 || row < 1 || col > r.colCount() || row > r.rowCount())
        throw UiError(outOfReach("no cell", col, row));
    const ReportRect cell = r.cellRect(col - 1, row - 1);
    if (at && (at->x() < 0 || at->y() < 0 || at->x() >= cell.width || at->y() >= cell.height))
        throw UiError(
            QStringLiteral("point %1,%2 is outside cell %3,%4").arg(at->x()).arg(at->y()).arg(col).arg(row));
    const std::int64_t x = cell.x - surfaceOriginX(r) + (at ? at->x() : cell.width / 2);
    const std::int64_t y = cell.y - surfaceOriginY(r) + (at ? at->y() : cell.height / 2);
    const CellSurface *surface = m_control.cellSurface();
    // The part of the surface the client window shows.
    const QRect shown = surface->visibleRegion().boundingRect();
    if (cell.width <= 0 || cell.height <= 0 ||
        !shown.contains(QPoint(int(std::clamp<std::int64_t>(x, -1, 1 << 30)),
                               int(std::clamp<std::int64_t>(y, -1, 1 << 30)))))
        throw UiError(outOfReach("cell not in view:", col, row));
    return surface->mapTo(window(), QPoint(int(x), int(y)));
}

RulerWidget *UiDriver::ruler(int orientation) const
{
    if (orientation == 0)
        return m_control.columnRuler();
    if (orientation == 1)
        return m_control.rowRuler();
    throw UiError(QStringLiteral("orientation %1: 0 columns, 1 rows").arg(orientation));
}

QPoint UiDriver::poleFace(int orientation, int index) const
{
    RulerWidget *w = ruler(orientation);
    const RulerModel &m = w->model();
    if (index < 1 || index > m.count())
        throw UiError(outOfReach("no pole", orientation, index));
    const int pole = index - 1;
    const int len = m.poleLength(pole);
    // Away from the far edge, where a press would resize instead.
    const int along = std::max(0, std::min(len / 2, len - RulerDrag::kEdgeZone - 1));
    const bool horizontal = orientation == 0;
    const int thickness = horizontal ? w->height() : w->width();
    const int across = m.poleRuler() + (thickness - m.poleRuler()) / 2;
    const std::int64_t pos = m.polePosition(pole) + along;
    const int axis = horizontal ? w->width() : w->height();
    if (pole < m.displayIndex() || len <= 0 || pos < 0 || pos >= axis || !w->isVisible())
        throw UiError(outOfReach("pole not in view:", orientation, index));
    const QPoint p = horizontal ? QPoint(int(pos), across) : QPoint(across, int(pos));
    return w->mapTo(window(), p);
}

QPoint UiDriver::poleFarEdge(int orientation, int index) const
{
    const QPoint face = poleFace(orientation, index);
    const RulerModel &m = ruler(orientation)->model();
    const int pole = index - 1;
    // Two pixels inside the face's far edge, within the resize zone.
    const std::int64_t faceStart = m.polePosition(pole);
    const int len = m.poleLength(pole);
    const QWidget *w = ruler(orientation);
    const QPoint start =
        w->mapTo(window(), orientation == 0 ? QPoint(int(faceStart), 0) : QPoint(0, int(faceStart)));
    const int edge = std::max(0, len - 2);
    return orientation == 0 ? QPoint(start.x() + edge, face.y()) : QPoint(face.x(), start.y() + edge);
}

QPoint UiDriver::childCentre(const QString &objectName) const
{
    QWidget *w = window();
    QWidget *child = w->objectName() == objectName ? w : w->findChild<QWidget *>(objectName);
    if (!child)
        throw UiError(QStringLiteral("no child window named %1").arg(objectName));
    if (!child->isVisible() || child->width() <= 0 || child->height() <= 0)
        throw UiError(QStringLiteral("%1 is not shown").arg(objectName));
    return child->mapTo(w, child->rect().center());
}

QWidget *UiDriver::widgetAt(QPoint at) const
{
    // An open popup (a dropped list) takes every press, as it grabs the mouse.
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    QWidget *w = window();
    QWidget *child = w->childAt(at);
    return child ? child : w;
}

QWidget *UiDriver::keyTarget() const
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    QWidget *focus = QApplication::focusWidget();
    if (focus && (focus == window() || window()->isAncestorOf(focus)))
        return focus;
    return &m_control;
}

// --- mouse ---------------------------------------------------------------------------

void UiDriver::sendMouse(QWidget *target, int type, QPoint at, Qt::MouseButton button)
{
    const QPoint global = window()->mapToGlobal(at);
    const QPoint local = target->mapFromGlobal(global);
    QMouseEvent e(QEvent::Type(type), local, global, button, m_held, QApplication::keyboardModifiers());
    QApplication::sendEvent(target, &e);
    QApplication::processEvents();
}

void UiDriver::press(QPoint at, Qt::MouseButton button)
{
    m_held |= button;
    if (!m_grab)
        m_grab = widgetAt(at);
    sendMouse(m_grab, QEvent::MouseButtonPress, at, button);
}

void UiDriver::move(QPoint at)
{
    QWidget *target = m_grab ? m_grab.data() : widgetAt(at);
    sendMouse(target, QEvent::MouseMove, at, Qt::NoButton);
}

void UiDriver::release(QPoint at, Qt::MouseButton button)
{
    m_held &= ~button;
    QWidget *target = m_grab ? m_grab.data() : widgetAt(at);
    if (m_held == Qt::NoButton)
        m_grab = nullptr;
    sendMouse(target, QEvent::MouseButtonRelease, at, button);
}

void UiDriver::doubleClickAt(QPoint at)
{
    // What the window system delivers: the second press comes as a double-click.
    press(at, Qt::LeftButton);
    release(at, Qt::LeftButton);
    m_held |= Qt::LeftButton;
    m_grab = widgetAt(at);
    sendMouse(m_grab, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    release(at, Qt::LeftButton);
}

void UiDriver::clickCell(int col, int row, Qt::MouseButton button)
{
    prepare();
    const QPoint at = cellPoint(col, row);
    press(at, button);
    release(at, button);
}

void UiDriver::doubleClickCell(int col, int row)
{
    prepare();
    doubleClickAt(cellPoint(col, row));
}

void UiDriver::pressCell(int col, int row, Qt::MouseButton button, std::optional<QPoint> at)
{
    prepare();
    press(cellPoint(col, row, at), button);
}

void UiDriver::moveToCell(int col, int row, std::optional<QPoint> at)
{
    prepare();
    move(cellPoint(col, row, at));
}

void UiDriver::releaseCell(int col, int row, Qt::MouseButton button, std::optional<QPoint> at)
{
    prepare();
    release(cellPoint(col, row, at), button);
}

namespace {

const Chart &chartOf(const Report &r, int col, int row)
{
    const Cell *c = col >= 1 && row >= 1 ? r.cell(col - 1, row - 1) : nullptr;
    if (!c || !c->chart() || !c->picture())
        throw UiError(outOfReach("no chart in cell", col, row));
    return c->chart()->chart;
}

const ChartSeries &seriesOf(const Chart &chart, int series)
{
    if (series < 1 || series > chart.seriesCount())
        throw UiError(QStringLiteral("the chart has no series %1").arg(series));
    return chart.series(series - 1);
}

QPoint onScreen(std::optional<QPointF> p)
{
    if (!p)
        throw UiError(QStringLiteral("the point is not drawn"));
    return p->toPoint();
}

} // namespace

QPoint UiDriver::chartPoint(int col, int row, int series, int point) const
{
    const Report &r = m_control.report();
    const Chart &chart = chartOf(r, col, row);
    const ChartSeries &s = seriesOf(chart, series);
    if (point < 1 || point > s.count())
        throw UiError(QStringLiteral("series %1 has no point %2").arg(series).arg(point));
    const ChartLayout layout(chart, r.cell(col - 1, row - 1)->picture()->size());
    return onScreen(layout.pointPosition(s, s.points()[size_t(point - 1)]));
}

QPoint UiDriver::chartPosition(int col, int row, int series, double x, double y) const
{
    const Report &r = m_control.report();
    const Chart &chart = chartOf(r, col, row);
    const ChartLayout layout(chart, r.cell(col - 1, row - 1)->picture()->size());
    return onScreen(layout.pointPosition(seriesOf(chart, series), ChartPoint{x, y, {}}));
}

void UiDriver::clickPole(int orientation, int index, Qt::MouseButton button)
{
    prepare();
    const QPoint at = poleFace(orientation, index);
    press(at, button);
    release(at, button);
}

void UiDriver::dragPoles(int orientation, int fromIndex, int toIndex)
{
    prepare();
    const QPoint to = poleFace(orientation, toIndex);
    press(poleFace(orientation, fromIndex), Qt::LeftButton);
    // Through every pole on the way, as a hand moves.
    const int step = toIndex >= fromIndex ? 1 : -1;
    for (int i = fromIndex + step; i != toIndex + step; i += step)
        move(poleFace(orientation, i));
    release(to, Qt::LeftButton);
}

void UiDriver::dragPoleEdge(int orientation, int index, int delta)
{
    prepare();
    const QPoint from = poleFarEdge(orientation, index);
    const QPoint by = orientation == 0 ? QPoint(delta, 0) : QPoint(0, delta);
    press(from, Qt::LeftButton);
    move(from + by / 2);
    move(from + by);
    release(from + by, Qt::LeftButton);
}

void UiDriver::click(const QString &objectName)
{
    prepare();
    const QPoint at = childCentre(objectName);
    press(at, Qt::LeftButton);
    release(at, Qt::LeftButton);
}

void UiDriver::doubleClick(const QString &objectName)
{
    prepare();
    doubleClickAt(childCentre(objectName));
}

void UiDriver::wheel(int delta)
{
    prepare();
    const CellSurface *surface = m_control.cellSurface();
    const QPoint at = surface->mapTo(window(), surface->visibleRegion().boundingRect().center());
    QWidget *target = widgetAt(at);
    const QPoint global = window()->mapToGlobal(at);
    QWheelEvent e(target->mapFromGlobal(global), global, QPoint(), QPoint(0, delta), m_held,
                  QApplication::keyboardModifiers(), Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
    QApplication::processEvents();
}

// --- keyboard ------------------------------------------------------------------------

void UiDriver::key(const QString &name, Qt::KeyboardModifiers modifiers)
{
    prepare();
    int code = 0;
    QString text;
    const QString lower = name.toLower();
    for (const NamedKey &k : kNamedKeys) {
        if (lower == QLatin1String(k.name)) {
            code = k.key;
            text = QString::fromLatin1(k.text);
        }
    }
    if (code == 0 && lower.size() >= 2 && lower.at(0) == QLatin1Char('f')) {
        bool ok = false;
        const int n = lower.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 12)
            code = Qt::Key_F1 + n - 1;
    }
    if (code == 0 && name.size() == 1 && typedByKeys(name.at(0))) {
        const QChar ch = name.at(0);
        code = keyOfCharacter(ch);
        text = name;
        if (ch.isLetter()) {
            if (modifiers & Qt::ShiftModifier)
                text = text.toUpper();
            if (modifiers & Qt::ControlModifier) // control characters, as the keyboard makes them
                text = QChar(char16_t(ch.toUpper().unicode() - u'A' + 1));
        }
    }
    if (code == 0)
        throw UiError(QStringLiteral("unknown key %1").arg(name));
    QKeyEvent down(QEvent::KeyPress, code, modifiers, text);
    QApplication::sendEvent(keyTarget(), &down);
    QApplication::processEvents();
    QKeyEvent up(QEvent::KeyRelease, code, modifiers, text);
    QApplication::sendEvent(keyTarget(), &up);
    QApplication::processEvents();
}

void UiDriver::type(const QString &text)
{
    prepare();
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar ch = text.at(i);
        if (typedByKeys(ch)) {
            const bool upper = ch.isUpper();
            const int code = keyOfCharacter(ch);
            QKeyEvent down(QEvent::KeyPress, code, upper ? Qt::ShiftModifier : Qt::NoModifier, QString(ch));
            QApplication::sendEvent(keyTarget(), &down);
            QKeyEvent up(QEvent::KeyRelease, code, upper ? Qt::ShiftModifier : Qt::NoModifier, QString(ch));
            QApplication::sendEvent(keyTarget(), &up);
            QApplication::processEvents();
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && !typedByKeys(text.at(end)))
            ++end;
        // The input method shows what is being composed, then commits it.
        QInputMethodEvent composing(text.mid(i, end - i), {});
        QApplication::sendEvent(keyTarget(), &composing);
        QInputMethodEvent commit;
        commit.setCommitString(text.mid(i, end - i));
        QApplication::sendEvent(keyTarget(), &commit);
        QApplication::processEvents();
        i = end;
    }
}

bool UiDriver::snapshot(const QString &path)
{
    prepare();
    return window()->grab().toImage().save(path, "PNG");
}

// --- names ---------------------------------------------------------------------------

Qt::MouseButton UiDriver::buttonNamed(const QString &name)
{
    const QString n = name.trimmed().toLower();
    if (n.isEmpty() || n == QLatin1String("left"))
        return Qt::LeftButton;
    if (n == QLatin1String("right"))
        return Qt::RightButton;
    if (n == QLatin1String("middle"))
        return Qt::MiddleButton;
    throw UiError(QStringLiteral("unknown mouse button %1").arg(name));
}

Qt::KeyboardModifiers UiDriver::modifiersNamed(const QString &text)
{
    Qt::KeyboardModifiers mods;
    for (const QString &part : text.split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
        const QString p = part.trimmed().toLower();
        if (p == QLatin1String("ctrl") || p == QLatin1String("control"))
            mods |= Qt::ControlModifier;
        else if (p == QLatin1String("shift"))
            mods |= Qt::ShiftModifier;
        else if (p == QLatin1String("alt"))
            mods |= Qt::AltModifier;
        else
            throw UiError(QStringLiteral("unknown modifier %1").arg(part));
    }
    return mods;
}

} // namespace cellvex
