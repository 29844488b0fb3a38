// The accuracy a linearization table must reach, by sensor and temperature:
// each class boundary is checked on both sides, since a bound moved there
// lets a wrong table pass (or refuses a good one) only near that boundary.

#include <gtest/gtest.h>

#include "config/standard_correspondence.h"

namespace lmk17 {
namespace {

constexpr int kPt100 = 11;
constexpr int kNi100 = 14;
constexpr int kTypeJ = 51;
constexpr int kTypeK = 52;
constexpr int kTypeN = 53;
constexpr int kTypeR = 54;
constexpr int kTypeS = 55;
constexpr int kTypeT = 56;
constexpr int kTypeB = 57;
constexpr int kTypeE = 58;
constexpr int kTypeL = 59;

TEST(ToleranceClasses, BoundsOnBothSidesOfEachClassBoundary) {
    struct Case {
        int code;
        double celsius;
        double bound;  // °C
    } cases[] = {
        // platinum, class A: 0.15 + 0.002·|t|
        {kPt100, 0.0, 0.15},
        {kPt100, -100.0, 0.35},
        {kPt100, 100.0, 0.35},
        // nickel: 0.4 + 0.007·t from 0 °C, 0.4 + 0.028·|t| below
        {kNi100, 0.0, 0.4},
        {kNi100, 100.0, 1.1},
        {kNi100, -50.0, 1.8},
        // J keeps class 1 everywhere: 1.5 or 0.004·|t|
        {kTypeJ, -41.0, 1.5},
        {kTypeJ, 375.0, 1.5},
        {kTypeJ, 750.0, 3.0},
        // K, N, E: class 1 down to -40 °C, class 3 (2.5 or 0.015·|t|) below
        {kTypeK, -40.0, 1.5},
        {kTypeK, -41.0, 2.5},
        {kTypeK, -200.0, 3.0},
        {kTypeK, 1000.0, 4.0},
        {kTypeN, -40.0, 1.5},
        {kTypeN, -41.0, 2.5},
        {kTypeE, -40.0, 1.5},
        {kTypeE, -41.0, 2.5},
        // T: class 1 (0.5 or 0.004·|t|) down to -40 °C, class 3 (1.0 or 0.015·|t|) below
        {kTypeT, -40.0, 0.5},
        {kTypeT, -41.0, 1.0},
        {kTypeT, -200.0, 3.0},
        {kTypeT, 100.0, 0.5},
        {kTypeT, 300.0, 1.2},
        // R, S: 1.0 up to 1100 °C, then 1 + 0.003·(t - 1100)
        {kTypeR, 1100.0, 1.0},
        {kTypeR, 1200.0, 1.3},
        {kTypeS, 0.0, 1.0},
        {kTypeS, 1600.0, 2.5},
        // B: class 3, 4 or 0.005·|t|
        {kTypeB, 800.0, 4.0},
        {kTypeB, 1000.0, 5.0},
        // L: 3 up to 400 °C, 0.75 % above
        {kTypeL, -100.0, 3.0},
        {kTypeL, 400.0, 3.0},
        {kTypeL, 450.0, 3.375},
        {kTypeL, 800.0, 6.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(StandardTableTolerance(c.code, c.celsius), c.bound, 1e-9)
            << "range " << c.code << " at " << c.celsius << " °C";
}

TEST(ToleranceClasses, OnlyRangesWithAReferenceHaveOne) {
    EXPECT_LT(StandardTableTolerance(1, 0.0), 0.0);  // an identity input
    EXPECT_LT(StandardCjTolerance(kPt100), 0.0);     // no cold junction
    for (const int code : {kTypeJ, kTypeK, kTypeN, kTypeR, kTypeS, kTypeT, kTypeB, kTypeE, kTypeL})
        EXPECT_GT(StandardCjTolerance(code), 0.0) << code;
    // 0.1 °C at the cold junction: type K gives about 40 µV/°C there.
    EXPECT_NEAR(StandardCjTolerance(kTypeK), 4.0, 0.3);
}

}  // namespace
}  // namespace lmk17
