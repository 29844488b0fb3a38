#include "monitoring/monitoring_engine.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <cmath>

#include "config/catalogue.h"
#include "link/result_codes.h"
#include "link/transaction_engine.h"
#include "monitoring/monitor_record.h"
#include "monitoring/monitor_texts.h"
#include "operations/transmitter_session.h"

namespace lmk17 {

namespace {

constexpr int kStopWaitRounds = 10;
constexpr int kStopWaitMs = 50;

QString MonitoringText(const char* text) {
    return QCoreApplication::translate("Monitoring", text);
}

}  // namespace

MonitoringEngine::MonitoringEngine(TransmitterSession& session, MonitorLog& log, QObject* parent)
    : QObject(parent),
      session_(session),
      log_(log),
      clock_([] { return QDateTime::currentDateTime(); }) {
    monitorTimer_.setTimerType(Qt::PreciseTimer);
    connect(&monitorTimer_, &QTimer::timeout, this, &MonitoringEngine::MonitorTimerTimer);
    connect(&periodTimer_, &QTimer::timeout, this, &MonitoringEngine::MonPeriodTimerTimer);
    TransactionEngine& e = engine();
    e.registerOperation(
        ProcessMonitoring, [this] { Monitorovani(); }, [this] { stop(false); });
    // The engine's lines for a start-up that failed (declined repeat, no port).
    connect(&e, &TransactionEngine::monitoringLine, &log_, &MonitorLog::PrintMonMemo);
    // Reported from the event loop, never from inside a step of the run.
    connect(
        &log_, &MonitorLog::fileFailed, this,
        [this](const QString& message) { session_.ui().message(MessageKind::Warning, message); },
        Qt::QueuedConnection);
}

MonitoringEngine::~MonitoringEngine() {
    // The engine may outlive the monitoring: nothing may call into it afterwards.
    engine().registerOperation(ProcessMonitoring, {});
}

TransactionEngine& MonitoringEngine::engine() {
    return session_.engine();
}

void MonitoringEngine::setClock(Clock clock) {
    clock_ = clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); });
}

void MonitoringEngine::setIndicator(bool busy) {
    if (indicatorBusy_ == busy) return;
    indicatorBusy_ = busy;
    emit indicatorChanged(busy);
}

// ---- start and stop ---------------------------------------------------------------

bool MonitoringEngine::startMonitoring() {
    TransactionEngine& e = engine();
    if (run_.active || e.requestOutstanding()) return false;
    // Another operation owns the link (its commands are disabled anyway).
    if (e.operation().running()) return false;
    runParams_ = params_;
    run_ = MonitoringRun{};
    run_.active = true;
    stopEnabled_ = true;
    emit activeChanged(true);
    emit stopEnabledChanged(true);
    monitorTimer_.stop();
    periodTimer_.stop();
    pvRequestPrepared_ = false;
    e.EnableCommands(false);

    run_.savedAddress = e.transmitterAddress();
    if (runParams_.logToFile)
        log_.openFile(MonitorLog::CleanFileName(runParams_.logFile), runParams_.append);
    graph_.setPointLimit(runParams_.pointLimit);
    graph_.clear();
    emit graphChanged();
    log_.writeHeader(clock_());

    run_.address = runParams_.address;
    e.operation().processCode = ProcessMonitoring;
    run_.step = MonitorStep::Setup;
    Monitorovani();
    return true;
}

bool MonitoringEngine::stopMonitoring() {
    return stop(true);
}

bool MonitoringEngine::stopConfirmed() {
    return stop(false);
}

bool MonitoringEngine::stop(bool ask) {
    if (!run_.active) return false;
    if (engine().requestOutstanding() && !waitForOutstandingRequest()) return false;
    if (ask && engine().operation().processCode == ProcessMonitoring) {
        stopping_ = true;
        const bool yes = session_.ui().question(Question::StopMonitoring, MessageKind::Confirmation,
                                                MonitoringText(texts::kMonStopQuestion));
        stopping_ = false;
        if (!yes || !run_.active) return false;
    }
    finishStop();
    return true;
}

// Stop waits a moment for the exchange in flight (at most ten rounds of
// 50 ms); ticks hold off meanwhile so that no new cycle starts.
bool MonitoringEngine::waitForOutstandingRequest() {
    TransactionEngine& e = engine();
    stopEnabled_ = false;
    emit stopEnabledChanged(false);
    stopping_ = true;
    for (int i = 0; i < kStopWaitRounds && e.requestOutstanding(); ++i) {
        QCoreApplication::processEvents();
        QEventLoop wait;
        QTimer::singleShot(kStopWaitMs, &wait, &QEventLoop::quit);
        wait.exec();
    }
    stopping_ = false;
    stopEnabled_ = true;
    emit stopEnabledChanged(run_.active);
    return !e.requestOutstanding() && run_.active;
}

void MonitoringEngine::finishStop() {
    TransactionEngine& e = engine();
    run_.active = false;
    pvRequestPrepared_ = false;
    monitorTimer_.stop();
    periodTimer_.stop();
    setIndicator(false);
    emit activeChanged(false);
    emit stopEnabledChanged(false);
    log_.writeFooter(clock_());
    log_.closeFile();
    e.setTransmitterAddress(run_.savedAddress);
    emit transmitterAddressRestored(run_.savedAddress);
    e.operation().clear();
    e.EnableCommands(true);
}

// ---- timers ------------------------------------------------------------------------

void MonitoringEngine::MonitorTimerTimer() {
    if (!run_.active || stopping_ || !pvRequestPrepared_) return;
    if (engine().requestOutstanding()) return;
    pvRequestPrepared_ = false;
    setIndicator(true);
    engine().SestavPrikaz();
}

void MonitoringEngine::MonPeriodTimerTimer() {
    run_.periodElapsed = true;
}

// ---- the steps -----------------------------------------------------------------------

void MonitoringEngine::sendRead(int parameter, int dataType) {
    TransactionEngine& e = engine();
    LinkRequest& r = e.request();
    r = LinkRequest{};
    r.operation = OpRead;
    r.parameter = parameter;
    r.dataType = dataType;
    r.da = run_.address;
    e.SestavPrikaz();
}

bool MonitoringEngine::answered() const {
    return session_.engine().state().result == ResultReadOk;
}

void MonitoringEngine::Monitorovani() {
    TransactionEngine& e = engine();
    if (!run_.active) return;
    e.setAttempts(e.timing().attempts);
    switch (run_.step) {
        case MonitorStep::Setup:
            return stepSetup();
        case MonitorStep::Identify:
            return stepIdentify();
        case MonitorStep::ReadRange:
            return stepReadRange();
        case MonitorStep::StoreRange:
            return stepStoreRange();
        case MonitorStep::StoreUnit:
            return stepStoreUnit();
        case MonitorStep::SetupDone:
            return stepSetupDone();
        case MonitorStep::CycleStart:
            run_.forceRecord = run_.periodElapsed;
            run_.periodElapsed = false;
            run_.step = MonitorStep::RequestPV;
            return stepRequestPV();
        case MonitorStep::RequestPV:
            return stepRequestPV();
        case MonitorStep::EvaluatePV:
            return stepEvaluatePV();
        case MonitorStep::RequestStatus:
            run_.step = MonitorStep::EvaluateStatus;
            return sendRead(215, TypeInt16);
        case MonitorStep::EvaluateStatus:
            return stepEvaluateStatus();
        case MonitorStep::EndOfCycle:
            return stepEndOfCycle();
    }
}

void MonitoringEngine::stepSetup() {
    monitorTimer_.setInterval(runParams_.intervalMs);
    periodTimer_.setInterval(runParams_.periodMs());
    if (conditionsOn() && runParams_.onPeriod) periodTimer_.start();
    run_.info.previousPv = 0.0;
    run_.step = MonitorStep::Identify;
    stepIdentify();
}

void MonitoringEngine::stepIdentify() {
    TransactionEngine& e = engine();
    e.setTransmitterAddress(run_.address);
    run_.step = MonitorStep::ReadRange;
    OperationRecord& op = e.operation();
    op.pendingCode = ProcessMonitoring;
    op.pendingStep = int(MonitorStep::ReadRange);
    session_.ReadVyrCislo();
}

void MonitoringEngine::stepReadRange() {
    TransactionEngine& e = engine();
    // Until the start-up reads are done the run counts as the return of its
    // identification: a failed read gives the monitoring lines and ends it.
    e.operation().pendingCode = ProcessMonitoring;
    e.operation().pendingStep = int(MonitorStep::ReadRange);
    const DeviceIdentity& id = session_.workingIdentity();
    if (id.serialNumber >= 1) {
        run_.info.serialNumber = id.serialNumber;
        log_.writeAddressLine(run_.address, id.typeText, id.serialNumber);
    } else {
        run_.info.serialNumber = 0;
    }
    run_.step = MonitorStep::StoreRange;
    LinkRequest& r = e.request();
    r = LinkRequest{};
    r.operation = OpRead;
    r.parameter = 50;
    r.dataType = TypeBlock;
    r.row = 0;
    r.subIndex = 0;
    r.count = 1;
    r.size = 4;
    r.da = run_.address;
    e.SestavPrikaz();
}

void MonitoringEngine::stepStoreRange() {
    if (!answered()) return engine().ErrorRWP52(false);
    // The wire carries the block's last array element first.
    const auto& v = engine().request().values;
    for (int i = 0; i < 4; ++i) run_.info.values[size_t(i)] = v[size_t(3 - i)];
    run_.step = MonitorStep::StoreUnit;
    sendRead(51, TypeInt16);
}

void MonitoringEngine::stepStoreUnit() {
    if (!answered()) return engine().ErrorRWP52(false);
    run_.info.unitCode = quint8(engine().request().value16 & 0xFF);
    run_.step = MonitorStep::SetupDone;
    stepSetupDone();
}

void MonitoringEngine::stepSetupDone() {
    TransactionEngine& e = engine();
    log_.writeRangeBlock(run_.info.lowerLimit(), run_.info.upperLimit(),
                         UnitSymbol(run_.info.unitCode), MonFormatText(runParams_.format));
    graph_.setRange(run_.info.lowerLimit(), run_.info.upperLimit());
    graph_.setUnitCode(run_.info.unitCode);
    monitorTimer_.start();
    run_.forceRecord = true;
    run_.periodElapsed = false;
    e.operation().pendingCode = ProcessNone;
    e.operation().pendingStep = 0;
    run_.step = MonitorStep::RequestPV;
    stepRequestPV();
}

void MonitoringEngine::stepRequestPV() {
    TransactionEngine& e = engine();
    run_.recordThisCycle = runParams_.writeAll || run_.forceRecord;
    e.setTransmitterAddress(run_.address);
    pv_ = 0.0;
    LinkRequest& r = e.request();
    r = LinkRequest{};
    r.operation = OpRead;
    r.parameter = 0;
    r.dataType = TypeFloat;
    r.da = run_.address;
    run_.step = MonitorStep::EvaluatePV;
    pvRequestPrepared_ = true;
}

void MonitoringEngine::stepEvaluatePV() {
    TransactionEngine& e = engine();
    setIndicator(true);
    const QDateTime now = clock_();
    const bool ok = answered();
    pv_ = ok ? e.request().value : 0.0;
    run_.line = MonTimeStampField(runParams_.format, now) +
                MonPvField(pv_, runParams_.digits, runParams_.separator);
    if (!ok && conditionsOn() && runParams_.onCommError) run_.recordThisCycle = true;
    if (ok) {
        graph_.addPoint(DayNumber(now), pv_);
        emit graphChanged();
    }
    run_.line += MonErrKod2Ret(e.state().result) + QLatin1Char(' ');
    if (conditionsOn() && runParams_.onChange) {
        const double previous = run_.info.previousPv;
        if (std::abs(pv_ - previous) >= runParams_.changePercent * std::abs(previous) / 100.0)
            run_.recordThisCycle = true;
    }
    run_.info.previousPv = pv_;
    run_.step = MonitorStep::EvaluateStatus;
    sendRead(215, TypeInt16);
}

void MonitoringEngine::stepEvaluateStatus() {
    TransactionEngine& e = engine();
    const bool ok = answered();
    const quint8 state = ok ? quint8(e.request().value16 & 0xFF) : 0;
    run_.line += MonErrorStateField(state);
    if (!ok && conditionsOn() && runParams_.onCommError) run_.recordThisCycle = true;
    run_.line += MonErrKod2Ret(e.state().result) + QLatin1Char(' ');
    if (state != 0) {
        run_.line += QLatin1String(texts::kMonAttention);
        if (conditionsOn() && runParams_.onErrorState) run_.recordThisCycle = true;
    }
    run_.step = MonitorStep::EndOfCycle;
    stepEndOfCycle();
}

void MonitoringEngine::stepEndOfCycle() {
    if (run_.recordThisCycle) {
        log_.PrintMonMemo(run_.line);
        emit recordWritten(run_.line);
    }
    run_.line.clear();
    setIndicator(false);
    run_.forceRecord = run_.periodElapsed;
    run_.periodElapsed = false;
    run_.step = MonitorStep::RequestPV;
    stepRequestPV();
}

}  // namespace lmk17
