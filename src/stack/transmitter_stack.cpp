#include "stack/transmitter_stack.h"

#include <QEventLoop>
#include <QTimer>

#include "config/config_model.h"
#include "linearization/lin_editor.h"
#include "link/comm_port_driver.h"
#include "link/port_connection.h"
#include "link/port_list.h"
#include "link/transaction_engine.h"
#include "monitoring/monitor_log.h"
#include "monitoring/monitoring_engine.h"
#include "operations/live_readings.h"
#include "operations/transmitter_session.h"

namespace lmk17 {

TransmitterStack::TransmitterStack(UserInteraction& ui, QObject* parent)
    : QObject(parent),
      ui_(ui),
      port_(std::make_unique<TCommPortDriver>()),
      ports_(std::make_unique<PortList>()),
      connection_(std::make_unique<PortConnection>(*port_, *ports_)),
      engine_(std::make_unique<TransactionEngine>(*port_, ui)),
      model_(std::make_unique<ConfigModel>(ui)),
      session_(std::make_unique<TransmitterSession>(*engine_, *model_, ui)),
      live_(std::make_unique<LiveReadings>(*session_)),
      log_(std::make_unique<MonitorLog>()),
      monitoring_(std::make_unique<MonitoringEngine>(*session_, *log_)),
      linEditor_(std::make_unique<LinEditor>()) {
    TransactionEngine* engine = engine_.get();
    // The engine hears the port itself open, close and go away (whoever
    // does it): the connection only carries the addresses over.
    connect(connection_.get(), &PortConnection::transmitterAddressChanged, engine,
            &TransactionEngine::setTransmitterAddress);
    connect(connection_.get(), &PortConnection::masterAddressChanged, engine,
            &TransactionEngine::setMasterAddress);
    engine_->setTransmitterAddress(connection_->settings().transmitterAddress);
    engine_->setMasterAddress(connection_->settings().masterAddress);
    // A monitoring run outlives a lost port: its watch reopens this one.
    monitoring_->setPort(port_.get());

    // Every change the command states depend on: the engine's state, the
    // configuration's presence, origin, range and identity, undo, monitoring,
    // the repeating live operations, the port.
    const auto refresh = [this] { refreshCommandStates(); };
    connect(engine, &TransactionEngine::commandsEnabledChanged, this, refresh);
    ConfigModel* model = model_.get();
    connect(model, &ConfigModel::viewChanged, this, refresh);
    connect(model, &ConfigModel::configChanged, this, refresh);
    connect(model, &ConfigModel::identityChanged, this, refresh);
    connect(model, &ConfigModel::originChanged, this, refresh);
    connect(model, &ConfigModel::undoAvailable, this, refresh);
    connect(model, &ConfigModel::controlsChanged, this, refresh);
    connect(monitoring_.get(), &MonitoringEngine::activeChanged, this, refresh);
    connect(live_.get(), &LiveReadings::pageChanged, this, refresh);
    connect(connection_.get(), &PortConnection::statusChanged, this, refresh);
    states_ = computeCommandStates();

    // The operations' own pages come forward.
    connect(session_.get(), &TransmitterSession::inputPageRequested, this,
            [this] { requestPage(MainPage::Input); });
    connect(monitoring_.get(), &MonitoringEngine::activeChanged, this, [this](bool active) {
        if (active) requestPage(MainPage::Monitoring);
    });
    // The connection's status follows a run's lost and reopened port.
    connect(monitoring_.get(), &MonitoringEngine::portLostChanged, connection_.get(),
            &PortConnection::setPortLostByRun);
}

TransmitterStack::~TransmitterStack() {
    // The operations unregister from the engine as they go; the port closes last.
    monitoring_.reset();
    live_.reset();
    session_.reset();
    engine_.reset();
    if (port_->isOpen()) port_->close();
}

bool TransmitterStack::idle() const {
    return !session_->busy();
}

void TransmitterStack::refreshCommandStates() {
    const CommandStates states = computeCommandStates();
    if (states == states_) return;
    states_ = states;
    emit commandStatesChanged(states_);
}

CommandStates TransmitterStack::computeCommandStates() const {
    CommandContext context;
    context.monitoringRuns = monitoring_->active();
    context.configurationPresent = model_->hasConfiguration();
    context.linearizationAllowed = model_->allowsLinearization();
    context.outputTestAllowed = model_->allowsOutputTesting();
    // A repeating live operation holds the timed-request slot.
    const TmrReqRec& slot = engine_->timedRequest();
    context.pvReadingRepeats = !slot.empty() && slot.processCode == ProcessPV;
    context.outputTestRepeats = !slot.empty() && slot.processCode == ProcessOutputTest;
    context.undoAvailable = model_->undoEnabled();
    context.portConnected = connection_->isConnected();
    return CommandStatesFor(engine_->commandsEnabled(), context);
}

OperationOutcome TransmitterStack::runOperation(const std::function<bool()>& start, int timeoutMs) {
    QEventLoop loop;
    bool ended = false;
    const QMetaObject::Connection done =
        connect(session_.get(), &TransmitterSession::operationEnded, &loop, [&] {
            ended = true;
            loop.quit();
        });
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (timeoutMs >= 0) deadline.start(timeoutMs);

    // A start may be refused and still end an operation at once (no port:
    // the connect question was answered No), so the outcome is the ended
    // operation's whenever one ended.
    safetyReport_ = WriteSafetyReport{};
    const bool started = start();
    if (started && !ended) loop.exec();
    OperationOutcome outcome = OperationOutcome::None;
    if (ended)
        outcome = session_->lastOutcome();
    else if (started)
        outcome = OperationOutcome::Running;
    disconnect(done);
    return outcome;
}

}  // namespace lmk17
