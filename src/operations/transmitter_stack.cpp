#include "operations/transmitter_stack.h"

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

    connect(engine, &TransactionEngine::commandsEnabledChanged, this,
            &TransmitterStack::commandStatesChanged);
    connect(model_.get(), &ConfigModel::viewChanged, this, &TransmitterStack::commandStatesChanged);
    connect(model_.get(), &ConfigModel::identityChanged, this,
            &TransmitterStack::commandStatesChanged);
    connect(monitoring_.get(), &MonitoringEngine::activeChanged, this,
            &TransmitterStack::commandStatesChanged);
    connect(live_.get(), &LiveReadings::pageChanged, this, &TransmitterStack::commandStatesChanged);
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
    return !engine_->operation().running() && !engine_->requestOutstanding();
}

CommandStates TransmitterStack::commandStates() const {
    CommandContext context;
    context.monitoringRuns = monitoring_->active();
    context.configurationPresent = model_->hasConfiguration();
    context.linearizationAllowed = model_->allowsLinearization();
    context.outputTestAllowed = model_->allowsOutputTesting();
    // A repeating live operation holds the timed-request slot.
    const TmrReqRec& slot = engine_->timedRequest();
    context.pvReadingRepeats = !slot.empty() && slot.processCode == ProcessPV;
    context.outputTestRepeats = !slot.empty() && slot.processCode == ProcessOutputTest;
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
