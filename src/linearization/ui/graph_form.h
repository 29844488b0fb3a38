#pragma once

#include <QDialog>

#include "linearization/lin_editor.h"
#include "linearization/lin_graph_view.h"

class QLabel;
class QPushButton;
class QLineSeries;

namespace lmk17 {

class PlotView;
class UserInteraction;

// The approximation graph window (TGraphForm): the curve of the linearization
// or CJ compensation, after an approximation also its points and errors.
// Opened modally by the editor; what it shows comes from the editor's state
// through BuildLinGraph.
class TGraphForm : public QDialog {
    Q_OBJECT

public:
    TGraphForm(const LinEditor& editor, UserInteraction& ui, QWidget* parent = nullptr);

    // Sets the view from the editor (approximation or plain, by its
    // ApproximationView) and draws it. `plainCaption` is the plain view's.
    void prepare(const QString& plainCaption);
    // Redraws the current view from the editor (after a point was added).
    void refresh();

    LinGraphView view() const { return view_; }
    PlotView* plot() const { return plot_; }
    const LinGraphContent& content() const { return content_; }

signals:
    // The right button was released over the plot: the editor's popup.
    void popupRequested(const QPoint& globalPos, const QPointF& dataPos);
    // F1: the help topic of the approximation graph.
    void helpRequested(int context);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const LinEditor& editor_;
    UserInteraction& ui_;
    PlotView* plot_ = nullptr;
    QLineSeries* points_ = nullptr;
    QLineSeries* curve_ = nullptr;
    QLineSeries* errors_ = nullptr;
    QLabel* xCaptionLbl_ = nullptr;
    QLabel* yCaptionLbl_ = nullptr;
    QLabel* errorCaptionLbl_ = nullptr;
    QPushButton* minLbl_ = nullptr;
    QPushButton* maxLbl_ = nullptr;
    QPushButton* errorBtn_ = nullptr;
    LinGraphView view_ = LinGraphView::Plain;
    QString plainCaption_;
    LinGraphContent content_;

    void ErrorBtnClick();
    void MinLblClick();
    void MaxLblClick();
    void updateMarkers();
    // The width the panel under the graph needs for the texts of `c`.
    int neededWidth(const LinGraphContent& c) const;
    // Opened: as wide as the widest of the views it can switch between, so
    // that switching never widens the window.
    void fitWidestView();
};

}  // namespace lmk17
