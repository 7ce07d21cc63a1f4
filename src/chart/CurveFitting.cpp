#include "chart/CurveFitting.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace cellvex {

namespace {

void applyOrder(CurvePoints &points, const std::vector<int> &order)
{
    CurvePoints out;
    out.x.reserve(order.size());
    out.y.reserve(order.size());
    for (int i : order) {
        out.x.push_back(points.x[size_t(i)]);
        out.y.push_back(points.y[size_t(i)]);
    }
    points = std::move(out);
}

std::vector<int> orderByX(const CurvePoints &points)
{
    std::vector<int> order(points.x.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return points.x[size_t(a)] < points.x[size_t(b)]; });
    return order;
}

double sampleAt(double first, double last, int k)
{
    return first + (last - first) / kCurveSegments * k;
}

} // namespace

// Equal values end up next to each other, so one pass over neighbours finds
// them; the same pairs an exchange sort would stop at.
bool sortStrictlyByX(CurvePoints &points)
{
    sortByX(points);
    for (size_t i = 1; i < points.x.size(); ++i)
        if (points.x[i - 1] == points.x[i])
            return false;
    return true;
}

void sortByX(CurvePoints &points)
{
    applyOrder(points, orderByX(points));
}

NaturalSpline::NaturalSpline(const CurvePoints &points) : m_x(points.x), m_y(points.y)
{
    const size_t n = m_x.size();
    m_d.assign(n, 0.0);
    if (n < 2)
        return;
    std::vector<double> u(n, 0.0);
    const std::vector<double> &x = m_x, &y = m_y;
    for (size_t i = 1; i + 1 < n; ++i) {
        const double s = (x[i] - x[i - 1]) / (x[i + 1] - x[i - 1]);
        const double p = s * m_d[i - 1] + 2;
        m_d[i] = (s - 1) / p;
        u[i] = (y[i + 1] - y[i]) / (x[i + 1] - x[i]) - (y[i] - y[i - 1]) / (x[i] - x[i - 1]);
        u[i] = (6 * u[i] / (x[i + 1] - x[i - 1]) - s * u[i - 1]) / p;
    }
    m_d[n - 1] = 0;
    for (size_t k = n - 1; k-- > 0;)
        m_d[k] = m_d[k] * m_d[k + 1] + u[k];
}

double NaturalSpline::valueAt(double t) const
{
    const size_t n = m_x.size();
    if (n == 0)
        return 0;
    if (n == 1)
        return m_y[0];
    size_t lo = 0, hi = n - 1;
    while (hi - lo > 1) {
        const size_t m = (hi + lo) / 2;
        if (t < m_x[m])
            hi = m;
        else
            lo = m;
    }
    const double h = m_x[hi] - m_x[lo];
    const double a = h != 0 ? (m_x[hi] - t) / h : 0;
    const double b = h != 0 ? (t - m_x[lo]) / h : 0;
    return a * m_y[lo] + b * m_y[hi] + ((a * a * a - a) * m_d[lo] + (b * b * b - b) * m_d[hi]) * h * h / 6;
}

std::vector<double> fitPolynomial(const CurvePoints &points, int terms)
{
    const int m = std::clamp(terms, 2, 6);
    const size_t n = points.x.size();
    // Powers of x up to 2(m-1) per point, summed once for the whole matrix.
    std::vector<double> powerSums(size_t(2 * m - 1), 0.0);
    std::vector<double> b(size_t(m), 0.0);
    for (size_t i = 0; i < n; ++i) {
        double power = 1;
        for (int e = 0; e < 2 * m - 1; ++e) {
            powerSums[size_t(e)] += power;
            if (e < m)
                b[size_t(e)] += points.y[i] * power;
            power *= points.x[i];
        }
    }
    std::vector<std::vector<double>> a(size_t(m), std::vector<double>(size_t(m), 0.0));
    for (int r = 0; r < m; ++r)
        for (int c = 0; c < m; ++c)
            a[size_t(r)][size_t(c)] = powerSums[size_t(r + c)];

    std::vector<int> pivotColumn(size_t(m), 0);
    std::vector<double> coefficients(size_t(m), 0.0);
    for (int r = 0; r < m; ++r) {
        int pivotRow = r, pivotCol = 0;
        double largest = -1;
        for (int i = r; i < m; ++i)
            for (int c = 0; c < m; ++c)
                if (std::abs(a[size_t(i)][size_t(c)]) > largest) {
                    largest = std::abs(a[size_t(i)][size_t(c)]);
                    pivotRow = i;
                    pivotCol = c;
                }
        // Also catches a NaN pivot: the comparison above never picks one.
        if (!(largest > 1e-20))
            return std::vector<double>(size_t(m), 0.0);
        std::swap(a[size_t(r)], a[size_t(pivotRow)]);
        std::swap(b[size_t(r)], b[size_t(pivotRow)]);
        pivotColumn[size_t(r)] = pivotCol;
        const std::vector<double> &row = a[size_t(r)];
        for (int i = 0; i < m; ++i) {
            if (i == r)
                continue;
            const double f = a[size_t(i)][size_t(pivotCol)] / row[size_t(pivotCol)];
            if (f == 0)
                continue;
            for (int c = 0; c < m; ++c)
                a[size_t(i)][size_t(c)] -= f * row[size_t(c)];
            b[size_t(i)] -= f * b[size_t(r)];
        }
    }
    for (int r = 0; r < m; ++r) {
        const int c = pivotColumn[size_t(r)];
        coefficients[size_t(c)] = b[size_t(r)] / a[size_t(r)][size_t(c)];
    }
    return coefficients;
}

double polynomialValue(const std::vector<double> &coefficients, double t)
{
    double value = 0, power = 1;
    for (double c : coefficients) {
        value += c * power;
        power *= t;
    }
    return value;
}

CurvePoints sampleSpline(const CurvePoints &sorted)
{
    CurvePoints out;
    if (sorted.size() < 2)
        return out;
    const NaturalSpline spline(sorted);
    const double first = sorted.x.front(), last = sorted.x.back();
    out.x.reserve(kCurveSegments + 1);
    out.y.reserve(kCurveSegments + 1);
    for (int k = 0; k <= kCurveSegments; ++k) {
        const double t = sampleAt(first, last, k);
        out.x.push_back(t);
        out.y.push_back(spline.valueAt(t));
    }
    return out;
}

CurvePoints samplePolynomial(const CurvePoints &sorted, int terms)
{
    CurvePoints out;
    if (sorted.size() < 2)
        return out;
    const std::vector<double> coefficients = fitPolynomial(sorted, terms);
    const double first = sorted.x.front(), last = sorted.x.back();
    out.x.reserve(kCurveSegments + 1);
    out.y.reserve(kCurveSegments + 1);
    for (int k = 0; k <= kCurveSegments; ++k) {
        const double t = sampleAt(first, last, k);
        out.x.push_back(t);
        out.y.push_back(polynomialValue(coefficients, t));
    }
    return out;
}

} // namespace cellvex
