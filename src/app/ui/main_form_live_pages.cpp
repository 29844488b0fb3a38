// The main window's Tools and Monitoring pages: created in their tabs, their
// menu commands wired, and the monitoring parameters and the graph window's
// place carried to and from the settings file.
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include "app/ui/help_viewer.h"
#include "app/ui/main_form.h"
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
    m_toolsPage = new TToolsPage(m_stack->model(), m_stack->live(), m_stack->commandStates(),
                                 m_pages[ToolsPage]);
    connect(m_stack.get(), &TransmitterStack::commandStatesChanged, m_toolsPage,
            &TToolsPage::applyCommandStates);
    m_pages[ToolsPage]->layout()->addWidget(m_toolsPage);
    m_monitoringPage = new TMonitoringPage(m_stack->monitoring(), m_ui, m_pages[MonitoringPage]);
    m_pages[MonitoringPage]->layout()->addWidget(m_monitoringPage);

    const ConfigModel& model = m_stack->model();
    connect(&model, &ConfigModel::configChanged, m_toolsPage, &TToolsPage::refresh);
    connect(&model, &ConfigModel::viewChanged, m_toolsPage, &TToolsPage::refresh);

    // The menu's live readings: the stack brings their page forward first.
    connect(PVReadMnu, &QAction::triggered, this, [this] {
        m_toolsPage->takeFocusedField();
        m_stack->readPv();
    });
    connect(CJReadMnu, &QAction::triggered, m_stack.get(), &TransmitterStack::readCjTemperature);
    connect(WorkTimeMnu, &QAction::triggered, m_stack.get(), &TransmitterStack::readWorkingTime);

    m_monitoringPage->attachMenu(MonStartMnu, MonStopMnu, MonGraphMnu, MonParamMnu);
    connect(m_monitoringPage, &TMonitoringPage::showRequested, this,
            [this] { m_tabs->setCurrentIndex(MonitoringPage); });
    m_monitoringPage->MonGraphForm()->installEventFilter(this);
    connect(m_monitoringPage->MonGraphForm(), &TMonGraphForm::helpRequested, m_help,
            &HelpViewer::showContext);
    connect(m_monitoringPage->MonParForm(), &TMonParForm::helpRequested, m_help,
            &HelpViewer::showContext);
}

void TMainForm::restoreMonitoringSettings() {
    const AppSettings& s = m_store.settings();
    // A log file named without a folder goes to the user's data folder.
    m_monitoringPage->MonParForm()->setDataFolder(m_store.folders().dataFolder);
    m_monitoringPage->loadParameters(s.monitor);
    TMonGraphForm* graph = m_monitoringPage->MonGraphForm();
    const QScreen* main = QGuiApplication::primaryScreen();
    if (!main) return;
    graph->resize(PlacedWindowSize(s.monGraphSize, graph->size(), main->availableGeometry()));
    if (!windowPositionsWork()) return;
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
    graph->move(PlacedWindowPosition(s.monGraphPosition, graph->size(), screens,
                                     main->availableGeometry(), DefaultPlacement::Fifth));
}

// Only a graph window that is shown, or is being hidden, gives its place
// back; a window never shown leaves the stored values as they were.
void TMainForm::keepMonitorGraphPlacement(bool hiding) {
    const TMonGraphForm* graph = m_monitoringPage ? m_monitoringPage->MonGraphForm() : nullptr;
    if (!graph || (!hiding && !graph->isVisible())) return;
    AppSettings& s = m_store.settings();
    s.monGraphSize = {graph->width(), graph->height()};
    if (windowPositionsWork()) s.monGraphPosition = {graph->x(), graph->y()};
}

}  // namespace lmk17
