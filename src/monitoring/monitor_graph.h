#pragma once

#include <QtGlobal>
#include <deque>
#include <vector>

namespace lmk17 {

// The history of the primary variable that the monitoring graph plots: one
// series per monitored address, each holding at most the point limit of
// points (the oldest dropped first), and one value axis for all of them,
// chosen so that a steady reading is not drawn as noise.
//
// The window draws each series in a colour of its own with a legend naming
// its address, and shows a run of one address as one plain series. It reads
// the series here and redraws on the engine's graphChanged().
class MonitorGraphModel {
public:
    struct Point {
        double x = 0.0;  // day number, time as fraction
        double y = 0.0;
    };
    struct Series {
        int address = 0;
        qint32 serialNumber = 0;
        int unitCode = 0;  // for the readout's unit name
        // The third and fourth values of the range block, read at start.
        double rangeLow = 0.0;
        double rangeHigh = 0.0;
        std::deque<Point> points;
    };

    // Per series.
    void setPointLimit(int limit) { limit_ = limit < 1 ? 1 : limit; }
    int pointLimit() const { return limit_; }

    // A run's start: no series at all.
    void reset();
    // Makes (or updates) the series of an address; series keep the order in
    // which they were made.
    void setSeries(int address, qint32 serialNumber, int unitCode, double lower, double upper);
    // "Clear the Graph": every series loses its points, the series stay.
    void clear();
    // Adds to the series of the address (made if missing) and rescales.
    void addPoint(int address, double x, double y);

    const std::vector<Series>& series() const { return series_; }
    const Series* seriesOf(int address) const;
    double axisMin() const { return axisMin_; }
    double axisMax() const { return axisMax_; }

    // A run of one transmitter: its series is the first (and only) one.
    void setRange(double lower, double upper);
    int unitCode() const { return series_.empty() ? 0 : series_.front().unitCode; }
    void addPoint(double x, double y);
    const std::deque<Point>& points() const;

private:
    Series& seriesFor(int address);
    Series& first();
    void rescale();

    std::vector<Series> series_;
    int limit_ = 200;
    double axisMin_ = 0.0;
    double axisMax_ = 1.0;
};

}  // namespace lmk17
