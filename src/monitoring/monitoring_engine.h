#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <functional>

#include "monitoring/monitor_graph.h"
#include "monitoring/monitor_log.h"
#include "monitoring/monitor_parameters.h"
#include "monitoring/monitor_port_watch.h"
#include "monitoring/monitor_record.h"
#include "monitoring/monitoring_run.h"

namespace lmk17 {

class TransmitterSession;
class TransactionEngine;
class TCommPortDriver;

// Monitoring (ProcessCode 150): identifies the monitored transmitter, reads
// its range block and unit, then reads the PV and the status word once per
// poll interval and writes a record line under the record conditions.
//
// Paced by two timers: MonitorTimer sends the PV request of each cycle (a
// tick that finds the link busy does nothing), MonPeriodTimer marks the
// record period. A run ends only by Stop, a give-up during the start-up
// reads, or a break; communication failures during the cycle become records.
class MonitoringEngine : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    MonitoringEngine(TransmitterSession& session, MonitorLog& log, QObject* parent = nullptr);
    ~MonitoringEngine() override;

    // The dialog's values; taken at Start and fixed for the run.
    void setParameters(const MonitorParameters& parameters) { params_ = parameters; }
    const MonitorParameters& parameters() const { return params_; }
    // The local date and time of the records (tests substitute their own).
    void setClock(Clock clock);
    // The port that a run reopens when it goes away; without one a lost port
    // only gives communication-error records until Stop.
    void setPort(TCommPortDriver* port) { portWatch_.setPort(port); }
    // The port is lost and being reopened (the indicator's third state).
    bool portLost() const { return run_.portLost; }

    // "Start ": false when nothing was started (a run or another operation
    // is going on).
    bool startMonitoring();  // MonStartBtnClick
    // "Stop ": asks first; false when the run goes on (the request did not
    // end in time, or the question was answered No).
    bool stopMonitoring();  // MonStopBtnClick
    // Stops without the question (the user already confirmed elsewhere,
    // e.g. Ctrl-C in the command line, or a break).
    bool stopConfirmed();
    void Monitorovani();

    const MonitoringRun& run() const { return run_; }
    bool active() const { return run_.active; }
    bool stopEnabled() const { return run_.active && stopEnabled_; }
    bool indicatorBusy() const { return indicatorBusy_; }
    // The graph as the window draws it, read only: it changes through the
    // routines below, each announcing what changed.
    const MonitorGraphModel& graph() const { return graph_; }
    // A run's start: no series, `pointLimit` points per series (graphReset).
    void resetGraph(int pointLimit);
    // Makes or updates the series of an address (graphSeriesChanged).
    void setGraphSeries(int address, qint32 serialNumber, int unitCode, double lower, double upper);
    // A reading of an address (pointsAppended; a non-finite one is left out).
    void appendGraphPoint(int address, double x, double y);
    // "Clear the Graph": every series loses its points (graphCleared).
    void clearGraph();
    MonitorLog& log() { return log_; }

    // What the timers run (public so that a test can drive a cycle by hand):
    // the prepared reading goes out; the monitoring period has elapsed.
    void sendPreparedReading();  // MonitorTimerTimer
    void markPeriodElapsed();    // MonPeriodTimerTimer
    const QTimer& monitorTimer() const { return monitorTimer_; }
    const QTimer& periodTimer() const { return periodTimer_; }

signals:
    // Start/Stop buttons, the menu commands and "Parameters" follow this.
    void activeChanged(bool active);
    void stopEnabledChanged(bool enabled);
    // Shape1: green while a request of a cycle is out, white otherwise.
    void indicatorChanged(bool busy);
    // The link's transmitter address was put back (DAEdt shows " %d").
    void transmitterAddressRestored(int address);
    // The graph: a new run's empty graph; a series made or updated; a point
    // appended to the series at `seriesIndex` (its oldest dropped at the
    // point limit); every point cleared.
    void graphReset();
    void graphSeriesChanged();
    void pointsAppended(int seriesIndex);
    void graphCleared();
    // A record line was written (after PrintMonMemo; a CSV row in the CSV
    // formats).
    void recordWritten(const QString& line);
    // The port went away during the run (true) or is back (false).
    void portLostChanged(bool lost);

private:
    TransactionEngine& engine();
    bool stop(bool ask);
    bool waitForOutstandingRequest();
    void finishStop();
    void setIndicator(bool busy);
    void sendRead(int parameter, int dataType);
    bool answered() const;
    bool conditionsOn() const { return !params_.writeAll; }

    void stepSetup();
    void stepIdentify();
    void stepReadRange();
    void stepStoreRange();
    void stepStoreUnit();
    void stepSetupDone();
    void stepRequestPV();
    void stepEvaluatePV();
    void stepEvaluateStatus();
    void stepEndOfCycle();
    // The start-up reads of a run of several transmitters.
    void stepIdentifyTarget();
    void stepStoreSerial();
    void stepStoreText(bool second);
    void sendRangeRequest();
    void targetReady();
    void targetFailed();
    void nextTarget();
    // Moves to another target (its address and data become the current ones).
    void selectTarget(size_t index);
    size_t firstPolled() const;
    void endOfAddress();
    void writeRecord();
    MonCsvStyle csvStyle() const;
    // The column header line of the run's format.
    QString columnHeader() const;
    void onPortLost(const QString& deviceName);
    void onPortResumed(const QString& deviceName);

    TransmitterSession& session_;
    MonitorLog& log_;
    MonitorParameters params_;
    MonitorParameters runParams_;  // fixed at Start
    MonitoringRun run_;
    MonitorGraphModel graph_;
    Clock clock_;
    QTimer monitorTimer_;
    QTimer periodTimer_;
    MonitorPortWatch portWatch_;
    MonitorReading reading_;               // what the current address's cycle found
    bool pvRequestPrepared_ = false;       // the next tick sends the PV request
    bool stopping_ = false;                // Stop is waiting or asking: ticks hold off
    bool restartTimerAtCycleEnd_ = false;  // the cycle of a port's return is out
    bool stopEnabled_ = true;
    bool indicatorBusy_ = false;
};

}  // namespace lmk17
