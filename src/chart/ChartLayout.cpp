#include "chart/ChartLayout.h"

#include "chart/AxisDataRange.h"
#include "chart/AxisTitleText.h"
#include "chart/ChartFonts.h"
#include "chart/ChartPalette.h"
#include "chart/TickFitter.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace cellvex {

namespace {

constexpr double kGap = 3;
// Legend lines past this are not measured (nor would they fit).
constexpr int kMostLegendEntries = 64;
constexpr int kSmallestTitlePixels = 7;

bool isHorizontal(AxisPosition p)
{
    return p == AxisPosition::Top || p == AxisPosition::Bottom;
}

bool isXYSeries(const ChartSeries &s)
{
    return s.kind() == SeriesKind::Line || s.kind() == SeriesKind::Area || s.kind() == SeriesKind::Point;
}

// A rectangle of whole pixels, never of negative size.
QRectF wholePixels(double left, double top, double right, double bottom)
{
    const double l = std::round(left);
    const double t = std::round(top);
    return QRectF(l, t, std::max(0.0, std::round(right) - l), std::max(0.0, std::round(bottom) - t));
}

} // namespace

ChartLayout::ChartLayout(const Chart &chart, QSize size) : m_size(size)
{
    m_labelFont = ChartFonts::pixelFont(chart.labelFont);
    m_titleFont = ChartFonts::pixelFont(chart.titleFont);
    std::array<AxisDataRange, 4> ranges = AxisDataRange::gather(chart);
    bool onlyPies = chart.seriesCount() > 0;
    for (int i = 0; i < chart.seriesCount(); ++i)
        onlyPies = onlyPies && chart.series(i).kind() == SeriesKind::Pie;
    m_axesVisible = !onlyPies;
    for (size_t a = 0; a < 4; ++a) {
        const ChartAxis &axis = chart.axis(AxisPosition(a));
        AxisScale &s = m_scales[a];
        s.used = ranges[a].used;
        m_category[a] = ranges[a].category;
        s.logarithmic = axis.logarithmic && !ranges[a].category;
        s.logBase = axis.logBase > 1 && std::isfinite(axis.logBase) ? axis.logBase : 10;
        s.inverted = axis.inverted;
        m_shown[a] = ranges[a].used || AxisPosition(a) == AxisPosition::Left ||
                     AxisPosition(a) == AxisPosition::Bottom;
        m_dataRange[a] = {ranges[a].lo, ranges[a].hi};
        m_includeZero[a] = ranges[a].includeZero;
        m_categoryLabels[a] = std::move(ranges[a].categoryLabels);
    }
    // A left or bottom axis without series of its own repeats the scale of
    // the axis opposite instead of showing a made-up 0..1.
    for (auto [own, opposite] : {std::pair{AxisPosition::Left, AxisPosition::Right},
                                 std::pair{AxisPosition::Bottom, AxisPosition::Top}}) {
        const size_t a = size_t(own);
        const size_t b = size_t(opposite);
        if (ranges[a].used || !ranges[b].used)
            continue;
        m_category[a] = m_category[b];
        m_dataRange[a] = m_dataRange[b];
        m_includeZero[a] = m_includeZero[b];
        m_categoryLabels[a] = m_categoryLabels[b];
        m_scales[a].logarithmic = m_scales[b].logarithmic;
        m_scales[a].logBase = m_scales[b].logBase;
        m_scales[a].inverted = m_scales[b].inverted;
    }

    const double w = std::max(0, size.width());
    const double h = std::max(0, size.height());
    const double margin = std::clamp(std::min(w, h) / 40, 1.0, 6.0);
    QRectF area(margin, margin, std::max(0.0, w - 2 * margin), std::max(0.0, h - 2 * margin));
    if (!chart.titleLines.isEmpty()) {
        const double height = QFontMetricsF(m_titleFont).lineSpacing() * chart.titleLines.size();
        m_titleRect = QRectF(area.left(), area.top(), area.width(), std::min(height, area.height()));
        area.setTop(std::min(area.bottom(), area.top() + height + kGap));
    }
    if (chart.legendVisible)
        placeLegend(chart, area);
    if (m_axesVisible)
        placeAxes(chart, area);
    else
        m_plot = wholePixels(area.left(), area.top(), area.right(), area.bottom());
    placeBarsAndPies(chart);
}

void ChartLayout::computeTicks(AxisPosition p, double length)
{
    const size_t a = size_t(p);
    TickRequest r;
    r.lo = m_dataRange[a].first;
    r.hi = m_dataRange[a].second;
    r.includeZero = m_includeZero[a];
    r.logarithmic = m_scales[a].logarithmic;
    r.logBase = m_scales[a].logBase;
    r.category = m_category[a];
    r.categoryLabels = &m_categoryLabels[a];
    r.length = length;
    r.horizontal = isHorizontal(p);
    TickSet set = TickFitter::fit(r, QFontMetricsF(m_labelFont));
    m_scales[a].min = set.min;
    m_scales[a].max = set.max;
    m_scales[a].ticks = std::move(set.ticks);
    m_scales[a].tickLabels = std::move(set.labels);
    m_scales[a].minorTicks = std::move(set.minorTicks);
}

void ChartLayout::placeAxes(const Chart &chart, QRectF area)
{
    const QFontMetricsF fm(m_labelFont);
    std::array<QSizeF, 4> titles;
    for (size_t a = 0; a < 4; ++a) {
        const ChartAxis &axis = chart.axis(AxisPosition(a));
        QFont font = ChartFonts::pixelFont(axis.titleFont);
        if (m_shown[a] && !axis.title.isEmpty()) {
            // A title longer than its side is set smaller, down to a size still read.
            // Across its side a title may take a third of the chart.
            const bool horizontal = isHorizontal(AxisPosition(a));
            const double room = horizontal ? area.width() : area.height();
            const double roomAcross = (horizontal ? area.height() : area.width()) / 3;
            QSizeF size = AxisTitleText::size(axis.title, font, axis.titleAngle);
            const double along = horizontal ? size.width() : size.height();
            const double across = horizontal ? size.height() : size.width();
            const double scale = std::min(along > 0 ? room / along : 1, across > 0 ? roomAcross / across : 1);
            if (scale < 1 && scale > 0) {
                const int smaller = std::max(kSmallestTitlePixels, int(font.pixelSize() * scale));
                if (smaller < font.pixelSize()) {
                    font.setPixelSize(smaller);
                    size = AxisTitleText::size(axis.title, font, axis.titleAngle);
                }
            }
            titles[a] = size;
        }
        m_axisTitleFonts[a] = font;
    }
    auto titleRoom = [&](AxisPosition p) {
        const QSizeF t = titles[size_t(p)];
        if (t.isEmpty())
            return 0.0;
        return (isHorizontal(p) ? t.height() : t.width()) + kGap;
    };
    // Label widths depend on the ticks, the ticks on the plot's size: a few
    // rounds settle it. The ticks drawn are those fitted to the plot of the
    // round before; the last rounds change it by a pixel if at all.
    QRectF plot = area;
    for (int round = 0; round < 4; ++round) {
        for (size_t a = 0; a < 4; ++a)
            if (m_shown[a])
                computeTicks(AxisPosition(a), isHorizontal(AxisPosition(a)) ? plot.width() : plot.height());
        std::array<double, 4> labelRoom{};
        double overhangLeft = 0;
        double overhangRight = 0;
        for (size_t a = 0; a < 4; ++a) {
            if (!m_shown[a])
                continue;
            const AxisScale &s = m_scales[a];
            if (isHorizontal(AxisPosition(a))) {
                labelRoom[a] = kTickLength + 1 + fm.height();
                if (!s.tickLabels.empty()) {
                    // Labels centre on their ticks; the outer ones may reach past the plot.
                    const double first = fm.horizontalAdvance(s.tickLabels.front()) / 2;
                    const double last = fm.horizontalAdvance(s.tickLabels.back()) / 2;
                    const bool frontAtMin = s.ticks.front() <= s.min + (s.max - s.min) * 0.02;
                    const bool backAtMax = s.ticks.back() >= s.max - (s.max - s.min) * 0.02;
                    const double atLeft = s.inverted ? last : first;
                    const double atRight = s.inverted ? first : last;
                    if (s.inverted ? backAtMax : frontAtMin)
                        overhangLeft = std::max(overhangLeft, atLeft);
                    if (s.inverted ? frontAtMin : backAtMax)
                        overhangRight = std::max(overhangRight, atRight);
                }
            } else {
                double widest = 0;
                for (const QString &label : s.tickLabels)
                    widest = std::max(widest, fm.horizontalAdvance(label));
                labelRoom[a] = kTickLength + 2 + widest;
            }
        }
        const auto room = [&](AxisPosition p) { return labelRoom[size_t(p)] + titleRoom(p); };
        double left = area.left() + room(AxisPosition::Left);
        double right = area.right() - (m_shown[size_t(AxisPosition::Right)] ? room(AxisPosition::Right) : 0);
        double top = area.top() + (m_shown[size_t(AxisPosition::Top)] ? room(AxisPosition::Top) : 0);
        double bottom = area.bottom() - room(AxisPosition::Bottom);
        left = std::max(left, area.left() + overhangLeft);
        right = std::min(right, area.right() - overhangRight);
        // The label of a vertical axis' top tick is centred on it.
        if (!m_shown[size_t(AxisPosition::Top)])
            top = std::max(top, area.top() + fm.height() / 2);
        const QRectF next = wholePixels(left, top, std::max(left, right), std::max(top, bottom));
        if (next == plot)
            break;
        plot = next;
    }
    m_plot = plot;
    for (size_t a = 0; a < 4; ++a) {
        AxisScale &s = m_scales[a];
        const bool horizontal = isHorizontal(AxisPosition(a));
        const double low = horizontal ? plot.left() : plot.bottom();
        const double high = horizontal ? plot.right() : plot.top();
        s.pixelStart = s.inverted ? high : low;
        s.pixelEnd = s.inverted ? low : high;
    }
    const auto titleBox = [&](AxisPosition p, double x, double y) {
        const QSizeF t = titles[size_t(p)];
        return QRectF(x, y, t.width(), t.height());
    };
    const QSizeF tl = titles[size_t(AxisPosition::Left)];
    const QSizeF tr = titles[size_t(AxisPosition::Right)];
    const QSizeF tt = titles[size_t(AxisPosition::Top)];
    const QSizeF tb = titles[size_t(AxisPosition::Bottom)];
    // Centred on the plot, but inside the area when the plot is the shorter.
    const auto inArea = [&](QRectF r) {
        if (r.height() <= area.height())
            r.moveTop(std::clamp(r.top(), area.top(), area.bottom() - r.height()));
        if (r.width() <= area.width())
            r.moveLeft(std::clamp(r.left(), area.left(), area.right() - r.width()));
        return r;
    };
    m_axisTitleRects[size_t(AxisPosition::Left)] =
        inArea(titleBox(AxisPosition::Left, area.left(), plot.center().y() - tl.height() / 2));
    m_axisTitleRects[size_t(AxisPosition::Right)] =
        inArea(titleBox(AxisPosition::Right, area.right() - tr.width(), plot.center().y() - tr.height() / 2));
    m_axisTitleRects[size_t(AxisPosition::Top)] =
        inArea(titleBox(AxisPosition::Top, plot.center().x() - tt.width() / 2, area.top()));
    m_axisTitleRects[size_t(AxisPosition::Bottom)] = inArea(
        titleBox(AxisPosition::Bottom, plot.center().x() - tb.width() / 2, area.bottom() - tb.height()));
}

void ChartLayout::placeLegend(const Chart &chart, QRectF &area)
{
    for (int i = 0; i < chart.seriesCount() && int(m_legend.size()) < kMostLegendEntries; ++i) {
        const ChartSeries &s = chart.series(i);
        if (s.kind() != SeriesKind::Pie) {
            m_legend.push_back(
                LegendEntry{QStringLiteral("Series %1").arg(i + 1), chart.seriesColor(i), i, -1});
            continue;
        }
        const std::vector<ChartPoint> &points = s.points();
        for (size_t k = 0; k < points.size() && int(m_legend.size()) < kMostLegendEntries; ++k) {
            const QString text =
                points[k].label.isEmpty() ? QString::number(points[k].y, 'g', 6) : points[k].label;
            m_legend.push_back(LegendEntry{text, ChartPalette::color(int(k)), i, int(k)});
        }
    }
    if (m_legend.empty())
        return;
    const QFontMetricsF fm(m_labelFont);
    double widest = 0;
    for (const LegendEntry &e : m_legend)
        widest = std::max(widest, fm.horizontalAdvance(e.text));
    const double line = fm.height() + 2;
    const double swatch = std::round(fm.height() * 0.8);
    const double width = std::min(4 + swatch + kGap + widest + 4, area.width() / 3);
    const double height = std::min(4 + line * double(m_legend.size()), area.height());
    m_legendRect = wholePixels(area.right() - width, area.center().y() - height / 2, area.right(),
                               area.center().y() + height / 2);
    area.setRight(std::max(area.left(), area.right() - width - kGap * 2));
}

void ChartLayout::placeBarsAndPies(const Chart &chart)
{
    m_barSlot.assign(size_t(chart.seriesCount()), -1);
    m_barAxis.assign(size_t(chart.seriesCount()), 0);
    int pies = 0;
    for (int i = 0; i < chart.seriesCount(); ++i) {
        const SeriesKind kind = chart.series(i).kind();
        const ChartSeries &s = chart.series(i);
        if (kind == SeriesKind::VerticalBar) {
            m_barSlot[size_t(i)] = m_verticalBars++;
            m_barAxis[size_t(i)] = int(s.onTopAxis ? AxisPosition::Top : AxisPosition::Bottom);
        } else if (kind == SeriesKind::HorizontalBar) {
            m_barSlot[size_t(i)] = m_horizontalBars++;
            m_barAxis[size_t(i)] = int(s.onRightAxis ? AxisPosition::Right : AxisPosition::Left);
        } else if (kind == SeriesKind::Pie) {
            ++pies;
        }
    }
    m_pieRects.assign(size_t(chart.seriesCount()), QRectF());
    if (pies == 0)
        return;
    // Pies share the plot side by side, each a square in its cell with room
    // around it for its marks.
    const QFontMetricsF fm(m_labelFont);
    const double cellWidth = m_plot.width() / pies;
    int pie = 0;
    for (int i = 0; i < chart.seriesCount(); ++i) {
        const ChartSeries &s = chart.series(i);
        if (s.kind() != SeriesKind::Pie)
            continue;
        const QRectF cell(m_plot.left() + cellWidth * pie++, m_plot.top(), cellWidth, m_plot.height());
        double padX = 2;
        double padY = 2;
        if (s.marksVisible) {
            double widest = 0;
            const std::vector<ChartPoint> &points = s.points();
            for (size_t k = 0; k < points.size() && k < size_t(kMostLegendEntries); ++k)
                widest = std::max(widest, fm.horizontalAdvance(points[k].label + QStringLiteral(" 00.0%")));
            padX = std::min(widest + 10, cell.width() / 4);
            padY = std::min(fm.height() + 8, cell.height() / 4);
        }
        const double d = std::max(0.0, std::min(cell.width() - 2 * padX, cell.height() - 2 * padY));
        m_pieRects[size_t(i)] = QRectF(cell.center().x() - d / 2, cell.center().y() - d / 2, d, d);
    }
}

const AxisScale &ChartLayout::horizontalScale(const ChartSeries &s) const
{
    return m_scales[size_t(s.onTopAxis ? AxisPosition::Top : AxisPosition::Bottom)];
}

const AxisScale &ChartLayout::verticalScale(const ChartSeries &s) const
{
    return m_scales[size_t(s.onRightAxis ? AxisPosition::Right : AxisPosition::Left)];
}

std::optional<QPointF> ChartLayout::pointPosition(const ChartSeries &s, const ChartPoint &p) const
{
    // Bars lie with their value along the horizontal axis.
    const bool turned = s.kind() == SeriesKind::HorizontalBar;
    const std::optional<double> x = horizontalScale(s).toPixel(turned ? p.y : p.x);
    const std::optional<double> y = verticalScale(s).toPixel(turned ? p.x : p.y);
    if (!x || !y)
        return std::nullopt;
    return QPointF(*x, *y);
}

void ChartLayout::positionToValues(const ChartSeries &s, QPointF position, double &x, double &y) const
{
    const double h = horizontalScale(s).toValue(position.x());
    const double v = verticalScale(s).toValue(position.y());
    const bool turned = s.kind() == SeriesKind::HorizontalBar;
    x = turned ? v : h;
    y = turned ? h : v;
}

std::optional<ChartPointHit> ChartLayout::pointAt(const Chart &chart, QPointF position) const
{
    constexpr double kTolerance = 2;
    for (int i = chart.seriesCount() - 1; i >= 0; --i) {
        const ChartSeries &s = chart.series(i);
        if (!s.reportsPointPresses || !isXYSeries(s))
            continue;
        const double ex = std::max(0, s.markerWidth) + kTolerance;
        const double ey = std::max(0, s.markerHeight) + kTolerance;
        // Points are in ascending x: only those within the marker's reach
        // along x are looked at.
        const AxisScale &hs = horizontalScale(s);
        const double a = hs.toValue(position.x() - ex);
        const double b = hs.toValue(position.x() + ex);
        const double span = std::fabs(b - a);
        const double lo = std::min(a, b) - span * 1e-9;
        const double hi = std::max(a, b) + span * 1e-9;
        const std::vector<ChartPoint> &points = s.points();
        auto it = std::lower_bound(points.begin(), points.end(), lo,
                                   [](const ChartPoint &p, double v) { return p.x < v; });
        int best = -1;
        double bestDistance = 0;
        for (; it != points.end() && it->x <= hi; ++it) {
            const std::optional<QPointF> at = pointPosition(s, *it);
            if (!at)
                continue;
            const double dx = std::fabs(at->x() - position.x()) / ex;
            const double dy = std::fabs(at->y() - position.y()) / ey;
            if (dx > 1 || dy > 1)
                continue;
            // The later of two equally near points is drawn over the other.
            const double distance = dx * dx + dy * dy;
            if (best < 0 || distance <= bestDistance) {
                best = int(it - points.begin());
                bestDistance = distance;
            }
        }
        if (best >= 0)
            return ChartPointHit{i, best};
    }
    return std::nullopt;
}

std::pair<double, double> ChartLayout::barSpan(int seriesIndex, double category) const
{
    if (seriesIndex < 0 || size_t(seriesIndex) >= m_barSlot.size() || m_barSlot[size_t(seriesIndex)] < 0)
        return {0, 0};
    const int axis = m_barAxis[size_t(seriesIndex)];
    const AxisScale &scale = m_scales[size_t(axis)];
    const std::optional<double> centre = scale.toPixel(category);
    const double values = std::fabs(scale.max - scale.min);
    if (!centre || !(values > 0))
        return {0, 0};
    const int count = isHorizontal(AxisPosition(axis)) ? m_verticalBars : m_horizontalBars;
    const double perCategory = std::fabs(scale.pixelEnd - scale.pixelStart) / values;
    // A gap between categories keeps neighbouring groups apart.
    const double group = perCategory * 0.75;
    const double slot = group / std::max(1, count);
    const double direction = scale.pixelEnd >= scale.pixelStart ? 1 : -1;
    double a = *centre + direction * (-group / 2 + slot * m_barSlot[size_t(seriesIndex)]);
    double b = a + direction * slot;
    if (a > b)
        std::swap(a, b);
    if (b - a < 1) {
        const double mid = (a + b) / 2;
        a = mid - 0.5;
        b = mid + 0.5;
    }
    return {a, b};
}

double ChartLayout::barBase(const ChartSeries &s) const
{
    const AxisScale &scale = s.kind() == SeriesKind::HorizontalBar ? horizontalScale(s) : verticalScale(s);
    const double base = scale.logarithmic
                            ? scale.min
                            : std::clamp(0.0, std::min(scale.min, scale.max), std::max(scale.min, scale.max));
    return scale.toPixel(base).value_or(scale.pixelStart);
}

QRectF ChartLayout::markBounds() const
{
    const double top = m_titleRect.isNull() ? 0 : m_titleRect.bottom();
    return QRectF(m_plot.left(), top, m_plot.width(), std::max(0.0, m_size.height() - top));
}

QRectF ChartLayout::pieRect(int seriesIndex) const
{
    if (seriesIndex < 0 || size_t(seriesIndex) >= m_pieRects.size())
        return QRectF();
    return m_pieRects[size_t(seriesIndex)];
}

} // namespace cellvex
