#pragma once

#include <array>

#include "linearization/lin_fit.h"
#include "linearization/lin_pom.h"

namespace lmk17 {

// Working data of one segmented fit: the points each of the eight segments is
// fitted to, and how each point came there.
enum class PointKind {
    Own = 0,         // the source X lies inside the segment's interval
    Overlap = 1,     // outside, but within the 5 % margin
    JointStart = 2,  // interpolated joint point at the segment's start
    JointEnd = 3,    // interpolated joint point at the segment's end
    Borrowed = 4,    // borrowed from a neighbour to reach two points
    PullStart = 5,   // continuity point at the segment's start
    PullEnd = 6,     // continuity point at the segment's end
};

struct SegmentPoint {
    double x = 0.0;  // input units
    double y = 0.0;  // PV units
    int source = 0;  // 1-based index into LinPoints, 0 for synthetic points
    PointKind kind = PointKind::Own;
};

struct SegmentFit {
    double start = 0.0;  // interval in input units
    double end = 0.0;
    int count = 0;
    std::array<SegmentPoint, kMaxFitPoints> points{};

    // Keeps the points sorted by x; a point equal in x goes after the ones
    // already there. Does nothing when the segment is full.
    void Add(const SegmentPoint& p);
    bool Empty() const { return count == 0; }
    const SegmentPoint& First() const { return points[0]; }
    const SegmentPoint& Last() const { return points[size_t(count - 1)]; }
};

// The eight segments of one run of the segmented fit (index 1..8; 0 unused),
// with the boundaries in input units (b[0..8]) and internal units (u[0..8]).
struct SegmentedFit {
    std::array<SegmentFit, 9> seg{};
    std::array<double, 9> b{};
    std::array<double, 9> u{};
    double inputPerInternal = 1.0;  // InternalToInput(1) of the range

    // Intervals from XStart/XEnd of the record.
    void SetIntervals(const LinPom& pom, int rangeIndex);
    // Own and overlap points of every segment.
    void Collect(const LinPointTable& points);
    // Interpolated joint points where a boundary lacks nearby points.
    void AddJoints();
    // Borrows neighbours' points until each segment has two (or all there are).
    void Borrow(int totalPoints);
    // Fits every segment and stores its coefficients (internal units).
    void FitAll(LinPom& pom) const;
    // One continuity pass; true when it moved or added a point.
    bool PullTogether(const LinPom& pom, double tolerance);
};

}  // namespace lmk17
