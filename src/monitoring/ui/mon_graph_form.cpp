#include "monitoring/ui/mon_graph_form.h"

#include <QFileDialog>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>

#include "common/safe_save.h"
#include "common/time_ticks.h"
#include "config/catalogue.h"
#include "monitoring/monitoring_engine.h"

namespace lmk17 {

namespace {

constexpr double kDaysPerSecond = 1.0 / 86400.0;
constexpr int kPixelsPerTick = 80;
constexpr int kGraphHelpContext = 2920;

// Colours of the series of a run of several transmitters.
const QColor kSeriesColors[] = {QColor(0, 0, 128),   QColor(192, 0, 0),   QColor(0, 128, 0),
                                QColor(128, 0, 128), QColor(0, 128, 128), QColor(160, 96, 0),
                                QColor(64, 64, 64),  QColor(0, 96, 192)};

}  // namespace

TMonGraphForm::TMonGraphForm(MonitoringEngine& engine, UserInteraction& ui, QWidget* parent)
    : QWidget(parent, Qt::Window), engine_(engine), ui_(ui) {
    setObjectName(QStringLiteral("MonGraphForm"));
    setWindowTitle(tr(" Monitoring Graph"));
    setMinimumSize(200, 200);
    resize(560, 380);

    plot_ = new PlotView(this);
    plot_->setObjectName(QStringLiteral("GrafChart"));
    // Room for the last time label, centred on its tick at the right edge.
    plot_->chart()->setMargins(QMargins(4, 4, 28, 4));
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) plot_->setGridVisible(o, true);
    plot_->setTickLabels(Qt::Horizontal, [](double low, double high, int count) {
        std::vector<std::pair<double, QString>> ticks;
        for (double t : TimeTicks(low, high, count)) ticks.emplace_back(t, TimeOfDayText(t));
        return ticks;
    });
    plot_->setZoomAxis(Qt::Horizontal);
    const double now = DayNumberOf(QDateTime::currentDateTime());
    plot_->setRange(Qt::Horizontal, now - 60 * kDaysPerSecond, now);
    plot_->setRange(Qt::Vertical, 0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plot_);

    PopupMenu = new QMenu(this);
    XInfoMnu = PopupMenu->addAction(QString());
    YInfoMnu = PopupMenu->addAction(QString());
    PopupMenu->addSeparator();
    CopyMnu = PopupMenu->addAction(tr("&Copy Graph to the Clipboard"));
    GridsMnu = PopupMenu->addAction(tr("Show / Hide &Grids"));
    ClearMnu = PopupMenu->addAction(tr("C&lear the Graph"));
    PopupMenu->addSeparator();
    ResetZoomMnu = PopupMenu->addAction(tr("&Reset Zoom"));
    SavePngMnu = PopupMenu->addAction(tr("&Save Graph as PNG..."));
    ExportCsvMnu = PopupMenu->addAction(tr("&Export Points as CSV..."));
    ResetZoomMnu->setEnabled(false);

    connect(plot_, &PlotView::rightReleased, this, &TMonGraphForm::GrafChartMouseUp);
    connect(plot_, &PlotView::zoomedByUser, this, [this] {
        zoomed_ = true;
        ResetZoomMnu->setEnabled(true);
    });
    connect(plot_->chart(), &QChart::plotAreaChanged, this, &TMonGraphForm::updateTicks);
    connect(CopyMnu, &QAction::triggered, this, &TMonGraphForm::CopyMnuClick);
    connect(GridsMnu, &QAction::triggered, this, &TMonGraphForm::GridsMnuClick);
    connect(ClearMnu, &QAction::triggered, this, &TMonGraphForm::ClearMnuClick);
    connect(ResetZoomMnu, &QAction::triggered, this, &TMonGraphForm::resetZoom);
    connect(SavePngMnu, &QAction::triggered, this, &TMonGraphForm::SavePngMnuClick);
    connect(ExportCsvMnu, &QAction::triggered, this, &TMonGraphForm::ExportCsvMnuClick);
    connect(&engine_, &MonitoringEngine::graphReset, this, &TMonGraphForm::startAfresh);
    connect(&engine_, &MonitoringEngine::graphCleared, this, &TMonGraphForm::startAfresh);
    connect(&engine_, &MonitoringEngine::graphSeriesChanged, this, &TMonGraphForm::refresh);
    connect(&engine_, &MonitoringEngine::pointsAppended, this, &TMonGraphForm::appendPoint);
    refresh();
}

PlotView::SeriesStyle TMonGraphForm::styleFor(size_t index, size_t count) const {
    PlotView::SeriesStyle s;
    if (count <= 1) {
        s.color = QColor(0, 0, 128);  // navy line, red symbols
        s.symbolColor = QColor(255, 0, 0);
    } else {
        s.color = kSeriesColors[index % std::size(kSeriesColors)];
    }
    switch (symbol_) {
        case 1:
            s.symbol = PlotView::Symbol::Cross;
            break;
        case 2:
        case 4:
            s.symbol = PlotView::Symbol::Circle;
            break;
        case 3:
        case 5:
            s.symbol = PlotView::Symbol::Square;
            break;
        default:
            s.symbol = PlotView::Symbol::None;
            break;
    }
    s.symbolSize = symbol_ >= 4 ? QSize(5, 5) : QSize(7, 7);
    return s;
}

void TMonGraphForm::setPointSymbol(int index) {
    symbol_ = std::clamp(index, 0, 5);
    restyle();
}

void TMonGraphForm::restyle() {
    for (size_t i = 0; i < series_.size(); ++i)
        plot_->setStyle(series_[i], styleFor(i, series_.size()));
    plot_->setLegendVisible(series_.size() > 1);
}

// Only the new point reaches the plot (and the oldest leaves it at the
// point limit); a series out of step with the model is drawn again.
void TMonGraphForm::appendPoint(int seriesIndex) {
    const MonitorGraphModel& model = engine_.graph();
    if (seriesIndex < 0 || size_t(seriesIndex) >= model.series().size() ||
        size_t(seriesIndex) >= series_.size())
        return refresh();
    const auto& points = model.series()[size_t(seriesIndex)].points;
    QLineSeries* shown = series_[size_t(seriesIndex)];
    const qsizetype have = shown->count();
    const qsizetype extra = have + 1 - qsizetype(points.size());
    if (points.empty() || extra < 0 || extra > have) return refresh();
    if (extra > 0) shown->removePoints(0, int(extra));
    shown->append(points.back().x, points.back().y);
    rescale();
}

void TMonGraphForm::startAfresh() {
    zoomed_ = false;
    ResetZoomMnu->setEnabled(false);
    refresh();
}

void TMonGraphForm::refresh() {
    const MonitorGraphModel& model = engine_.graph();
    const size_t count = model.series().size();
    bool restyleNeeded = false;
    while (series_.size() > count) {
        plot_->removeSeries(series_.back());
        series_.pop_back();
        restyleNeeded = true;
    }
    while (series_.size() < count) {
        series_.push_back(plot_->addSeries(styleFor(series_.size(), count)));
        restyleNeeded = true;
    }
    for (size_t i = 0; i < count; ++i) {
        const QString name = tr("Address %1").arg(model.series()[i].address);
        if (series_[i]->name() != name) series_[i]->setName(name);
        std::vector<QPointF> all;
        all.reserve(model.series()[i].points.size());
        for (const auto& p : model.series()[i].points) all.emplace_back(p.x, p.y);
        plot_->setPoints(series_[i], all);
    }
    if (restyleNeeded) restyle();
    rescale();
}

void TMonGraphForm::rescale() {
    const MonitorGraphModel& model = engine_.graph();
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const auto& s : model.series())
        if (!s.points.empty()) {
            low = std::min(low, s.points.front().x);
            high = std::max(high, s.points.back().x);
        }
    if (low > high) return;  // no points: the axes stay as they are
    plot_->setRange(Qt::Vertical, model.axisMin(), model.axisMax());
    if (!zoomed_) {
        const AxisRange t = NormalizedTimeRange(low, high, kDaysPerSecond);
        plot_->axis(Qt::Horizontal)->setRange(t.low, t.high);
    }
    updateTicks();
}

// Ticks every 80 pixels, at least three; the plot places them on round
// values inside the axis' own range, labelled with the decimals their step
// needs.
void TMonGraphForm::updateTicks() {
    const QSizeF area = plot_->plotAreaSize();
    const int yTicks = std::max(3, int(area.height()) / kPixelsPerTick);
    const int xTicks = std::max(3, int(area.width()) / kPixelsPerTick);
    if (plot_->axis(Qt::Vertical)->tickCount() != yTicks) plot_->setTickCount(Qt::Vertical, yTicks);
    plot_->setTickCount(Qt::Horizontal, xTicks);
}

void TMonGraphForm::resetZoom() {
    zoomed_ = false;
    ResetZoomMnu->setEnabled(false);
    rescale();
}

QString TMonGraphForm::xReadout(const QPointF& at) const {
    return QStringLiteral(" X= ") + TimeOfDayText(at.x());
}

QString TMonGraphForm::yReadout(const QPointF& at) const {
    return QString::asprintf(" Y= %.*g ", 8, at.y()) + UnitSymbol(engine_.graph().unitCode());
}

void TMonGraphForm::GrafChartMouseUp(const QPoint& globalPos, const QPointF& at) {
    XInfoMnu->setText(xReadout(at));
    YInfoMnu->setText(yReadout(at));
    PopupMenu->popup(globalPos);
}

void TMonGraphForm::CopyMnuClick() {
    plot_->copyToClipboard();
}

void TMonGraphForm::GridsMnuClick() {
    grids_ = !grids_;
    plot_->setGridVisible(Qt::Horizontal, grids_);
    plot_->setGridVisible(Qt::Vertical, grids_);
}

// Asked under the identifier of the monitoring's other erase question.
void TMonGraphForm::ClearMnuClick() {
    if (!ui_.question(Question::ClearMonitorLog, MessageKind::Confirmation,
                      tr("Do you really want to erase the graph?")))
        return;
    engine_.clearGraph();
}

bool TMonGraphForm::saveImage(const QString& fileName) {
    const QImage image = plot_->renderImage();
    const SafeSaveResult result =
        SaveFileSafely(fileName, [&](QIODevice& device) { return image.save(&device, "PNG"); });
    if (result.saved()) return true;
    ui_.message(MessageKind::Error,
                result.reason.isEmpty()
                    ? tr("The graph could not be saved as \"%1\".").arg(fileName)
                    : SaveFailedText(fileName, result.reason));
    return false;
}

bool TMonGraphForm::exportPoints(const QString& fileName, const MonCsvStyle& style) {
    QString error;
    if (WriteMonGraphCsv(fileName, engine_.graph(), style, &error)) return true;
    ui_.message(MessageKind::Error,
                tr("The points could not be exported to \"%1\": %2").arg(fileName, error));
    return false;
}

void TMonGraphForm::SavePngMnuClick() {
    QFileDialog dialog(this, tr("Save Graph as PNG"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({tr("PNG Images (*.png)"), tr("All Files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    saveImage(dialog.selectedFiles().front());
}

void TMonGraphForm::ExportCsvMnuClick() {
    QFileDialog dialog(this, tr("Export Points as CSV"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString comma = tr("CSV, comma separated (*.csv)");
    const QString semicolon = tr("CSV, semicolon separated, decimal comma (*.csv)");
    dialog.setNameFilters({comma, semicolon});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    exportPoints(dialog.selectedFiles().front(), dialog.selectedNameFilter() == semicolon
                                                     ? MonCsvStyle::Semicolon()
                                                     : MonCsvStyle::Comma());
}

void TMonGraphForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        emit helpRequested(kGraphHelpContext);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TMonGraphForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateTicks();
}

}  // namespace lmk17
