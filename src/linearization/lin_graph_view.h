#pragma once

#include <QPointF>
#include <QSize>
#include <QString>
#include <vector>

#include "common/axis_range.h"
#include "linearization/lin_approximation.h"
#include "linearization/lin_pom.h"

namespace lmk17 {

// What the approximation graph window shows in one of its views, computed
// without any window: the series, the axes and every caption.
enum class LinGraphView { Approximation, Plain, Error };

struct LinGraphContent {
    QString caption;  // window caption
    std::vector<QPointF> points, curve, errors;
    bool showPoints = false, showCurve = false, showErrors = false;
    AxisRange x, y;
    bool xGrid = false;  // vertical grid lines (linearization page)
    QString xCaption;    // "  < a ; b >  [unit]" after "X Axis:"
    QString yCaption;
    bool errorPart = false;  // "Approximation Error:", the labels and the error button
    QString minLabel, maxLabel;
    QString errorButton;         // "Approximation Error Graph" or "Approximation Graph"
    bool addCoordinates = true;  // the popup's "Add Coordinates to the Table"
};

// The content for the linearization (cjc == false) or CJ page. `plainCaption`
// is the editor's caption for the plain view.
LinGraphContent BuildLinGraph(const LinData& data, int rangeIndex, bool cjc, LinGraphView view,
                              const ApproximationErrors& errors, const QString& plainCaption);

// Point markers in the approximation view: 0.015 x plot width wide and 0.02 x
// plot height high, each rounded and kept within 5..10 pixels (a smaller
// cross would show as a dot).
QSize PointMarkerSize(QSizeF plotArea);

}  // namespace lmk17
