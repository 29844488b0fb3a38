#include "common/axis_range.h"

#include <algorithm>
#include <cmath>

namespace lmk17 {

namespace {

bool Finite(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

AxisRange Ordered(double low, double high) {
    if (!std::isfinite(low) || !std::isfinite(high)) return {0.0, 1.0};
    if (low > high) std::swap(low, high);
    return {low, high};
}

}  // namespace

AxisRange NormalizedRange(double low, double high) {
    AxisRange r = Ordered(low, high);
    if (r.span() > 0.0) return r;
    const double half = std::max(0.005 * std::fabs(r.low), 0.0001);
    return {r.low - half, r.low + half};
}

AxisRange NormalizedTimeRange(double low, double high, double unitsPerSecond) {
    AxisRange r = Ordered(low, high);
    if (r.span() > 0.0) return r;
    const double half = 30.0 * unitsPerSecond;
    return {r.low - half, r.low + half};
}

AxisRange WidenedRange(double low, double high, double minSpan) {
    AxisRange r = Ordered(low, high);
    for (int i = 0; i < 100000 && r.span() < minSpan; ++i) {
        const double up = r.high + std::fabs(r.high) * 0.1;
        const double down = r.low - std::fabs(r.low) * 0.1;
        if (up == r.high && down == r.low) break;  // both limits at zero: no growth possible
        r = {down, up};
    }
    if (r.span() < minSpan) {
        const double centre = (r.low + r.high) / 2.0;
        r = {centre - minSpan / 2.0, centre + minSpan / 2.0};
    }
    return r;
}

DataBounds BoundsOf(const std::vector<QPointF>& points) {
    DataBounds b;
    for (const QPointF& p : points) {
        if (!Finite(p)) continue;
        if (!b.valid) {
            b.x = {p.x(), p.x()};
            b.y = {p.y(), p.y()};
            b.valid = true;
            continue;
        }
        b.x.low = std::min(b.x.low, p.x());
        b.x.high = std::max(b.x.high, p.x());
        b.y.low = std::min(b.y.low, p.y());
        b.y.high = std::max(b.y.high, p.y());
    }
    return b;
}

std::vector<QPointF> FinitePoints(const std::vector<QPointF>& points) {
    std::vector<QPointF> out;
    out.reserve(points.size());
    std::copy_if(points.begin(), points.end(), std::back_inserter(out), Finite);
    return out;
}

double NiceStep(double span, int intervals) {
    if (!std::isfinite(span) || span <= 0.0 || intervals < 1) return 0.0;
    const double raw = span / intervals;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * magnitude >= raw * (1 - 1e-9)) return m * magnitude;
    return 10.0 * magnitude;
}

double LabelStep(double span, int intervals) {
    double step = NiceStep(span, intervals);
    while (step > 0.0 && span < 2.0 * step * (1 - 1e-9)) {
        const double magnitude = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
        const double mantissa = step / magnitude;
        step = (mantissa > 3.0 ? 2.0 : mantissa > 1.5 ? 1.0 : 0.5) * magnitude;
    }
    return step;
}

int DecimalsForStep(double step) {
    step = std::fabs(step);
    if (!std::isfinite(step) || step <= 0.0) return 0;
    // The fewest decimals that write the step exactly (with slack for steps
    // such as 0.1 that binary cannot hold).
    for (int d = 0; d < 6; ++d) {
        const double scaled = step * std::pow(10.0, d);
        if (std::fabs(scaled - std::round(scaled)) < 1e-6 * scaled) return d;
    }
    return 6;
}

}  // namespace lmk17
