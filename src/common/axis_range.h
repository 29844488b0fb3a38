#pragma once

#include <QPointF>
#include <vector>

namespace lmk17 {

// The value range of one plot axis and the rules that keep an automatic axis
// drawable: a plotting component divides by the span, so an axis must never
// be empty, reversed or non-finite. Shared by every graph of the program.
struct AxisRange {
    double low = 0.0;
    double high = 0.0;

    double span() const { return high - low; }
    bool operator==(const AxisRange&) const = default;
};

// Reversed limits are swapped; a zero span becomes v +- max(0.5 % of |v|,
// 0.0001). Non-finite limits give the range 0..1.
AxisRange NormalizedRange(double low, double high);

// The same for a time axis, whose zero span becomes v +- 30 s; `unitsPerSecond`
// says how the axis counts time (1 for seconds, 1000 for milliseconds,
// 1.0 / 86400 for day numbers).
AxisRange NormalizedTimeRange(double low, double high, double unitsPerSecond);

// Widens a narrow automatic range: while the span is below `minSpan`, both
// limits move outwards by 10 % of their own magnitude (the upper one up, the
// lower one down), at most 100000 times; a span still below `minSpan`
// afterwards (a zero span, or limits at zero) becomes the centre +- minSpan / 2.
AxisRange WidenedRange(double low, double high, double minSpan);

// The smallest ranges holding the finite points (non-finite points are
// skipped); nullopt-like `valid == false` when no point is finite.
struct DataBounds {
    AxisRange x;
    AxisRange y;
    bool valid = false;
};
DataBounds BoundsOf(const std::vector<QPointF>& points);

// The points without those having a non-finite coordinate.
std::vector<QPointF> FinitePoints(const std::vector<QPointF>& points);

// A tick step of 1, 2 or 5 times a power of ten that divides `span` into at
// most `intervals` parts (0 for an empty or non-finite span).
double NiceStep(double span, int intervals);
// The tick step the plots label with: NiceStep, made finer along 5, 2, 1
// until the span holds at least two steps, so that an axis never shows a
// single labelled value (a step rounded up past half the span would).
double LabelStep(double span, int intervals);

// Decimal places (0..6) that write a tick step exactly, so that neighbouring
// labels differ (0.25 -> 2, 5 -> 0, 1/3 -> 6).
int DecimalsForStep(double step);

}  // namespace lmk17
