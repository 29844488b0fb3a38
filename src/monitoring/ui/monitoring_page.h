#pragma once

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include "common/user_interaction.h"
#include "monitoring/monitor_parameters.h"
#include "operations/enable_commands.h"

namespace lmk17 {

class MonitoringEngine;
class MonitorLog;
class TMonParForm;
class TMonGraphForm;

// The "Monitoring" page: Start / Stop, Parameters, View Graph, Clear Log,
// the log window MonMemo (the lines of the monitoring log, at most 501) and
// the activity indicator Shape1: white between cycles, green while a
// request of a cycle is out, red while the port is lost and being reopened.
// Beside it, "Log not written" stands while the lines of the log are not
// reaching the log file (it cannot be opened, the disk is full), and after a
// run that ended so, until the next run.
//
// Start and Parameters follow the command states the stack announces
// (commandStatesChanged -> applyCommandStates); Stop follows the run.
//
// The page owns the parameters dialog and the graph window; both live as
// long as the page. The menu commands (Monitoring START / STOP, View the
// Monitoring Graph, Monitoring Parameters) act only while their button is
// enabled: attachMenu() wires them.
class TMonitoringPage : public QWidget {
    Q_OBJECT
public:
    TMonitoringPage(MonitoringEngine& engine, const CommandStates& states, UserInteraction& ui,
                    QWidget* parent = nullptr);

    TMonParForm* MonParForm() const { return parForm_; }
    TMonGraphForm* MonGraphForm() const { return graphForm_; }
    void attachMenu(QAction* start, QAction* stop, QAction* graph, QAction* parameters);
    // The dialog's values (from the settings file): shown in the dialog,
    // the point symbol applied to the graph.
    void loadParameters(const MonitorParameters& parameters);
    const MonitorParameters& parameters() const;
    void applyCommandStates(const CommandStates& states);

    QPushButton* MonStartBtn = nullptr;
    QPushButton* MonStopBtn = nullptr;
    QPushButton* MonParamBtn = nullptr;
    QPushButton* MonGraphBtn = nullptr;
    QPushButton* MonClearBtn = nullptr;
    QPlainTextEdit* MonMemo = nullptr;  // monitoring log lines
    QFrame* Shape1 = nullptr;           // activity indicator
    QLabel* LogStateLbl = nullptr;      // "Log not written"

    // The indicator's colours.
    static QColor IdleColor() { return Qt::white; }
    static QColor BusyColor() { return QColor(0, 128, 0); }
    static QColor PortLostColor() { return QColor(192, 0, 0); }
    QColor indicatorColor() const { return indicator_; }

signals:
    // A run is starting: the main window brings this page to the front.
    void showRequested();

public:
    void MonStartBtnClick();
    void MonStopBtnClick();
    void MonParamBtnClick();
    void MonGraphBtnClick();
    void MonClearBtnClick();

private:
    void showCommands();
    void showIndicator();
    void showLogState(bool failing);
    void setIndicator(const QColor& color, const QString& tip);

    MonitoringEngine& engine_;
    MonitorLog& log_;
    UserInteraction& ui_;
    TMonParForm* parForm_ = nullptr;
    TMonGraphForm* graphForm_ = nullptr;
    QPointer<QAction> startMnu_;
    QPointer<QAction> stopMnu_;
    QPointer<QAction> paramMnu_;
    CommandStates states_;
    QColor indicator_;
};

}  // namespace lmk17
