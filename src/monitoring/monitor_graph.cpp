#include "monitoring/monitor_graph.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lmk17 {

void MonitorGraphModel::reset() {
    series_.clear();
}

void MonitorGraphModel::clear() {
    for (Series& s : series_) s.points.clear();
}

MonitorGraphModel::Series& MonitorGraphModel::seriesFor(int address) {
    for (Series& s : series_)
        if (s.address == address) return s;
    series_.push_back(Series{});
    series_.back().address = address;
    return series_.back();
}

MonitorGraphModel::Series& MonitorGraphModel::first() {
    if (series_.empty()) series_.push_back(Series{});
    return series_.front();
}

const MonitorGraphModel::Series* MonitorGraphModel::seriesOf(int address) const {
    for (const Series& s : series_)
        if (s.address == address) return &s;
    return nullptr;
}

void MonitorGraphModel::setSeries(int address, qint32 serialNumber, int unitCode, double lower,
                                  double upper) {
    Series& s = seriesFor(address);
    s.serialNumber = serialNumber;
    s.unitCode = unitCode;
    s.rangeLow = lower;
    s.rangeHigh = upper;
}

void MonitorGraphModel::setRange(double lower, double upper) {
    first().rangeLow = lower;
    first().rangeHigh = upper;
}

const std::deque<MonitorGraphModel::Point>& MonitorGraphModel::points() const {
    static const std::deque<Point> kNone;
    return series_.empty() ? kNone : series_.front().points;
}

void MonitorGraphModel::addPoint(double x, double y) {
    addPoint(first().address, x, y);
}

// A PV that is not a finite number is logged but has no place on a graph.
void MonitorGraphModel::addPoint(int address, double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    Series& s = seriesFor(address);
    while (!s.points.empty() && int(s.points.size()) >= limit_) s.points.pop_front();
    s.points.push_back({x, y});
    rescale();
}

// The axis spans at least half a percent of the measuring range (the widest
// one when several transmitters share the graph), so that a steady value is
// drawn as a steady line and not as magnified noise.
void MonitorGraphModel::rescale() {
    double min = std::numeric_limits<double>::infinity();
    double max = -min;
    double span = 0.0;
    for (const Series& s : series_) {
        for (const Point& p : s.points) {
            min = std::min(min, p.y);
            max = std::max(max, p.y);
        }
        if (!s.points.empty()) span = std::max(span, std::abs(s.rangeHigh - s.rangeLow));
    }
    if (min > max) return;
    const double d = std::abs(max - min);
    const double h = std::abs(span * 0.005);
    const double margin = h > d ? std::abs(h - d) / 2.0 : std::abs(d * 0.03);
    if (!std::isfinite(min - margin) || !std::isfinite(max + margin)) return;
    axisMin_ = min - margin;
    axisMax_ = max + margin;
}

}  // namespace lmk17
