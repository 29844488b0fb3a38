#include <gtest/gtest.h>

#include <vector>

#include "linearization/lin_fit.h"

using namespace lmk17;

TEST(SolveLinearSystem, SolvesWithRowAndColumnPivoting) {
    // The largest element sits off the diagonal, so both swaps happen and the
    // unknowns come back through the column permutation.
    AugmentedMatrix a{};
    const double rows[3][4] = {{1, 2, 3, 14}, {2, 9, 1, 23}, {4, 1, 2, 12}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) a[r][c] = rows[r][c];
    std::array<double, kMaxLinearSystem> x{};
    ASSERT_EQ(SolveLinearSystem(3, a, x), SolveStatus::Solved);
    EXPECT_NEAR(x[0], 1.0, 1e-12);
    EXPECT_NEAR(x[1], 2.0, 1e-12);
    EXPECT_NEAR(x[2], 3.0, 1e-12);
}

TEST(SolveLinearSystem, RefusesSingularAndOversizedSystems) {
    AugmentedMatrix a{};
    const double rows[2][3] = {{1, 2, 3}, {2, 4, 6}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) a[r][c] = rows[r][c];
    std::array<double, kMaxLinearSystem> x{};
    x.fill(7.0);
    EXPECT_EQ(SolveLinearSystem(2, a, x), SolveStatus::Singular);
    EXPECT_EQ(x[0], 7.0);  // nothing produced
    AugmentedMatrix tiny{};
    tiny[0][0] = 1e-10;  // at the threshold counts as singular
    tiny[0][1] = 1;
    EXPECT_EQ(SolveLinearSystem(1, tiny, x), SolveStatus::Singular);
    EXPECT_EQ(SolveLinearSystem(11, a, x), SolveStatus::TooLarge);
}

TEST(FitCubic, DegreeFollowsThePointCount) {
    struct Case {
        std::vector<double> x, y;
        Cubic expected;
    };
    const std::vector<Case> cases = {
        {{}, {}, {0, 1, 0, 0}},                              // no points: Y = X
        {{3}, {10}, {7, 1, 0, 0}},                           // one point: offset
        {{0, 400}, {0, 850}, {0, 2.125, 0, 0}},              // a line
        {{-1, 0, 2}, {3, 1, 3}, {1, -1, 1, 0}},              // parabola 1 - x + x^2
        {{-1, 0, 1, 2}, {-3, 1, 3, 9}, {1, 2, -1, 1}},       // cubic through four points
        {{0, 1, 2, 3, 4}, {1, 2, 9, 28, 65}, {1, 0, 0, 1}},  // 1 + x^3, five points
    };
    for (const Case& c : cases) {
        const Cubic r = FitCubic(int(c.x.size()), c.x.data(), c.y.data());
        for (int k = 0; k < 4; ++k)
            EXPECT_NEAR(r[k], c.expected[k], 1e-9) << c.x.size() << " points";
    }
}

TEST(FitCubic, LeastSquaresLineThroughNoisyPoints) {
    const double x[] = {0, 1, 2};
    const double y[] = {0, 1, 0};
    // n = 3 fits a parabola exactly; with two of them the best line.
    const Cubic p = FitCubic(3, x, y);
    EXPECT_NEAR(EvaluateCubic(p, 1), 1.0, 1e-12);
    const double x2[] = {0, 1, 2, 3, 4, 5};
    const double y2[] = {1, 3, 5, 7, 9, 11};
    const Cubic l = FitCubic(6, x2, y2);
    EXPECT_NEAR(l[0], 1, 1e-9);
    EXPECT_NEAR(l[1], 2, 1e-9);
    EXPECT_NEAR(l[2], 0, 1e-9);
    EXPECT_NEAR(l[3], 0, 1e-9);
}

TEST(FitCubic, SingularSystemsLowerTheDegree) {
    // Only two distinct X: the cubic is singular, the line through the two
    // means is what the data support.
    const double x[] = {1, 1, 3, 3};
    const double y[] = {2, 4, 6, 8};
    const Cubic r = FitCubic(4, x, y);
    EXPECT_NEAR(EvaluateCubic(r, 1), 3, 1e-9);
    EXPECT_NEAR(EvaluateCubic(r, 3), 7, 1e-9);
    // All X equal: slope 1 through the mean point, as for a single point.
    const double same[] = {5, 5, 5};
    const double ys[] = {1, 2, 3};
    const Cubic s = FitCubic(3, same, ys);
    EXPECT_DOUBLE_EQ(s[0], -3);
    EXPECT_DOUBLE_EQ(s[1], 1);
    // More than 64 points are refused.
    std::vector<double> many(65, 1.0);
    EXPECT_EQ(FitCubic(65, many.data(), many.data()), (Cubic{0, 0, 0, 0}));
}
