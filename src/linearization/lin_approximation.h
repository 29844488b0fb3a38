#pragma once

#include <QtGlobal>

#include <QString>
#include <vector>

#include "linearization/lin_fit.h"
#include "linearization/lin_pom.h"

namespace lmk17 {

// The approximation errors of one fit, for the graph window: one (x, error)
// pair per point in table order, and the smallest and largest error by
// magnitude with their 1-based point indexes.
struct ApproximationErrors {
    struct Pair {
        double x = 0.0;
        double error = 0.0;
    };
    std::vector<Pair> series;
    double minError = 100000.0;  // in the series' units (PV units, or mV for CJ)
    int minIndex = 1;
    double maxError = 0.0;
    int maxIndex = 1;
    QString minLabel;  // "Minimum:  <value> [<unit>]"
    QString maxLabel;  // "Maximum:  <value> [<unit>]"
    // The points of the minimum and maximum error as the editor shows them
    // (linearization: X and Y of LinPoints; CJ: X in the CJ unit, Y in mV),
    // kept here because the point table may be re-sorted while the graph is
    // open (a point added from the plot), so the indexes may name another point.
    XYPoint minPoint;
    XYPoint maxPoint;
};

// The two captions the labels start with.
inline constexpr char kMinimumCaption[] = QT_TRANSLATE_NOOP("Linearization", "Minimum:");
inline constexpr char kMaximumCaption[] = QT_TRANSLATE_NOOP("Linearization", "Maximum:");

// The editor's refusals when a fit lacks points.
inline constexpr char kLinTooFewPoints[] = QT_TRANSLATE_NOOP(
    "Linearization",
    "Cannot resolve the linearization table unless at least 2 points are entered.");
inline constexpr char kCjcTooFewPoints[] = QT_TRANSLATE_NOOP(
    "Linearization", "Cannot resolve the compensating table unless at least 2 points are entered.");

// Fits LinPoints with eight cubic segments (one cubic for all eight with 2 to
// 4 points) and sets the PV limits. Uses XStart/XEnd as they stand when there
// are 5 or more points. Returns false, changing nothing, with fewer than 2
// points or more than 64.
bool ProlozLinTab(LinData& data, int rangeIndex, ApproximationErrors* errors = nullptr);

// Fits CJCPoints (ohm, volts) with one cubic into CjcPoly. Returns false,
// changing nothing, with fewer than 2 points or more than 20.
bool ProlozKPoln(LinData& data, ApproximationErrors* errors = nullptr);

// Extreme PV values of the segment polynomials over [XStart, XEnd], each
// segment sampled at 1000 points after its start.
double MinY_Lin(const LinPom& pom);
double MaxY_Lin(const LinPom& pom);
// Extreme Y of LinPoints; 0 with fewer than 2 points.
double MinYBodyLin(const LinPointTable& points);
double MaxYBodyLin(const LinPointTable& points);

// A fit in input units expressed in internal units (u = x / f, f = the input
// units of one internal unit); the identity when the arithmetic overflows.
Cubic CubicToInternal(const Cubic& c, double f);

}  // namespace lmk17
