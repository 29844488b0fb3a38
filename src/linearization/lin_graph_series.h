#pragma once

#include <QPointF>
#include <QString>
#include <vector>

#include "linearization/lin_approximation.h"
#include "linearization/lin_pom.h"

namespace lmk17 {

// What the approximation graph plots, computed without any window.

// The linearization curve: 81 points per segment, each inner boundary twice
// (once with each neighbour's polynomial); X in input units.
std::vector<QPointF> LinCurveSeries(const LinPom& pom, int rangeIndex);
// The linearization points as (X, Y).
std::vector<QPointF> LinPointSeries(const LinData& data);

// The CJ curve from -50 to 150 degrees Celsius in 641 steps, in mV, plotted
// over degrees or over the sensor's ohms by CjcXUnit.
std::vector<QPointF> CjcCurveSeries(const LinPom& pom);
// The CJ points as displayed: X in the CJ unit, Y in mV.
std::vector<QPointF> CjcPointSeries(const LinData& data);
// The CJ X axis: -50..150 degrees Celsius or the matching resistances.
QPointF CjcAxisRange(const LinPom& pom);

// The approximation errors as plotted.
std::vector<QPointF> ErrorSeries(const ApproximationErrors& errors);

// The error view's Y axis: a span below 0.0002 is widened by moving both
// limits outwards by 10 % of their own magnitude, at most 100000 times; a span
// that cannot grow so (limits at zero) becomes its centre +- 0.0001.
void WidenErrorAxis(double& low, double& high);

// "  < %.*g ; %.*g >  [%s]" of an axis caption (5 digits, unit cut to 8
// characters).
QString AxisRangeText(double from, double to, const QString& unit);

// The message of a click on an error label: "Minimum error of approximation
// is at point [ x ; y ]." (or Maximum), 5 digits.
QString ErrorPointText(bool maximum, double x, double y);

}  // namespace lmk17
