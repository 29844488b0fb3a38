#include "linearization/lin_graph_series.h"

#include <QCoreApplication>
#include <cmath>

#include "common/axis_range.h"
#include "config/cjc_sensor.h"
#include "linearization/lin_text.h"

namespace lmk17 {

namespace {
constexpr double kCjcFromCelsius = -50.0;
constexpr double kCjcToCelsius = 150.0;
}  // namespace

std::vector<QPointF> LinCurveSeries(const LinPom& pom, int rangeIndex) {
    std::vector<QPointF> curve;
    curve.reserve(8 * 81);
    const double span = pom.XEnd() - pom.XStart();
    for (int s = 1; s <= 8; ++s) {
        for (int i = 0; i <= 80; ++i) {
            const double u = pom.XStart() + span * (80 * (s - 1) + i) / 640.0;
            curve.emplace_back(InternalToInput(rangeIndex, u), EvaluateSegment(pom, s, u));
        }
    }
    return curve;
}

std::vector<QPointF> LinPointSeries(const LinData& data) {
    std::vector<QPointF> points;
    for (int i = 0; i < data.LinPoints.count; ++i)
        points.emplace_back(data.LinPoints[i].x, data.LinPoints[i].y);
    return points;
}

std::vector<QPointF> CjcCurveSeries(const LinPom& pom) {
    std::vector<QPointF> curve;
    curve.reserve(641);
    for (int i = 0; i <= 640; ++i) {
        const double t = kCjcFromCelsius + (kCjcToCelsius - kCjcFromCelsius) * i / 640.0;
        const double ohm = CjcCelsiusToOhm(t);
        curve.emplace_back(pom.CjcXUnit == 1 ? ohm : t, 1000.0 * EvaluateCjc(pom, ohm));
    }
    return curve;
}

std::vector<QPointF> CjcPointSeries(const LinData& data) {
    std::vector<QPointF> points;
    for (int i = 0; i < data.CJCPoints.count; ++i) {
        const XYPoint& p = data.CJCPoints[i];
        points.emplace_back(data.pom.CjcXUnit == 1 ? p.x : CjcOhmToCelsius(p.x), 1000.0 * p.y);
    }
    return points;
}

QPointF CjcAxisRange(const LinPom& pom) {
    if (pom.CjcXUnit == 1)
        return {CjcCelsiusToOhm(kCjcFromCelsius), CjcCelsiusToOhm(kCjcToCelsius)};
    return {kCjcFromCelsius, kCjcToCelsius};
}

std::vector<QPointF> ErrorSeries(const ApproximationErrors& errors) {
    std::vector<QPointF> points;
    for (const auto& e : errors.series) points.emplace_back(e.x, e.error);
    return points;
}

void WidenErrorAxis(double& low, double& high) {
    const AxisRange r = WidenedRange(low, high, 0.0002);
    low = r.low;
    high = r.high;
}

QString AxisRangeText(double from, double to, const QString& unit) {
    return QStringLiteral("  < ") + GText(from, 5) + QStringLiteral(" ; ") + GText(to, 5) +
           QStringLiteral(" >  [") + unit.left(8) + QLatin1Char(']');
}

QString ErrorPointText(bool maximum, double x, double y) {
    return (maximum ? QCoreApplication::translate("TGraphForm",
                                                  "Maximum error of approximation is at point ")
                    : QCoreApplication::translate("TGraphForm",
                                                  "Minimum error of approximation is at point ")) +
           QStringLiteral("[ ") + GText(x, 5) + QStringLiteral(" ; ") + GText(y, 5) +
           QStringLiteral(" ].");
}

}  // namespace lmk17
