#pragma once

#include <QChartView>
#include <QImage>
#include <QLineSeries>
#include <QPointF>
#include <QValueAxis>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "common/axis_range.h"

namespace lmk17 {

// The program's one plot: a Qt Charts view with the pieces every graph of the
// program needs and nothing else.
//
//  - Axes: a value axis at each side (bottom and left are shown, top and right
//    exist hidden for graphs that need a second scale); each with a label
//    format (printf style, "%.4g"), a tick count and grid lines shown or
//    hidden; ticks fall on round values. setRange() applies the axis rules of common/axis_range.h,
//    so an axis is never empty, reversed or non-finite.
//  - Series: line series with or without a line and with point symbols of a
//    chosen kind and size. Symbols Qt Charts lacks (the cross) are drawn as
//    light marker images. setPoints() skips non-finite points.
//  - Mouse: mapToData() turns a position in the view into data coordinates
//    (QChart::mapToValue against the bottom and left axes); a released right
//    button emits rightReleased().
//  - Colours: the chart, its axes and grid take the widget palette's roles
//    (base, text, mid) and follow a palette change; a series colour is made
//    lighter or darker where it would not stand out from the base colour.
//  - Output: renderImage() paints the plot on white; copyToClipboard() puts
//    that image on the clipboard (QClipboard::setImage).
//  - Labels of one's own: setTickLabels() gives an axis ticks and texts that a
//    printf format cannot write (times of day); the ticks follow every range
//    change.
//  - Zoom: setZoomAxis() lets the mouse wheel (about the pointer) and a
//    rubber band drawn with the left button zoom along one axis; each such
//    zoom emits zoomedByUser(), so that the owner stops scaling that axis
//    automatically until it resets the zoom itself.
//
// A minimal use:
//     PlotView plot;
//     plot.setRange(Qt::Horizontal, 0, 100);
//     plot.setRange(Qt::Vertical, -1, 1);
//     QLineSeries* s = plot.addSeries({Qt::blue, true, PlotView::Symbol::Cross, {6, 6}});
//     plot.setPoints(s, points);
class PlotView : public QChartView {
    Q_OBJECT

public:
    enum class Side { Bottom, Left, Top, Right };
    enum class Symbol { None, Circle, Square, Cross };

    struct SeriesStyle {
        QColor color = Qt::blue;
        bool line = true;              // draw the connecting line
        Symbol symbol = Symbol::None;  // mark every point
        QSize symbolSize{6, 6};        // width and height in pixels
        int lineWidth = 1;
        QColor symbolColor = QColor();  // invalid: the colour of the line
    };

    // The ticks of an axis in its range low..high, aiming at `count` ticks,
    // with their label texts.
    using TickLabeler =
        std::function<std::vector<std::pair<double, QString>>(double low, double high, int count)>;

    explicit PlotView(QWidget* parent = nullptr);

    QValueAxis* axis(Side side) const;
    // The bottom (Horizontal) or left (Vertical) axis.
    QValueAxis* axis(Qt::Orientation o) const {
        return axis(o == Qt::Horizontal ? Side::Bottom : Side::Left);
    }

    // Sets the axis range after NormalizedRange (swapped if reversed, widened
    // when empty). Returns the range set.
    AxisRange setRange(Qt::Orientation o, double low, double high);
    AxisRange range(Qt::Orientation o) const;
    // Sets the range to the finite points of every visible series, through
    // NormalizedRange; does nothing when no point is finite.
    void fitRangeToData(Qt::Orientation o);

    // A fixed label format; the default follows the tick step ("%.2f" for
    // ticks 0.05 apart) so that neighbouring labels always differ.
    void setLabelFormat(Qt::Orientation o, const QString& format);
    // The most tick marks the axis shows. Ticks fall on round values (1, 2 or
    // 5 times a power of ten apart) inside the range, whatever its limits.
    void setTickCount(Qt::Orientation o, int count);
    void setGridVisible(Qt::Orientation o, bool visible);
    void setTitle(const QString& title);
    void setLegendVisible(bool visible);

    // Ticks and labels of one's own for the bottom or left axis (replaces
    // the printf format; the tick count set is passed to the labeler).
    void setTickLabels(Qt::Orientation o, TickLabeler labeler);
    // Ticks at whole multiples of a round step (as the default ticks), placed
    // and labelled by us: Qt Charts adds the step up from the first tick, so
    // a tick at zero can come out as -1e-20 and read "-0.00000"; ours reads "0.00000".
    void setRoundTicks(Qt::Orientation o);
    // Wheel and rubber-band zoom along one axis.
    void setZoomAxis(Qt::Orientation o);

    // A new series attached to the bottom and left axes.
    QLineSeries* addSeries(const SeriesStyle& style);
    void setStyle(QLineSeries* series, const SeriesStyle& style);
    // Takes a series off the plot and deletes it.
    void removeSeries(QLineSeries* series);
    // Replaces the series' points, skipping the non-finite ones.
    void setPoints(QLineSeries* series, const std::vector<QPointF>& points);
    // Resizes the symbols of a series (pixels), keeping its kind and colour.
    void setSymbolSize(QLineSeries* series, QSize size);

    // The data coordinates under a position in this widget.
    QPointF mapToData(const QPoint& widgetPos) const;
    // Whether a position in this widget lies inside the plot area.
    bool inPlotArea(const QPoint& widgetPos) const;
    // The plot area's size in pixels.
    QSizeF plotAreaSize() const;

    // The plot painted on white at `size` (the widget's size when empty).
    QImage renderImage(QSize size = {}) const;
    void copyToClipboard() const;

    // The marker image of a symbol (a cross is two diagonal strokes).
    static QImage symbolImage(Symbol symbol, QSize size, const QColor& color);

signals:
    // The right mouse button was released over the plot area.
    void rightReleased(const QPoint& globalPos, const QPointF& dataPos);
    // The user zoomed with the wheel or a rubber band.
    void zoomedByUser();

protected:
    void changeEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void relabel(Qt::Orientation o);
    void applyPalette();
    void applyPalette(QValueAxis* axis);

    QValueAxis* axes_[4] = {};
    int ticks_[2] = {6, 6};  // by orientation: horizontal, vertical
    bool fixedFormat_[2] = {false, false};

    void placeTicks(Qt::Orientation o);
    QHash<QLineSeries*, SeriesStyle> styles_;
    TickLabeler labelers_[2];  // Horizontal, Vertical
    bool relabelling_ = false;
    std::optional<Qt::Orientation> zoomAxis_;
};

}  // namespace lmk17
