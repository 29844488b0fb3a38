#pragma once

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <vector>

#include "common/ui/plot_view.h"
#include "common/user_interaction.h"
#include "monitoring/monitor_csv.h"

namespace lmk17 {

class MonitoringEngine;
class MonitorGraphModel;

// " Monitoring Graph" (MonGraphForm): the primary variable of a monitoring
// run against the time of day. One navy line with red symbols for one
// transmitter; one coloured series per address with a legend for several.
//
// The window follows the engine's announcements of its graph: a new point
// is appended to its series and the oldest dropped at the point limit (no
// series is rebuilt for a point), the value axis takes the model's range
// and the time axis spans the points, unless the user has zoomed it (wheel
// or rubber band). A zoom lasts until it is reset, the graph is cleared or
// a new run starts.
class TMonGraphForm : public QWidget {
    Q_OBJECT
public:
    explicit TMonGraphForm(MonitoringEngine& engine, UserInteraction& ui,
                           QWidget* parent = nullptr);

    PlotView* GrafChart() const { return plot_; }
    // PntSymbCBox's index: none, cross, solid circle, solid square, small
    // solid circle, small solid square.
    void setPointSymbol(int index);
    int pointSymbol() const { return symbol_; }

    // Draws the whole graph again from the engine's model.
    void refresh();
    bool zoomed() const { return zoomed_; }
    void resetZoom();

    // The two readout texts for a place on the plot (data coordinates).
    QString xReadout(const QPointF& at) const;
    QString yReadout(const QPointF& at) const;

    // Menu commands, also callable without their file dialogs.
    bool saveImage(const QString& fileName);
    bool exportPoints(const QString& fileName, const MonCsvStyle& style);

    QMenu* PopupMenu = nullptr;
    QAction* XInfoMnu = nullptr;
    QAction* YInfoMnu = nullptr;
    QAction* CopyMnu = nullptr;
    QAction* GridsMnu = nullptr;
    QAction* ClearMnu = nullptr;
    QAction* ResetZoomMnu = nullptr;
    QAction* SavePngMnu = nullptr;
    QAction* ExportCsvMnu = nullptr;

signals:
    // F1: the help topic of the monitoring graph.
    void helpRequested(int context);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void GrafChartMouseUp(const QPoint& globalPos, const QPointF& at);
    void CopyMnuClick();
    void GridsMnuClick();
    void ClearMnuClick();
    void SavePngMnuClick();
    void ExportCsvMnuClick();

    PlotView::SeriesStyle styleFor(size_t index, size_t count) const;
    void restyle();
    void appendPoint(int seriesIndex);
    void startAfresh();  // a new run or a cleared graph: no zoom, the model's points
    void rescale();
    void updateTicks();

    MonitoringEngine& engine_;
    UserInteraction& ui_;
    PlotView* plot_ = nullptr;
    std::vector<QLineSeries*> series_;
    int symbol_ = 2;
    bool grids_ = true;
    bool zoomed_ = false;
    bool settingRange_ = false;
};

}  // namespace lmk17
