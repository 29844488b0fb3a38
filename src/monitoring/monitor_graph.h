#pragma once

#include <QtGlobal>
#include <deque>

namespace lmk17 {

// The history of the primary variable that the monitoring graph plots: at
// most the point limit of points, the oldest dropped first, and the value
// axis chosen so that a steady reading is not drawn as noise.
class MonitorGraphModel {
public:
    struct Point {
        double x = 0.0;  // day number, time as fraction
        double y = 0.0;
    };

    void setPointLimit(int limit) { limit_ = limit < 1 ? 1 : limit; }
    int pointLimit() const { return limit_; }
    // The third and fourth values of the range block, read at start.
    void setRange(double lower, double upper) {
        rangeLow_ = lower;
        rangeHigh_ = upper;
    }
    void setUnitCode(int code) { unitCode_ = code; }
    int unitCode() const { return unitCode_; }

    void clear();
    void addPoint(double x, double y);

    const std::deque<Point>& points() const { return points_; }
    double axisMin() const { return axisMin_; }
    double axisMax() const { return axisMax_; }

private:
    void rescale();

    std::deque<Point> points_;
    int limit_ = 200;
    double rangeLow_ = 0.0;
    double rangeHigh_ = 0.0;
    int unitCode_ = 0;
    double axisMin_ = 0.0;
    double axisMax_ = 1.0;
};

}  // namespace lmk17
