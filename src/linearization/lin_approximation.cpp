#include "linearization/lin_approximation.h"

#include "linearization/lin_texts.h"

#include <algorithm>
#include <cmath>

#include "config/catalogue.h"
#include "config/cjc_sensor.h"
#include "linearization/lin_segments.h"
#include "linearization/lin_text.h"

namespace lmk17 {

namespace {

constexpr int kMaxContinuityPasses = 199;

// Minimum and maximum by magnitude, the first point winning ties.
void FindExtremes(ApproximationErrors& e) {
    e.minError = 100000.0;
    e.minIndex = 1;
    e.maxError = 0.0;
    e.maxIndex = 1;
    for (size_t i = 0; i < e.series.size(); ++i) {
        const double v = e.series[i].error;
        if (std::fabs(v) < std::fabs(e.minError)) {
            e.minError = v;
            e.minIndex = int(i) + 1;
        }
        if (std::fabs(v) > std::fabs(e.maxError)) {
            e.maxError = v;
            e.maxIndex = int(i) + 1;
        }
    }
}

void SetLabels(ApproximationErrors& e, const QString& unit) {
    const auto label = [&](const char* caption, double v) {
        return LinTexts::tr(caption) + QStringLiteral("  ") + GText(v, 5) + QStringLiteral(" [") +
               unit + QLatin1Char(']');
    };
    e.minLabel = label(kMinimumCaption, e.minError);
    e.maxLabel = label(kMaximumCaption, e.maxError);
}

void LinErrors(const LinData& data, int rangeIndex, ApproximationErrors& e) {
    e.series.clear();
    for (int i = 0; i < data.LinPoints.count; ++i) {
        const XYPoint& p = data.LinPoints[i];
        e.series.push_back({p.x, p.y - EvaluateInput(data.pom, rangeIndex, p.x)});
    }
    FindExtremes(e);
    SetLabels(e, UnitSymbol(data.pom.PvUnit).left(8));
    if (!e.series.empty()) {
        e.minPoint = data.LinPoints[e.minIndex - 1];
        e.maxPoint = data.LinPoints[e.maxIndex - 1];
    }
}

void SetLimitsWithMargin(LinPom& pom) {
    const double lo = MinY_Lin(pom);
    const double hi = MaxY_Lin(pom);
    const double span = std::fabs(hi - lo);
    pom.YStart() = lo - 0.01 * span;
    pom.YEnd() = hi + 0.01 * span;
}

// Two to four points: one cubic over the whole standard X range.
void FitSingleCubic(LinData& data, int rangeIndex) {
    LinPom& pom = data.pom;
    const LinPointTable& pts = data.LinPoints;
    std::array<double, kMaxFitPoints> x{}, y{};
    for (int i = 0; i < pts.count; ++i) {
        x[size_t(i)] = pts[i].x;
        y[size_t(i)] = pts[i].y;
    }
    const Cubic c =
        CubicToInternal(FitCubic(pts.count, x.data(), y.data()), InternalToInput(rangeIndex, 1.0));
    for (int s = 1; s <= 8; ++s) pom.SetSegment(s, c);
    const int code = RangeAt(rangeIndex)->Code;
    pom.XStart() = StandardXStart(code);
    pom.XEnd() = StandardXEnd(code);
    pom.YStart() = EvaluateCubic(c, pom.XStart());
    pom.YEnd() = EvaluateCubic(c, pom.XEnd());
}

void FitSegments(LinData& data, int rangeIndex) {
    LinPom& pom = data.pom;
    SegmentedFit fit;
    fit.SetIntervals(pom, rangeIndex);
    fit.Collect(data.LinPoints);
    fit.AddJoints();
    fit.Borrow(data.LinPoints.count);
    fit.FitAll(pom);

    const double tolerance =
        std::fabs((MaxYBodyLin(data.LinPoints) - MinYBodyLin(data.LinPoints)) * 0.0001);
    for (int pass = 0; pass < kMaxContinuityPasses; ++pass) {
        if (!fit.PullTogether(pom, tolerance)) break;
        fit.FitAll(pom);
    }
    SetLimitsWithMargin(pom);
}

template <typename Better>
double ExtremeOfSegments(const LinPom& pom, double start, Better better) {
    double result = start;
    const double w = (pom.XEnd() - pom.XStart()) / 8.0;
    for (int s = 1; s <= 8; ++s) {
        const double a = pom.XStart() + w * (s - 1);
        for (int k = 1; k <= 1000; ++k) {
            const double v = EvaluateSegment(pom, s, a + k * (w / 1000.0));
            if (better(v, result)) result = v;
        }
    }
    return result;
}

}  // namespace

Cubic CubicToInternal(const Cubic& c, double f) {
    const Cubic r{c[0], c[1] * f, c[2] * f * f, c[3] * f * f * f};
    for (double v : r)
        if (!std::isfinite(v)) return {0, 1, 0, 0};
    return r;
}

bool ProlozLinTab(LinData& data, int rangeIndex, ApproximationErrors* errors) {
    if (errors) *errors = ApproximationErrors{};
    const int n = data.LinPoints.count;
    if (n < 2 || n > LinPointTable::kCapacity || !RangeAt(rangeIndex)) return false;
    if (n <= 4)
        FitSingleCubic(data, rangeIndex);
    else
        FitSegments(data, rangeIndex);
    if (errors) LinErrors(data, rangeIndex, *errors);
    return true;
}

bool ProlozKPoln(LinData& data, ApproximationErrors* errors) {
    if (errors) *errors = ApproximationErrors{};
    const CjcPointTable& pts = data.CJCPoints;
    if (pts.count <= 1 || pts.count > CjcPointTable::kCapacity) return false;
    std::array<double, kMaxFitPoints> x{}, y{};
    for (int i = 0; i < pts.count; ++i) {
        x[size_t(i)] = pts[i].x;
        y[size_t(i)] = pts[i].y;
    }
    const Cubic c = FitCubic(pts.count, x.data(), y.data());
    data.pom.CjcPoly = c;
    if (errors) {
        for (int i = 0; i < pts.count; ++i) {
            const double e = pts[i].y - EvaluateCubic(c, pts[i].x);
            const double shownX = data.pom.CjcXUnit == 1 ? pts[i].x : CjcOhmToCelsius(pts[i].x);
            errors->series.push_back({shownX, 1000.0 * e});
        }
        FindExtremes(*errors);
        SetLabels(*errors, QStringLiteral("mV"));
        const auto shown = [&](int index) {
            const XYPoint& p = pts[index - 1];
            return XYPoint{errors->series[size_t(index - 1)].x, 1000.0 * p.y};
        };
        errors->minPoint = shown(errors->minIndex);
        errors->maxPoint = shown(errors->maxIndex);
    }
    return true;
}

double MinY_Lin(const LinPom& pom) {
    return ExtremeOfSegments(pom, 1e20, [](double v, double best) { return v < best; });
}

double MaxY_Lin(const LinPom& pom) {
    return ExtremeOfSegments(pom, -1e20, [](double v, double best) { return v > best; });
}

double MinYBodyLin(const LinPointTable& points) {
    if (points.count < 2) return 0.0;
    double m = points[0].y;
    for (int i = 1; i < points.count; ++i) m = std::min(m, points[i].y);
    return m;
}

double MaxYBodyLin(const LinPointTable& points) {
    if (points.count < 2) return 0.0;
    double m = points[0].y;
    for (int i = 1; i < points.count; ++i) m = std::max(m, points[i].y);
    return m;
}

}  // namespace lmk17
