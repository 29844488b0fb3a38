#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "operations/enable_commands.h"
#include "operations/operation_outcome.h"

namespace lmk17 {

class ConfigModel;
class LiveReadings;
class MonitorLog;
class MonitoringEngine;
class PortConnection;
class PortList;
class TCommPortDriver;
class TransactionEngine;
class TransmitterSession;
class UserInteraction;

// The one owner of the core a program runs on: the serial port with its
// connection, the transaction engine, the configuration model, the session
// that starts the transmitter operations, the live readings of the "Tools"
// page and the monitoring engine with its log. It wires them once:
//
// - the port opened         -> the engine's receive state is reset;
// - the port closed or lost -> the exchange in flight ends with result 300;
// - DA / SA edited          -> the engine sends with the new addresses.
//
// The main window, the command line and the test rigs all build one of these
// and only forward actions to its parts:
//
//     TransmitterStack stack(ui);
//     stack.connection().connectDevice(QStringLiteral("/dev/ttyUSB0"));
//     stack.runOperation([&] { return stack.session().startRead(); });
//
// Everything runs on the thread that owns the stack.
class TransmitterStack : public QObject {
    Q_OBJECT
public:
    explicit TransmitterStack(UserInteraction& ui, QObject* parent = nullptr);
    ~TransmitterStack() override;
    TransmitterStack(const TransmitterStack&) = delete;
    TransmitterStack& operator=(const TransmitterStack&) = delete;

    UserInteraction& ui() { return ui_; }
    TCommPortDriver& port() { return *port_; }
    // The ports the options dialog offers; empty until the program fills it
    // (PortList::scan()); connectDevice() adds any path it is given.
    PortList& ports() { return *ports_; }
    // Connecting, disconnecting, baud rate, parity, DA and SA.
    PortConnection& connection() { return *connection_; }
    TransactionEngine& engine() { return *engine_; }
    ConfigModel& model() { return *model_; }
    TransmitterSession& session() { return *session_; }
    LiveReadings& live() { return *live_; }
    MonitorLog& monitorLog() { return *log_; }
    MonitoringEngine& monitoring() { return *monitoring_; }

    // No operation runs and no request is outstanding.
    bool idle() const;

    // What the main window enables now (EnableCommands), from the engine's
    // state, the configuration, monitoring and the repeating live operations.
    CommandStates commandStates() const;

    // Starts an operation (start returns false when nothing was started) and
    // runs the event loop until the session reports its end. Returns its
    // outcome: None when nothing was started, Running when timeoutMs (if not
    // negative) passed first.
    OperationOutcome runOperation(const std::function<bool()>& start, int timeoutMs = -1);

signals:
    // Anything commandStates() depends on may have changed.
    void commandStatesChanged();

private:
    UserInteraction& ui_;
    std::unique_ptr<TCommPortDriver> port_;
    std::unique_ptr<PortList> ports_;
    std::unique_ptr<PortConnection> connection_;
    std::unique_ptr<TransactionEngine> engine_;
    std::unique_ptr<ConfigModel> model_;
    std::unique_ptr<TransmitterSession> session_;
    std::unique_ptr<LiveReadings> live_;
    std::unique_ptr<MonitorLog> log_;
    std::unique_ptr<MonitoringEngine> monitoring_;
};

}  // namespace lmk17
