#pragma once

#include <vector>

namespace cellvex {

// Curves through measured points, sampled for drawing. The adjustable chart
// curves are drawn as straight segments between these samples, so a curve
// looks the same at any cell size and costs the same to draw.
constexpr int kCurveSegments = 1000; // samples: kCurveSegments + 1

struct CurvePoints
{
    std::vector<double> x;
    std::vector<double> y;
    int size() const { return int(x.size()); }
};

// Sorts by ascending x; false, leaving the order unspecified, when two x are
// equal (a spline cannot pass through two values at one x).
bool sortStrictlyByX(CurvePoints &points);
// Sorts by ascending x, equal x keeping their order.
void sortByX(CurvePoints &points);

// The natural cubic spline through points with strictly ascending x (at
// least two): zero second derivative at both ends.
class NaturalSpline
{
public:
    explicit NaturalSpline(const CurvePoints &points);
    double valueAt(double t) const;
    const std::vector<double> &secondDerivatives() const { return m_d; }

private:
    std::vector<double> m_x;
    std::vector<double> m_y;
    std::vector<double> m_d;
};

// Least-squares polynomial with `terms` coefficients (2 to 6; others are
// clamped) through the points, from the normal equations solved by
// Gauss-Jordan elimination with full pivoting. A system whose largest
// remaining pivot is 1e-20 or less in magnitude gives all coefficients 0.
// coefficients[i] belongs to x^i.
std::vector<double> fitPolynomial(const CurvePoints &points, int terms);
double polynomialValue(const std::vector<double> &coefficients, double t);

// kCurveSegments + 1 evenly spaced samples from the first to the last x
// (which must be ascending, at least two points). Empty for fewer points.
CurvePoints sampleSpline(const CurvePoints &sorted);
CurvePoints samplePolynomial(const CurvePoints &sorted, int terms);

} // namespace cellvex
