#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

#include "linearization/lin_editor.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace lmk17 {

class ConfigModel;
class PlotView;
class PointGridWidget;
class TGraphForm;
struct TransmitterConfig;

// The linearization editor (TLinearForm): a modal window over the editor's
// state (LinEditor), opened from the Input page's Linearization button. It
// borrows that state, which outlives it, shows the points, the units and
// the approximated result, forwards every command to LinEditor and opens
// the graph window.
//
// The printout and the help belong to the main window: the menu commands
// emit printRequested(), printerSetupRequested(), helpContentsRequested()
// and helpIndexRequested(); they are disabled while nothing is connected.
// F1 in the editor or its graph window emits helpRequested() with the
// window's help context.
class TLinearForm : public QDialog {
    Q_OBJECT

public:
    // `ui` shows the messages and questions (message boxes when null).
    explicit TLinearForm(LinEditor& editor, QWidget* parent = nullptr,
                         UserInteraction* ui = nullptr);
    ~TLinearForm() override;

    // Opens the editor on the configuration's linearization (the selected
    // range must be a customer-linearization range) and, on OK, commits it:
    // the configuration becomes unsaved when it changed and is shown again
    // with the new limits and units. True when closed with OK. `files` are
    // loaded first, one after the other, as "Load" loads them (the last one
    // loaded stands).
    bool editLinearization(ConfigModel& model, const QStringList& files = {});
    // The same on a bare record; `modified` tells whether it counts as changed.
    bool editLinearization(TransmitterConfig& config, int rangeIndex, bool* modified = nullptr);

    LinEditor& editor() { return editor_; }

    // Folder of the .lin file dialogs (kept in the settings by the main window).
    QString directory() const { return directory_; }
    void setDirectory(const QString& dir) { directory_ = dir; }

    // For tests and scripted use: the file name a dialog would give ("" =
    // cancelled), and how the modal graph window is run (default exec()).
    using FileNameHook = std::function<QString(bool save)>;
    void setFileNameHook(FileNameHook hook) { fileNameHook_ = std::move(hook); }
    using GraphRunner = std::function<void(TGraphForm&)>;
    void setGraphRunner(GraphRunner runner) { graphRunner_ = std::move(runner); }

    // Opens the window for `rangeIndex` without exec(): the views are filled
    // from the editor's state (as editLinearization does before exec()).
    void prepareForOpen();

    // --- commands (the menu items and buttons call these) ---
    void LoadMnuClick();
    void SaveMnuClick();
    // Save without the pending questions (OK has asked them already).
    void saveChecked();
    void LinApproxBtnClick();
    void CjcApproxBtnClick();
    void RtdCalcBtnClick();
    void LinClearBtnClick();  // asks first
    void CjcClearBtnClick();
    void LinClearMnuClick();  // without asking
    void CjcClearMnuClick();
    void DefaultLinMnuClick();
    void GraphLinMnuClick();
    void GraphCjcMnuClick();
    void OkBtnClick();
    void reject() override;  // Cancel, Esc, the close box

    // The plot popup at a data position of the active page's plot (or of
    // the graph window's plot when `fromGraph`).
    void addCoordinates(const QPointF& dataPos, bool fromGraph);
    void copyGraph(bool fromGraph);

signals:
    void printRequested();
    void exportPdfRequested();  // the printout of print(), as a PDF file
    void printerSetupRequested();
    void helpContentsRequested();
    void helpIndexRequested();
    void helpRequested(int context);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    LinEditor& editor_;
    std::unique_ptr<UserInteraction> ownUi_;
    UserInteraction* ui_;
    QString directory_;
    FileNameHook fileNameHook_;
    GraphRunner graphRunner_;
    TGraphForm* graph_ = nullptr;
    bool graphOpen_ = false;
    bool reading_ = false;  // a grid read (and its message) is running
    int committedPage_ = 0;

    // " Linearization " page
    QTabWidget* pages_ = nullptr;
    QWidget* linPage_ = nullptr;
    QWidget* cjcPage_ = nullptr;
    QWidget* rtdPage_ = nullptr;
    QWidget* detailPage_ = nullptr;
    PointGridWidget* LnTStrGrd = nullptr;  // linearization table grid
    PlotView* linPlot_ = nullptr;
    QLineSeries* linPoints_ = nullptr;
    QLineEdit* XStartEdt = nullptr;
    QLineEdit* XEndEdt = nullptr;
    QLineEdit* YStartEdt = nullptr;
    QLineEdit* YEndEdt = nullptr;
    QLabel* XUnitLbl = nullptr;
    QComboBox* JednCB = nullptr;  // unit list
    QButtonGroup* displayRG_ = nullptr;
    // "Cold Junction Compensation" page
    PointGridWidget* KPStrGrd = nullptr;  // cold junction compensation table grid
    PlotView* cjcPlot_ = nullptr;
    QLineSeries* cjcPoints_ = nullptr;
    QButtonGroup* cjcUnitRG_ = nullptr;
    // "Sensor Specific Characterization" page
    QTabWidget* rtdPages_ = nullptr;
    QLineEdit* RtdAEdt = nullptr;
    QLineEdit* RtdBEdt = nullptr;
    QLineEdit* RtdCEdt = nullptr;
    QLineEdit* RtdR0Edt = nullptr;
    QRadioButton* OnePointR0RBtn = nullptr;
    QRadioButton* OnePointT1RBtn = nullptr;
    QLineEdit* OnePointR0Edt = nullptr;
    QLineEdit* RT1Edt = nullptr;
    QLineEdit* T1Edt = nullptr;
    // " Linearization - detail " page
    PointGridWidget* DetailSG = nullptr;
    QLineEdit* cjcCoefEdt_[4] = {};
    QPushButton* CancelBtn = nullptr;
    // menu items shown by range
    QAction* cjcEditMnu_ = nullptr;
    QAction* rtdEditMnu_ = nullptr;
    QList<QAction*> cjcMnus_;
    QList<QAction*> printMnus_;
    QList<QAction*> helpMnus_;

    void buildMenu(QMenuBar* bar);
    QWidget* buildLinPage();
    QWidget* buildCjcPage();
    QWidget* buildRtdPage();
    QWidget* buildDetailPage();

    void onChanged(int what);
    void refreshLinPage(bool rows);
    void refreshCjcPage(bool rows);
    void refreshRtdPage();
    void refreshDetailPage();
    void refreshLinPlot();
    void refreshCjcPlot();

    void onFocusChanged(QWidget* old, QWidget* now);
    bool readLinGrid(bool force = false);
    bool readCjcGrid(bool force = false);
    RtdFields rtdFields() const;
    void showRtdFields(const RtdFields& f);

    void JednCBChange(int position);
    void DisplayRGClick(int places);
    void CjcUnitRGClick(int unit);
    void showPlotPopup(const QPoint& globalPos, const QPointF& dataPos, bool fromGraph);
    void openGraph(const QString& plainCaption);
    using Approximation = bool (LinEditor::*)(const std::vector<GridRow>&, UserInteraction&,
                                              GridCell*);
    void approximate(QWidget* page, PointGridWidget* grid, Approximation run);
    QString askFileName(bool save);
    bool onCjcPage(bool fromGraph) const;
};

}  // namespace lmk17
