#include "monitoring/monitor_graph.h"

#include <algorithm>
#include <cmath>

namespace lmk17 {

void MonitorGraphModel::clear() {
    points_.clear();
}

void MonitorGraphModel::addPoint(double x, double y) {
    while (!points_.empty() && int(points_.size()) >= limit_) points_.pop_front();
    points_.push_back({x, y});
    rescale();
}

// The axis spans at least half a percent of the measuring range, so that a
// steady value is drawn as a steady line and not as magnified noise.
void MonitorGraphModel::rescale() {
    const auto [lo, hi] = std::minmax_element(
        points_.begin(), points_.end(), [](const Point& a, const Point& b) { return a.y < b.y; });
    const double min = lo->y;
    const double max = hi->y;
    const double d = std::abs(max - min);
    const double h = std::abs((rangeHigh_ - rangeLow_) * 0.005);
    const double margin = h > d ? std::abs(h - d) / 2.0 : std::abs(d * 0.03);
    if (!std::isfinite(min - margin) || !std::isfinite(max + margin)) return;
    axisMin_ = min - margin;
    axisMax_ = max + margin;
}

}  // namespace lmk17
