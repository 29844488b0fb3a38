#include "linearization/lin_graph_view.h"

#include <QCoreApplication>
#include <QSize>
#include <algorithm>
#include <cmath>

#include "config/catalogue.h"
#include "linearization/lin_graph_series.h"

namespace lmk17 {

namespace {

AxisRange YOfPoints(const std::vector<QPointF>& pts) {
    const DataBounds b = BoundsOf(pts);
    return b.valid ? b.y : AxisRange{};
}

void LinAxes(LinGraphContent& c, const LinData& data, int rangeIndex) {
    const LinPom& pom = data.pom;
    c.x = NormalizedRange(InternalToInput(rangeIndex, pom.XStart()),
                          InternalToInput(rangeIndex, pom.XEnd()));
    double lo = pom.YStart(), hi = pom.YEnd();
    if (lo > hi) std::swap(lo, hi);
    if (c.showPoints && !c.points.empty()) {
        const AxisRange p = YOfPoints(c.points);
        lo = std::min(lo, p.low);
        hi = std::max(hi, p.high);
    }
    c.y = NormalizedRange(lo, hi);
    c.xGrid = true;
}

}  // namespace

LinGraphContent BuildLinGraph(const LinData& data, int rangeIndex, bool cjc, LinGraphView view,
                              const ApproximationErrors& errors, const QString& plainCaption) {
    LinGraphContent c;
    const LinPom& pom = data.pom;
    const InputRangeEntry* range = RangeAt(rangeIndex);
    const QString inputUnit = range ? UnitSymbol(range->EditorUnit) : QString();
    const QString pvUnit = UnitSymbol(pom.PvUnit);
    const QString cjcUnit = pom.CjcXUnit == 1 ? QStringLiteral("Ohm") : QStringLiteral("°C");

    c.curve = cjc ? CjcCurveSeries(pom) : LinCurveSeries(pom, rangeIndex);
    c.points = cjc ? CjcPointSeries(data) : LinPointSeries(data);
    c.errors = ErrorSeries(errors);
    c.minLabel = errors.minLabel;
    c.maxLabel = errors.maxLabel;
    c.errorPart = view != LinGraphView::Plain;
    c.showCurve = view != LinGraphView::Error;
    c.showPoints = view == LinGraphView::Approximation;
    c.showErrors = view == LinGraphView::Error;
    c.addCoordinates = view != LinGraphView::Error;
    c.errorButton = view == LinGraphView::Error
                        ? QCoreApplication::translate("TGraphForm", "Approximation Graph")
                        : QCoreApplication::translate("TGraphForm", "Approximation Error Graph");
    switch (view) {
        case LinGraphView::Approximation:
            c.caption = QCoreApplication::translate("TGraphForm", " Approximation Graph");
            break;
        case LinGraphView::Plain:
            c.caption = plainCaption;
            break;
        case LinGraphView::Error:
            c.caption = QCoreApplication::translate("TGraphForm", " Approximation Error Graph");
            break;
    }

    if (view == LinGraphView::Error) {
        if (cjc) {
            const QPointF r = CjcAxisRange(pom);
            c.x = NormalizedRange(r.x(), r.y());
        } else {
            LinAxes(c, data, rangeIndex);
        }
        const AxisRange e = YOfPoints(FinitePoints(c.errors));
        c.y = WidenedRange(e.low, e.high, 0.0002);
        c.xGrid = !cjc;
        if (cjc) {
            c.xCaption = AxisRangeText(c.x.low, c.x.high, cjcUnit);
        } else {
            // The error view names the first and the last point's X.
            const double first = c.errors.empty() ? c.x.low : c.errors.front().x();
            const double last = c.errors.empty() ? c.x.high : c.errors.back().x();
            c.xCaption = AxisRangeText(first, last, inputUnit);
        }
        c.yCaption = AxisRangeText(c.y.low, c.y.high, cjc ? QStringLiteral("mV") : pvUnit);
        return c;
    }

    if (cjc) {
        const QPointF r = CjcAxisRange(pom);
        c.x = NormalizedRange(r.x(), r.y());
        std::vector<QPointF> all = c.curve;
        if (c.showPoints) all.insert(all.end(), c.points.begin(), c.points.end());
        const AxisRange y = YOfPoints(all);
        c.y = NormalizedRange(y.low, y.high);
        c.xCaption = AxisRangeText(c.x.low, c.x.high, cjcUnit);
        c.yCaption = AxisRangeText(c.y.low, c.y.high, QStringLiteral("mV"));
    } else {
        LinAxes(c, data, rangeIndex);
        c.xCaption = AxisRangeText(c.x.low, c.x.high, inputUnit);
        c.yCaption = AxisRangeText(c.y.low, c.y.high, pvUnit);
    }
    return c;
}

QSize PointMarkerSize(QSizeF plotArea) {
    // Below 5 pixels a cross is a dot: the points would no longer read as crosses.
    const auto clamp = [](double v) { return std::clamp(int(std::lround(v)), 5, 10); };
    return {clamp(0.015 * plotArea.width()), clamp(0.02 * plotArea.height())};
}

}  // namespace lmk17
