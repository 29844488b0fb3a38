#include "common/ui/plot_view.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QClipboard>
#include <QLegend>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "common/ui/palette_colors.h"

namespace lmk17 {

namespace {

Qt::Alignment AlignmentOf(PlotView::Side side) {
    switch (side) {
        case PlotView::Side::Bottom:
            return Qt::AlignBottom;
        case PlotView::Side::Left:
            return Qt::AlignLeft;
        case PlotView::Side::Top:
            return Qt::AlignTop;
        case PlotView::Side::Right:
            return Qt::AlignRight;
    }
    return Qt::AlignBottom;
}

}  // namespace

PlotView::PlotView(QWidget* parent) : QChartView(new QChart, parent) {
    QChart* c = chart();
    c->legend()->hide();
    c->setBackgroundRoundness(0);
    c->setMargins(QMargins(4, 4, 4, 4));
    setRenderHint(QPainter::Antialiasing);
    for (Side side : {Side::Bottom, Side::Left, Side::Top, Side::Right}) {
        auto* a = new QValueAxis;
        a->setLabelFormat(QStringLiteral("%.6g"));
        a->setTickCount(5);
        c->addAxis(a, AlignmentOf(side));
        a->setVisible(side == Side::Bottom || side == Side::Left);
        axes_[int(side)] = a;
    }
    applyPalette();
}

void PlotView::changeEvent(QEvent* event) {
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) applyPalette();
}

void PlotView::applyPalette() {
    const QPalette& pal = palette();
    QChart* c = chart();
    c->setBackgroundBrush(pal.color(QPalette::Base));
    c->setPlotAreaBackgroundBrush(pal.color(QPalette::Base));
    c->setPlotAreaBackgroundVisible(true);
    c->setTitleBrush(pal.color(QPalette::Text));
    c->legend()->setLabelColor(pal.color(QPalette::Text));
    for (QValueAxis* a : axes_) applyPalette(a);
    const QHash<QLineSeries*, SeriesStyle> styles = styles_;
    for (auto it = styles.cbegin(); it != styles.cend(); ++it) setStyle(it.key(), it.value());
}

void PlotView::applyPalette(QValueAxis* a) {
    const QPalette& pal = palette();
    const QColor ink = pal.color(QPalette::Text);
    a->setLabelsColor(ink);
    a->setTitleBrush(ink);
    a->setLinePenColor(Blend(ink, pal.color(QPalette::Base), 0.3));
    a->setGridLineColor(Blend(ink, pal.color(QPalette::Base), 0.75));
}

QValueAxis* PlotView::axis(Side side) const {
    return axes_[int(side)];
}

// The chart lays an axis out with whatever interval it holds at the time, so
// the range and the interval change in the order that never pairs a wide
// range with a fine interval: a coarser interval goes first, a finer one
// after the range has narrowed.
AxisRange PlotView::setRange(Qt::Orientation o, double low, double high) {
    const AxisRange r = NormalizedRange(low, high);
    QValueAxis* a = axis(o);
    const int i = o == Qt::Horizontal ? 0 : 1;
    const double step = LabelStep(r.span(), ticks_[i] - 1);
    if (!labelers_[i] && step > a->tickInterval()) {
        a->setTickAnchor(std::floor(r.low / step) * step);
        a->setTickInterval(step);
    }
    a->setRange(r.low, r.high);
    placeTicks(o);
    return r;
}

void PlotView::placeTicks(Qt::Orientation o) {
    QValueAxis* a = axis(o);
    const int i = o == Qt::Horizontal ? 0 : 1;
    if (labelers_[i]) return;  // an axis with labels of its own places them itself
    const double step = LabelStep(a->max() - a->min(), ticks_[i] - 1);
    if (step <= 0.0) return;
    a->setTickType(QValueAxis::TicksDynamic);
    a->setTickAnchor(std::floor(a->min() / step) * step);
    a->setTickInterval(step);
    if (fixedFormat_[i]) return;
    const bool tiny = step < 1e-5;
    a->setLabelFormat(tiny ? QStringLiteral("%.2e")
                           : QStringLiteral("%.%1f").arg(DecimalsForStep(step)));
}

AxisRange PlotView::range(Qt::Orientation o) const {
    return {axis(o)->min(), axis(o)->max()};
}

void PlotView::fitRangeToData(Qt::Orientation o) {
    std::vector<QPointF> all;
    for (auto it = styles_.cbegin(); it != styles_.cend(); ++it)
        if (it.key()->isVisible()) {
            const QList<QPointF> pts = it.key()->points();
            all.insert(all.end(), pts.begin(), pts.end());
        }
    const DataBounds b = BoundsOf(all);
    if (!b.valid) return;
    const AxisRange& r = o == Qt::Horizontal ? b.x : b.y;
    setRange(o, r.low, r.high);
}

void PlotView::setLabelFormat(Qt::Orientation o, const QString& format) {
    fixedFormat_[o == Qt::Horizontal ? 0 : 1] = true;
    axis(o)->setLabelFormat(format);
}

void PlotView::setTickCount(Qt::Orientation o, int count) {
    count = std::max(2, count);
    ticks_[o == Qt::Horizontal ? 0 : 1] = count;
    if (labelers_[o == Qt::Horizontal ? 0 : 1]) {
        relabel(o);
        return;
    }
    axis(o)->setTickCount(count);
    placeTicks(o);
}

void PlotView::setLegendVisible(bool visible) {
    chart()->legend()->setVisible(visible);
    if (visible) chart()->legend()->setAlignment(Qt::AlignBottom);
}

// A category axis is a value axis whose labels sit at values of our choice;
// it takes the old axis' place, range, grid and series.
void PlotView::setTickLabels(Qt::Orientation o, TickLabeler labeler) {
    const int i = o == Qt::Horizontal ? 0 : 1;
    labelers_[i] = std::move(labeler);
    const Side side = o == Qt::Horizontal ? Side::Bottom : Side::Left;
    QValueAxis* old = axes_[int(side)];
    if (!qobject_cast<QCategoryAxis*>(old)) {
        auto* a = new QCategoryAxis;
        a->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        a->setRange(old->min(), old->max());
        a->setGridLineVisible(old->isGridLineVisible());
        a->setGridLinePen(old->gridLinePen());
        a->setLabelsFont(old->labelsFont());
        applyPalette(a);
        chart()->addAxis(a, o == Qt::Horizontal ? Qt::AlignBottom : Qt::AlignLeft);
        for (QLineSeries* s : styles_.keys()) {
            s->detachAxis(old);
            s->attachAxis(a);
        }
        chart()->removeAxis(old);
        delete old;
        axes_[int(side)] = a;
        connect(a, &QValueAxis::rangeChanged, this, [this, o] { relabel(o); });
    }
    relabel(o);
}

void PlotView::setRoundTicks(Qt::Orientation o) {
    setTickLabels(o, [](double low, double high, int count) {
        std::vector<std::pair<double, QString>> ticks;
        const double step = LabelStep(high - low, count - 1);
        if (!(step > 0.0) || !std::isfinite(low) || !std::isfinite(high)) return ticks;
        const bool tiny = step < 1e-5;
        const int decimals = DecimalsForStep(step);
        const double first = std::ceil(low / step - 1e-9);
        for (int k = 0; k < 1000; ++k) {
            const double n = first + k;
            // Each tick is one product, never a running sum; -0 becomes 0.
            const double v = n == 0.0 ? 0.0 : n * step;
            if (v > high + step * 1e-9) break;
            ticks.emplace_back(
                v, tiny ? QString::asprintf("%.2e", v) : QString::number(v, 'f', decimals));
        }
        return ticks;
    });
}

void PlotView::relabel(Qt::Orientation o) {
    const int i = o == Qt::Horizontal ? 0 : 1;
    auto* a = qobject_cast<QCategoryAxis*>(axis(o));
    if (!a || !labelers_[i] || relabelling_) return;
    relabelling_ = true;
    for (const QString& label : a->categoriesLabels()) a->remove(label);
    a->setStartValue(a->min());
    // Labels must differ; an invisible trailing blank tells equal texts apart.
    QStringList used;
    for (auto [value, text] : labelers_[i](a->min(), a->max(), ticks_[i])) {
        while (used.contains(text)) text += QChar(0x200B);
        used.append(text);
        a->append(text, value);
    }
    relabelling_ = false;
}

void PlotView::setZoomAxis(Qt::Orientation o) {
    zoomAxis_ = o;
    setRubberBand(o == Qt::Horizontal ? QChartView::HorizontalRubberBand
                                      : QChartView::VerticalRubberBand);
}

void PlotView::setGridVisible(Qt::Orientation o, bool visible) {
    axis(o)->setGridLineVisible(visible);
    axis(o)->setMinorGridLineVisible(false);
}

void PlotView::setTitle(const QString& title) {
    chart()->setTitle(title);
}

QLineSeries* PlotView::addSeries(const SeriesStyle& style) {
    auto* s = new QLineSeries;
    chart()->addSeries(s);
    s->attachAxis(axis(Side::Bottom));
    s->attachAxis(axis(Side::Left));
    setStyle(s, style);
    return s;
}

void PlotView::removeSeries(QLineSeries* series) {
    if (!styles_.remove(series)) return;
    chart()->removeSeries(series);
    delete series;
}

void PlotView::setStyle(QLineSeries* series, const SeriesStyle& style) {
    styles_[series] = style;
    const QColor base = palette().color(QPalette::Base);
    const QColor color = ReadableOn(style.color, base, 3.0);
    QPen pen(style.line ? QPen(color, style.lineWidth) : QPen(Qt::NoPen));
    series->setPen(pen);
    series->setColor(color);
    const bool marks = style.symbol != Symbol::None;
    series->setPointsVisible(marks);
    if (marks) {
        const QColor symbolColor =
            style.symbolColor.isValid() ? ReadableOn(style.symbolColor, base, 3.0) : color;
        series->setMarkerSize(std::max(style.symbolSize.width(), style.symbolSize.height()));
        series->setLightMarker(symbolImage(style.symbol, style.symbolSize, symbolColor));
    } else {
        series->setLightMarker(QImage());
    }
}

void PlotView::setPoints(QLineSeries* series, const std::vector<QPointF>& points) {
    const std::vector<QPointF> finite = FinitePoints(points);
    series->replace(QList<QPointF>(finite.begin(), finite.end()));
}

void PlotView::setSymbolSize(QLineSeries* series, QSize size) {
    auto it = styles_.find(series);
    if (it == styles_.end()) return;
    SeriesStyle style = it.value();
    style.symbolSize = size;
    setStyle(series, style);
}

QImage PlotView::symbolImage(Symbol symbol, QSize size, const QColor& color) {
    // The marker image is drawn in a square the size of the larger side, the
    // symbol centred in it at its own width and height.
    const int side = std::max({size.width(), size.height(), 1});
    QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    if (symbol == Symbol::None) return img;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box((side - size.width()) / 2.0, (side - size.height()) / 2.0, size.width(),
                     size.height());
    const QRectF r = box.adjusted(0.5, 0.5, -0.5, -0.5);
    switch (symbol) {
        case Symbol::Cross:
            p.setPen(QPen(color, 1.2));
            p.drawLine(r.topLeft(), r.bottomRight());
            p.drawLine(r.bottomLeft(), r.topRight());
            break;
        case Symbol::Circle:
            p.setPen(Qt::NoPen);
            p.setBrush(color);
            p.drawEllipse(r);
            break;
        case Symbol::Square:
            p.setPen(Qt::NoPen);
            p.setBrush(color);
            p.drawRect(r);
            break;
        case Symbol::None:
            break;
    }
    return img;
}

QPointF PlotView::mapToData(const QPoint& widgetPos) const {
    const QPointF scenePos = mapToScene(widgetPos);
    const QPointF chartPos = chart()->mapFromScene(scenePos);
    return chart()->mapToValue(chartPos, styles_.isEmpty() ? nullptr : styles_.cbegin().key());
}

bool PlotView::inPlotArea(const QPoint& widgetPos) const {
    const QPointF chartPos = chart()->mapFromScene(mapToScene(widgetPos));
    return chart()->plotArea().contains(chartPos);
}

QSizeF PlotView::plotAreaSize() const {
    return chart()->plotArea().size();
}

QImage PlotView::renderImage(QSize size) const {
    if (size.isEmpty()) size = this->size();
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // render() is not const, though painting the scene changes nothing.
    const_cast<PlotView*>(this)->render(&p, QRectF(QPointF(0, 0), size), viewport()->rect());
    return img;
}

void PlotView::copyToClipboard() const {
    QApplication::clipboard()->setImage(renderImage());
}

void PlotView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        // The right button is ours: Qt Charts would zoom out on it.
        if (inPlotArea(event->position().toPoint()))
            emit rightReleased(event->globalPosition().toPoint(),
                               mapToData(event->position().toPoint()));
        event->accept();
        return;
    }
    const bool banding = zoomAxis_ && event->button() == Qt::LeftButton;
    const AxisRange before = banding ? range(*zoomAxis_) : AxisRange{};
    QChartView::mouseReleaseEvent(event);
    if (banding && !(range(*zoomAxis_) == before)) {
        placeTicks(*zoomAxis_);  // the band narrowed the range: ticks for the new one
        emit zoomedByUser();
    }
}

void PlotView::wheelEvent(QWheelEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (!zoomAxis_ || event->angleDelta().y() == 0 || !inPlotArea(pos)) {
        QChartView::wheelEvent(event);
        return;
    }
    // One notch (120) zooms in or out by a fifth about the pointer.
    const double factor = std::pow(0.8, event->angleDelta().y() / 120.0);
    const QPointF at = mapToData(pos);
    const double centre = *zoomAxis_ == Qt::Horizontal ? at.x() : at.y();
    const AxisRange r = range(*zoomAxis_);
    const double low = centre - (centre - r.low) * factor;
    const double high = centre + (r.high - centre) * factor;
    if (!(high - low > 0.0) || !std::isfinite(low) || !std::isfinite(high)) return;
    setRange(*zoomAxis_, low, high);
    event->accept();
    emit zoomedByUser();
}

}  // namespace lmk17
