#include "table_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "minimax_lp.h"

namespace lmk17::reference {

namespace {

constexpr int kSegments = 8;
// Unknowns of the table in a form that is continuous by construction: the
// values v0..v8 at the nine segment ends, then per segment two shape
// coefficients a, b of  v[s-1] (1 - u) + v[s] u + u (1 - u) (a + b u),
// u = 0..1 across the segment.
constexpr int kUnknowns = (kSegments + 1) + 2 * kSegments;
constexpr int kSpanSamples = 256;    // per segment, inside the span
constexpr int kOutsideSamples = 32;  // per piece of a segment outside it
constexpr double kOutsideWeight = 1e-3;

struct Sample {
    int segment;  // 0..7
    double u;
    double y;  // °C
};

std::vector<double> basisRow(const Sample& s) {
    std::vector<double> a(kUnknowns, 0.0);
    const double u = s.u;
    a[s.segment] = 1.0 - u;
    a[s.segment + 1] = u;
    a[kSegments + 1 + 2 * s.segment] = u * (1.0 - u);
    a[kSegments + 2 + 2 * s.segment] = u * u * (1.0 - u);
    return a;
}

struct Grid {
    std::vector<Sample> span;
    std::vector<Sample> outside;
};

class Sampler {
public:
    explicit Sampler(const StandardCharacteristic& ch) : ch_(ch) {
        x0_ = ch.row0[0];
        w_ = (ch.row0[1] - ch.row0[0]) / kSegments;
    }

    Grid build() const {
        const double spanLo = DeviceValue(ch_, ch_.spanLow);
        const double spanHi = DeviceValue(ch_, ch_.spanHigh);
        const double validLo = std::max(DeviceValue(ch_, ch_.validLow), ch_.row0[0]);
        const double validHi = std::min(DeviceValue(ch_, ch_.validHigh), ch_.row0[1]);
        const double inf = std::numeric_limits<double>::infinity();
        Grid g;
        for (int s = 0; s < kSegments; ++s) {
            const double lo = s == 0 ? -inf : x0_ + w_ * s;
            const double hi = s == kSegments - 1 ? inf : x0_ + w_ * (s + 1);
            add(g.span, s, std::max(lo, spanLo), std::min(hi, spanHi), kSpanSamples, lo);
            add(g.outside, s, std::max(lo, validLo), std::min({hi, validHi, spanLo}),
                kOutsideSamples, lo);
            add(g.outside, s, std::max({lo, validLo, spanHi}), std::min(hi, validHi),
                kOutsideSamples, lo);
        }
        return g;
    }

private:
    // `count` points from a to b; a segment's lower boundary is left to the
    // segment below, which has the same value there.
    void add(std::vector<Sample>& out, int s, double a, double b, int count, double segLo) const {
        if (!(b > a)) return;
        for (int k = 0; k < count; ++k) {
            if (k == 0 && a == segLo) continue;
            const double x = a + (b - a) * k / (count - 1);
            out.push_back({s, (x - (x0_ + w_ * s)) / w_, ReferenceCelsius(ch_, x)});
        }
    }

    const StandardCharacteristic& ch_;
    double x0_ = 0.0;
    double w_ = 1.0;
};

// Both inequalities |a·p - y| <= bound, the bound being variable `bound`.
void addAbs(LinearProgram& lp, const Sample& s, int bound, int unknowns) {
    std::vector<double> a = basisRow(s);
    a.resize(unknowns, 0.0);
    std::vector<double> neg(unknowns, 0.0);
    for (int i = 0; i < kUnknowns; ++i) neg[i] = -a[i];
    a[bound] = -1.0;
    neg[bound] = -1.0;
    lp.g.push_back(std::move(a));
    lp.h.push_back(s.y);
    lp.g.push_back(std::move(neg));
    lp.h.push_back(-s.y);
}

void addBound(LinearProgram& lp, int unknowns, int var, double sign, double value) {
    std::vector<double> row(unknowns, 0.0);
    row[var] = sign;
    lp.g.push_back(std::move(row));
    lp.h.push_back(value);
}

// Stage one: the smallest largest error over the span.
std::optional<double> minimaxError(const Grid& g) {
    LinearProgram lp;
    const int n = kUnknowns + 1;
    lp.c.assign(n, 0.0);
    lp.c[kUnknowns] = 1.0;
    for (const Sample& s : g.span) addAbs(lp, s, kUnknowns, n);
    const LpSolution sol = SolveLinearProgram(lp);
    if (!sol.ok) return std::nullopt;
    return sol.value;
}

// Stage two: with the largest error held, each segment's own largest error
// as small as possible, and (far less important) the error outside the span.
std::optional<std::vector<double>> refine(const Grid& g, double cap) {
    LinearProgram lp;
    const int f0 = kUnknowns;              // F_s: error of segment s in the span
    const int g0 = kUnknowns + kSegments;  // G_s: error of segment s outside it
    const int n = kUnknowns + 2 * kSegments;
    lp.c.assign(n, 0.0);
    for (int s = 0; s < kSegments; ++s) {
        lp.c[f0 + s] = 1.0;
        lp.c[g0 + s] = kOutsideWeight;
        addBound(lp, n, f0 + s, 1.0, cap);
        addBound(lp, n, f0 + s, -1.0, 0.0);
        addBound(lp, n, g0 + s, -1.0, 0.0);
    }
    for (const Sample& s : g.span) addAbs(lp, s, f0 + s.segment, n);
    for (const Sample& s : g.outside) addAbs(lp, s, g0 + s.segment, n);
    const LpSolution sol = SolveLinearProgram(lp);
    if (!sol.ok) return std::nullopt;
    return sol.z;
}

}  // namespace

std::array<double, 4> ExpandAffine(const std::array<double, 4>& d, double alpha, double beta) {
    using LD = long double;
    const LD a = alpha, b = beta;
    const LD d0 = d[0], d1 = d[1], d2 = d[2], d3 = d[3];
    const LD c3 = d3 * a * a * a;
    const LD c2 = 3 * d3 * a * a * b + d2 * a * a;
    const LD c1 = 3 * d3 * a * b * b + 2 * d2 * a * b + d1 * a;
    const LD c0 = d3 * b * b * b + d2 * b * b + d1 * b + d0;
    return {static_cast<double>(c3), static_cast<double>(c2), static_cast<double>(c1),
            static_cast<double>(c0)};
}

SegmentFit FitStandardTable(const StandardCharacteristic& ch) {
    SegmentFit fit;
    const Grid grid = Sampler(ch).build();
    const std::optional<double> e = minimaxError(grid);
    if (!e) return fit;
    const std::optional<std::vector<double>> p = refine(grid, *e * (1.0 + 1e-9) + 1e-12);
    if (!p) return fit;
    const double w = (ch.row0[1] - ch.row0[0]) / kSegments;
    fit.rows[0] = ch.row0;
    for (int s = 0; s < kSegments; ++s) {
        const double v0 = (*p)[s], v1 = (*p)[s + 1];
        const double a = (*p)[kSegments + 1 + 2 * s], b = (*p)[kSegments + 2 + 2 * s];
        // In u: v0 + (v1 - v0 + a) u + (b - a) u² - b u³, with u = (x - x_s) / w.
        const double xs = ch.row0[0] + w * s;
        fit.rows[s + 1] = ExpandAffine({v0, v1 - v0 + a, b - a, -b}, 1.0 / w, -xs / w);
    }
    fit.gridError = *e;
    fit.ok = true;
    return fit;
}

}  // namespace lmk17::reference
