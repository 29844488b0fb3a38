// The main window's Tools and Monitoring pages: created in their tabs, their
// menu commands wired, and the monitoring parameters and the graph window's
// place carried to and from the settings file.
#include <QLayout>

#include "app/ui/help_viewer.h"
#include "app/ui/main_form.h"
#include "app/ui/screen_fit.h"
#include "app/window_placement.h"
#include "config/config_model.h"
#include "monitoring/monitoring_engine.h"
#include "monitoring/ui/mon_graph_form.h"
#include "monitoring/ui/mon_par_form.h"
#include "monitoring/ui/monitoring_page.h"
#include "operations/ui/tools_page.h"
#include "stack/transmitter_stack.h"

namespace lmk17 {

void TMainForm::createLivePages() {
    toolsPage_ =
        new TToolsPage(stack_->model(), stack_->live(), stack_->commandStates(), pages_[ToolsPage]);
    connect(stack_.get(), &TransmitterStack::commandStatesChanged, toolsPage_,
            &TToolsPage::applyCommandStates);
    pages_[ToolsPage]->layout()->addWidget(toolsPage_);
    monitoringPage_ = new TMonitoringPage(stack_->monitoring(), stack_->commandStates(), ui_,
                                          pages_[MonitoringPage]);
    connect(stack_.get(), &TransmitterStack::commandStatesChanged, monitoringPage_,
            &TMonitoringPage::applyCommandStates);
    pages_[MonitoringPage]->layout()->addWidget(monitoringPage_);

    const ConfigModel& model = stack_->model();
    connect(&model, &ConfigModel::configChanged, toolsPage_, &TToolsPage::refresh);
    connect(&model, &ConfigModel::viewChanged, toolsPage_, &TToolsPage::refresh);

    // The menu's live readings: the stack brings their page forward first.
    connect(PVReadMnu, &QAction::triggered, this, [this] {
        toolsPage_->takeFocusedField();
        stack_->readPv();
    });
    connect(CJReadMnu, &QAction::triggered, stack_.get(), &TransmitterStack::readCjTemperature);
    connect(WorkTimeMnu, &QAction::triggered, stack_.get(), &TransmitterStack::readWorkingTime);

    monitoringPage_->attachMenu(MonStartMnu, MonStopMnu, MonGraphMnu, MonParamMnu);
    connect(monitoringPage_, &TMonitoringPage::showRequested, this,
            [this] { stack_->requestPage(MainPage::Monitoring); });
    monitoringPage_->MonGraphForm()->installEventFilter(this);
    connect(monitoringPage_->MonGraphForm(), &TMonGraphForm::helpRequested, help_,
            &HelpViewer::showContext);
    connect(monitoringPage_->MonParForm(), &TMonParForm::helpRequested, help_,
            &HelpViewer::showContext);
}

void TMainForm::restoreMonitoringSettings() {
    const AppSettings& s = store_.settings();
    // A log file named without a folder goes to the user's data folder.
    monitoringPage_->MonParForm()->setDataFolder(store_.folders().dataFolder);
    monitoringPage_->loadParameters(s.monitor);
    TMonGraphForm* graph = monitoringPage_->MonGraphForm();
    const QRect main = MainAvailableScreen();
    if (main.isEmpty()) return;
    PlaceOnScreen(*graph, s.monGraphPosition, PlacedWindowSize(s.monGraphSize, graph->size(), main),
                  DefaultPlacement::Fifth, windowPositionsWork());
}

// Only a graph window that is shown, or is being hidden, gives its place
// back; a window never shown leaves the stored values as they were.
void TMainForm::keepMonitorGraphPlacement(bool hiding) {
    const TMonGraphForm* graph = monitoringPage_ ? monitoringPage_->MonGraphForm() : nullptr;
    if (!graph || (!hiding && !graph->isVisible())) return;
    AppSettings& s = store_.settings();
    s.monGraphSize = {graph->width(), graph->height()};
    if (windowPositionsWork()) s.monGraphPosition = {graph->x(), graph->y()};
}

}  // namespace lmk17
