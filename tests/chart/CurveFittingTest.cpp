#include "chart/CurveFitting.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace cellvex;

TEST(CurveFitting, SplineMatchesValuesComputedByHand)
{
    // Natural spline through (0,0), (1,1), (2,0): the middle second
    // derivative is -3, so S(0.5) = 0.5 + (0.125 - 0.5)(-3)/6 = 0.6875.
    const NaturalSpline s(CurvePoints{{0, 1, 2}, {0, 1, 0}});
    EXPECT_DOUBLE_EQ(s.secondDerivatives()[1], -3);
    EXPECT_DOUBLE_EQ(s.valueAt(0.5), 0.6875);
    EXPECT_DOUBLE_EQ(s.valueAt(1.5), 0.6875);
    EXPECT_DOUBLE_EQ(s.valueAt(1), 1);
    // Two points: a straight line.
    const NaturalSpline line(CurvePoints{{0, 4}, {1, 3}});
    EXPECT_DOUBLE_EQ(line.valueAt(1), 1.5);
    // A spline through points of a line is that line.
    const NaturalSpline straight(CurvePoints{{0, 1, 3, 7}, {1, 3, 7, 15}});
    for (double t : {0.0, 0.5, 2.0, 5.5, 7.0})
        EXPECT_NEAR(straight.valueAt(t), 2 * t + 1, 1e-12) << t;
}

TEST(CurveFitting, PolynomialRecoversWhatGeneratedThePoints)
{
    const CurvePoints cubic{{-2, -1, 0, 1, 2, 3}, {-13, -2, 1, 2, 7, 22}}; // x^3 - x^2 + x + 1
    std::vector<double> c = fitPolynomial(cubic, 4);
    ASSERT_EQ(c.size(), 4u);
    for (size_t i = 0; i < cubic.x.size(); ++i)
        EXPECT_NEAR(polynomialValue(c, cubic.x[i]), cubic.y[i], 1e-9) << i;

    // Two terms through three points: the least-squares line.
    c = fitPolynomial(CurvePoints{{0, 1, 2}, {0, 1, 3}}, 2);
    EXPECT_NEAR(c[0], -1.0 / 6, 1e-12);
    EXPECT_NEAR(c[1], 1.5, 1e-12);
    // Terms are clamped to 2..6.
    EXPECT_EQ(fitPolynomial(CurvePoints{{0, 1}, {0, 1}}, 0).size(), 2u);
    EXPECT_EQ(fitPolynomial(CurvePoints{{0, 1}, {0, 1}}, 40).size(), 6u);
    // No points: every pivot is zero and every coefficient too.
    for (double v : fitPolynomial(CurvePoints{}, 3))
        EXPECT_EQ(v, 0);
}

TEST(CurveFitting, SortingRefusesEqualX)
{
    CurvePoints p{{3, 1, 2}, {30, 10, 20}};
    EXPECT_TRUE(sortStrictlyByX(p));
    EXPECT_EQ(p.x, (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(p.y, (std::vector<double>{10, 20, 30}));
    CurvePoints q{{2, 1, 2}, {1, 2, 3}};
    EXPECT_FALSE(sortStrictlyByX(q));
    // Sorting alone keeps equal x in their order.
    CurvePoints r{{2, 1, 2}, {1, 2, 3}};
    sortByX(r);
    EXPECT_EQ(r.y, (std::vector<double>{2, 1, 3}));
}

TEST(CurveFitting, SamplesSpanTheFirstToTheLastX)
{
    const CurvePoints s = sampleSpline(CurvePoints{{1, 2, 5}, {1, 4, 2}});
    ASSERT_EQ(s.size(), kCurveSegments + 1);
    EXPECT_DOUBLE_EQ(s.x.front(), 1);
    EXPECT_DOUBLE_EQ(s.x.back(), 5);
    EXPECT_DOUBLE_EQ(s.x[500], 3);
    EXPECT_DOUBLE_EQ(s.y.front(), 1);
    EXPECT_DOUBLE_EQ(s.y.back(), 2);
    EXPECT_EQ(sampleSpline(CurvePoints{{1}, {1}}).size(), 0);
    EXPECT_EQ(samplePolynomial(CurvePoints{}, 3).size(), 0);
}
