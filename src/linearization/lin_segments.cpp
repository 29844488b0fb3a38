#include "linearization/lin_segments.h"

#include <algorithm>
#include <cmath>

#include "linearization/lin_approximation.h"

namespace lmk17 {

void SegmentFit::Add(const SegmentPoint& p) {
    if (count >= kMaxFitPoints) return;
    auto end = points.begin() + count;
    auto at = std::upper_bound(points.begin(), end, p.x,
                               [](double x, const SegmentPoint& q) { return x < q.x; });
    std::move_backward(at, end, end + 1);
    *at = p;
    ++count;
}

void SegmentedFit::SetIntervals(const LinPom& pom, int rangeIndex) {
    const double w = (pom.XEnd() - pom.XStart()) / 8.0;
    for (int k = 0; k <= 8; ++k) {
        u[size_t(k)] = pom.XStart() + w * k;
        b[size_t(k)] = InternalToInput(rangeIndex, u[size_t(k)]);
    }
    for (int s = 1; s <= 8; ++s) {
        seg[size_t(s)] = SegmentFit{};
        seg[size_t(s)].start = b[size_t(s - 1)];
        seg[size_t(s)].end = b[size_t(s)];
    }
    inputPerInternal = InternalToInput(rangeIndex, 1.0);
}

void SegmentedFit::Collect(const LinPointTable& points) {
    for (int s = 1; s <= 8; ++s) {
        SegmentFit& sf = seg[size_t(s)];
        const double a = sf.start, e = sf.end;
        const double margin = std::fabs((e - a) * 0.05);
        for (int i = 0; i < points.count; ++i) {
            const XYPoint& p = points[i];
            if (p.x < a - margin || p.x > e + margin) continue;
            const bool own = a <= p.x && p.x <= e;
            sf.Add({p.x, p.y, i + 1, own ? PointKind::Own : PointKind::Overlap});
        }
    }
}

namespace {

// The last own point at or left of x, from segment `from` leftwards.
const SegmentPoint* OwnPointAtOrLeft(const std::array<SegmentFit, 9>& seg, int from, double x) {
    for (int t = from; t >= 1; --t) {
        const SegmentFit& sf = seg[size_t(t)];
        for (int i = sf.count - 1; i >= 0; --i) {
            const SegmentPoint& p = sf.points[size_t(i)];
            if (p.kind == PointKind::Own && p.x <= x) return &p;
        }
    }
    return nullptr;
}

// The first own point right of x, from segment `from` rightwards.
const SegmentPoint* OwnPointRight(const std::array<SegmentFit, 9>& seg, int from, double x) {
    for (int t = from; t <= 8; ++t) {
        const SegmentFit& sf = seg[size_t(t)];
        for (int i = 0; i < sf.count; ++i) {
            const SegmentPoint& p = sf.points[size_t(i)];
            if (p.kind == PointKind::Own && p.x > x) return &p;
        }
    }
    return nullptr;
}

}  // namespace

void SegmentedFit::AddJoints() {
    for (int j = 1; j <= 7; ++j) {
        SegmentFit& left = seg[size_t(j)];
        SegmentFit& right = seg[size_t(j + 1)];
        const double bj = b[size_t(j)];
        const bool leftNear = !left.Empty() && left.Last().x > bj - 0.001 * (left.end - left.start);
        const bool rightNear =
            !right.Empty() && right.First().x < bj + 0.001 * (right.end - right.start);
        if (leftNear && rightNear) continue;

        const SegmentPoint* l = OwnPointAtOrLeft(seg, j, bj);
        const SegmentPoint* r = OwnPointRight(seg, j + 1, bj);
        if (!l || !r) continue;
        // Two points with one x cannot define a line; their mean stands in.
        const double y =
            r->x == l->x ? (l->y + r->y) / 2.0 : l->y + (r->y - l->y) * (bj - l->x) / (r->x - l->x);
        left.Add({bj, y, 0, PointKind::JointEnd});
        right.Add({bj, y, 0, PointKind::JointStart});
    }
}

namespace {

// The nearest point left of segment s that lies clearly before its first
// point (an empty segment compares with its start).
const SegmentPoint* BorrowFromLeft(const std::array<SegmentFit, 9>& seg, int s) {
    const SegmentFit& sf = seg[size_t(s)];
    const double limit = sf.Empty() ? sf.start : sf.First().x;
    for (int t = s - 1; t >= 1; --t) {
        const SegmentFit& o = seg[size_t(t)];
        for (int i = o.count - 1; i >= 0; --i) {
            const SegmentPoint& p = o.points[size_t(i)];
            if (p.x + std::fabs(0.005 * p.x) < limit) return &p;
        }
    }
    return nullptr;
}

// Likewise to the right, compared with the last point (or the segment's end).
const SegmentPoint* BorrowFromRight(const std::array<SegmentFit, 9>& seg, int s) {
    const SegmentFit& sf = seg[size_t(s)];
    const double limit = sf.Empty() ? sf.end : sf.Last().x;
    for (int t = s + 1; t <= 8; ++t) {
        const SegmentFit& o = seg[size_t(t)];
        for (int i = 0; i < o.count; ++i) {
            const SegmentPoint& p = o.points[size_t(i)];
            if (p.x - std::fabs(0.005 * p.x) > limit) return &p;
        }
    }
    return nullptr;
}

}  // namespace

void SegmentedFit::Borrow(int totalPoints) {
    for (int s = 1; s <= 8; ++s) {
        SegmentFit& sf = seg[size_t(s)];
        while (sf.count < 2 && sf.count < totalPoints) {
            bool borrowed = false;
            if (const SegmentPoint* p = BorrowFromLeft(seg, s)) {
                SegmentPoint copy = *p;
                copy.kind = PointKind::Borrowed;
                sf.Add(copy);
                borrowed = true;
            }
            if (sf.count < 2) {
                if (const SegmentPoint* p = BorrowFromRight(seg, s)) {
                    SegmentPoint copy = *p;
                    copy.kind = PointKind::Borrowed;
                    sf.Add(copy);
                    borrowed = true;
                }
            }
            // No neighbour qualifies: the segment is fitted with what it has.
            if (!borrowed) break;
        }
    }
}

void SegmentedFit::FitAll(LinPom& pom) const {
    std::array<double, kMaxFitPoints> x{}, y{};
    for (int s = 1; s <= 8; ++s) {
        const SegmentFit& sf = seg[size_t(s)];
        for (int i = 0; i < sf.count; ++i) {
            x[size_t(i)] = sf.points[size_t(i)].x;
            y[size_t(i)] = sf.points[size_t(i)].y;
        }
        pom.SetSegment(s,
                       CubicToInternal(FitCubic(sf.count, x.data(), y.data()), inputPerInternal));
    }
}

bool SegmentedFit::PullTogether(const LinPom& pom, double tolerance) {
    bool changed = false;
    for (int j = 1; j <= 7; ++j) {
        const double q = EvaluateSegment(pom, j, u[size_t(j)]);
        const double p = EvaluateSegment(pom, j + 1, u[size_t(j)]);
        if (std::fabs(p - q) <= tolerance) continue;
        changed = true;
        const double r = std::fabs(p - q) / 2.0;

        SegmentFit& left = seg[size_t(j)];
        SegmentPoint* end = nullptr;
        for (int i = left.count - 1; i >= 0 && !end; --i) {
            SegmentPoint& c = left.points[size_t(i)];
            if (c.kind == PointKind::JointEnd || c.kind == PointKind::PullEnd) end = &c;
        }
        if (end) {
            end->y += q <= p ? r : -r;
            end->kind = PointKind::PullEnd;
        } else {
            left.Add({b[size_t(j)], p, 0, PointKind::PullEnd});
        }

        SegmentFit& right = seg[size_t(j + 1)];
        SegmentPoint* start = nullptr;
        for (int i = 0; i < right.count && !start; ++i) {
            SegmentPoint& c = right.points[size_t(i)];
            if (c.kind == PointKind::JointStart || c.kind == PointKind::PullStart) start = &c;
        }
        if (start) {
            start->y += p <= q ? r : -r;
            start->kind = PointKind::PullStart;
        } else {
            right.Add({b[size_t(j)], q, 0, PointKind::PullStart});
        }
    }
    return changed;
}

}  // namespace lmk17
