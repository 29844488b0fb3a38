#include "monitoring/monitoring_engine.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <cmath>

#include "config/catalogue.h"
#include "config/identification_text.h"
#include "link/result_codes.h"
#include "link/transaction_engine.h"
#include "monitoring/monitor_record.h"
#include "monitoring/monitor_texts.h"
#include "operations/common_routines.h"
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
    connect(&monitorTimer_, &QTimer::timeout, this, &MonitoringEngine::sendPreparedReading);
    connect(&portWatch_, &MonitorPortWatch::portLost, this, &MonitoringEngine::onPortLost);
    connect(&portWatch_, &MonitorPortWatch::portResumed, this, &MonitoringEngine::onPortResumed);
    // The port comes back between exchanges, never under one still timing out.
    portWatch_.setReopenAllowed([this] { return !engine().requestOutstanding(); });
    connect(&periodTimer_, &QTimer::timeout, this, &MonitoringEngine::markPeriodElapsed);
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
    restartTimerAtCycleEnd_ = false;
    stopEnabled_ = true;
    emit activeChanged(true);
    emit stopEnabledChanged(true);
    monitorTimer_.stop();
    periodTimer_.stop();
    pvRequestPrepared_ = false;
    e.EnableCommands(false);

    run_.savedAddress = e.transmitterAddress();
    const QString file = MonitorLog::CleanFileName(runParams_.logFile);
    if (runParams_.logToFile && MonFormatIsCsv(runParams_.format))
        log_.openCsvFile(file, runParams_.append, csvStyle());
    else if (runParams_.logToFile)
        log_.openFile(file, runParams_.append, runParams_.logEncoding);
    else
        log_.startRun();
    resetGraph(runParams_.pointLimit);
    log_.writeHeader(clock_());

    for (const int address : runParams_.monitoredAddresses()) {
        MonitoredAddress t;
        t.address = address;
        run_.targets.push_back(t);
    }
    run_.current = 0;
    run_.address = run_.targets.front().address;
    portWatch_.arm(true);
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
    e.abandonExchange();
    run_.active = false;
    pvRequestPrepared_ = false;
    monitorTimer_.stop();
    periodTimer_.stop();
    portWatch_.arm(false);
    if (run_.portLost) {
        run_.portLost = false;
        emit portLostChanged(false);
    }
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

// ---- the graph ---------------------------------------------------------------------

void MonitoringEngine::resetGraph(int pointLimit) {
    graph_.setPointLimit(pointLimit);
    graph_.reset();
    emit graphReset();
}

void MonitoringEngine::setGraphSeries(int address, qint32 serialNumber, int unitCode, double lower,
                                      double upper) {
    graph_.setSeries(address, serialNumber, unitCode, lower, upper);
    emit graphSeriesChanged();
}

void MonitoringEngine::appendGraphPoint(int address, double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    const bool known = graph_.seriesOf(address) != nullptr;
    graph_.addPoint(address, x, y);
    if (!known) emit graphSeriesChanged();
    const MonitorGraphModel::Series* s = graph_.seriesOf(address);
    emit pointsAppended(int(s - graph_.series().data()));
}

void MonitoringEngine::clearGraph() {
    graph_.clear();
    emit graphCleared();
}

// ---- timers ------------------------------------------------------------------------

void MonitoringEngine::sendPreparedReading() {
    if (!run_.active || stopping_ || !pvRequestPrepared_) return;
    if (engine().requestOutstanding()) return;
    pvRequestPrepared_ = false;
    setIndicator(true);
    engine().SestavPrikaz();
}

void MonitoringEngine::markPeriodElapsed() {
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
        case MonitorStep::StoreSerial:
            return stepStoreSerial();
        case MonitorStep::StoreText1:
            return stepStoreText(false);
        case MonitorStep::StoreText2:
            return stepStoreText(true);
    }
}

void MonitoringEngine::stepSetup() {
    monitorTimer_.setInterval(runParams_.intervalMs);
    periodTimer_.setInterval(runParams_.periodMs());
    if (conditionsOn() && runParams_.onPeriod) periodTimer_.start();
    run_.info.previousPv = 0.0;
    run_.step = MonitorStep::Identify;
    if (run_.several()) return stepIdentifyTarget();
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
    sendRangeRequest();
}

void MonitoringEngine::sendRangeRequest() {
    TransactionEngine& e = engine();
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
    if (!answered()) return run_.several() ? targetFailed() : ErrorRWP52(engine(), false);
    // The wire carries the block's last array element first.
    const auto& v = engine().request().values;
    for (int i = 0; i < 4; ++i) run_.info.values[size_t(i)] = v[size_t(3 - i)];
    run_.step = MonitorStep::StoreUnit;
    sendRead(51, TypeInt16);
}

void MonitoringEngine::stepStoreUnit() {
    if (!answered()) return run_.several() ? targetFailed() : ErrorRWP52(engine(), false);
    run_.info.unitCode = quint8(engine().request().value16 & 0xFF);
    if (run_.several()) return targetReady();
    run_.step = MonitorStep::SetupDone;
    stepSetupDone();
}

void MonitoringEngine::stepSetupDone() {
    TransactionEngine& e = engine();
    if (run_.several()) {
        log_.writeColumnHeader(columnHeader());
        selectTarget(firstPolled());
    } else {
        log_.writeRangeBlock(run_.info.lowerLimit(), run_.info.upperLimit(),
                             UnitSymbol(run_.info.unitCode), columnHeader());
        setGraphSeries(run_.address, run_.info.serialNumber, run_.info.unitCode,
                       run_.info.lowerLimit(), run_.info.upperLimit());
        run_.targets[run_.current].info = run_.info;
    }
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
    LinkRequest& r = e.request();
    r = LinkRequest{};
    r.operation = OpRead;
    r.parameter = 0;
    r.dataType = TypeFloat;
    r.da = run_.address;
    run_.step = MonitorStep::EvaluatePV;
    // The tick starts a cycle; the other addresses follow at once (unless a
    // Stop is waiting: the cycle then goes on with the next tick).
    if (run_.current == firstPolled() || stopping_) {
        pvRequestPrepared_ = true;
        return;
    }
    e.SestavPrikaz();
}

void MonitoringEngine::stepEvaluatePV() {
    TransactionEngine& e = engine();
    setIndicator(true);
    if (e.state().result == ResultPortClosed) portWatch_.noticeClosedPort();
    const bool ok = answered();
    reading_ = MonitorReading{};
    reading_.moment = clock_();
    reading_.pv = ok ? e.request().value : 0.0;
    reading_.pvResult = e.state().result;
    if (!ok && conditionsOn() && runParams_.onCommError) run_.recordThisCycle = true;
    if (ok) appendGraphPoint(run_.address, DayNumberOf(reading_.moment), reading_.pv);
    if (conditionsOn() && runParams_.onChange) {
        const double previous = run_.info.previousPv;
        if (std::abs(reading_.pv - previous) >=
            runParams_.changePercent * std::abs(previous) / 100.0)
            run_.recordThisCycle = true;
    }
    run_.info.previousPv = reading_.pv;
    if (run_.several() && reading_.pvResult == ResultTimeout) {
        // A silent transmitter is not asked twice per cycle.
        reading_.statusResult = ResultTimeout;
        return endOfAddress();
    }
    run_.step = MonitorStep::EvaluateStatus;
    sendRead(215, TypeInt16);
}

void MonitoringEngine::stepEvaluateStatus() {
    TransactionEngine& e = engine();
    if (e.state().result == ResultPortClosed) portWatch_.noticeClosedPort();
    const bool ok = answered();
    reading_.errorState = ok ? quint8(e.request().value16 & 0xFF) : 0;
    reading_.statusResult = e.state().result;
    if (!ok && conditionsOn() && runParams_.onCommError) run_.recordThisCycle = true;
    if (reading_.errorState != 0 && conditionsOn() && runParams_.onErrorState)
        run_.recordThisCycle = true;
    endOfAddress();
}

void MonitoringEngine::endOfAddress() {
    if (run_.recordThisCycle) writeRecord();
    run_.line.clear();
    run_.targets[run_.current].info = run_.info;
    for (size_t i = run_.current + 1; i < run_.targets.size(); ++i) {
        if (run_.targets[i].leftOut) continue;
        selectTarget(i);
        run_.step = MonitorStep::RequestPV;
        return stepRequestPV();
    }
    run_.step = MonitorStep::EndOfCycle;
    stepEndOfCycle();
}

void MonitoringEngine::writeRecord() {
    if (MonFormatIsCsv(runParams_.format)) {
        MonCsvRecord c;
        c.moment = reading_.moment;
        c.address = run_.address;
        c.serialNumber = run_.info.serialNumber;
        if (reading_.pvResult == ResultReadOk) c.pv = reading_.pv;
        c.digits = runParams_.digits;
        c.unit = UnitSymbol(run_.info.unitCode);
        c.pvState = MonErrKod2Ret(reading_.pvResult);
        c.errorCode = MonErrorStateField(reading_.errorState).trimmed();
        c.statusState = MonErrKod2Ret(reading_.statusResult);
        run_.line = MonCsvRow(csvStyle(), c);
        log_.writeCsvRow(run_.line);
    } else {
        MonRecordFormat f;
        f.format = runParams_.format;
        f.separator = runParams_.separator;
        f.digits = runParams_.digits;
        run_.line = MonRecordLine(f, reading_);
        if (run_.several()) run_.line.prepend(MonAddressField(run_.address));
        log_.PrintMonMemo(run_.line);
    }
    emit recordWritten(run_.line);
}

void MonitoringEngine::stepEndOfCycle() {
    setIndicator(false);
    if (restartTimerAtCycleEnd_) {
        restartTimerAtCycleEnd_ = false;
        monitorTimer_.start();
    }
    run_.forceRecord = run_.periodElapsed;
    run_.periodElapsed = false;
    selectTarget(firstPolled());
    run_.step = MonitorStep::RequestPV;
    stepRequestPV();
}

// ---- several transmitters ---------------------------------------------------------

void MonitoringEngine::selectTarget(size_t index) {
    run_.current = index;
    run_.address = run_.targets[index].address;
    run_.info = run_.targets[index].info;
}

size_t MonitoringEngine::firstPolled() const {
    for (size_t i = 0; i < run_.targets.size(); ++i)
        if (!run_.targets[i].leftOut) return i;
    return 0;
}

void MonitoringEngine::stepIdentifyTarget() {
    engine().setTransmitterAddress(run_.address);
    run_.info = RangeInfo{};
    run_.step = MonitorStep::StoreSerial;
    sendRead(101, TypeInt32);
}

void MonitoringEngine::stepStoreSerial() {
    if (!answered()) return targetFailed();
    const qint32 serial = engine().request().value32;
    run_.info.serialNumber = serial >= 1 ? serial : 0;
    run_.step = MonitorStep::StoreText1;
    TransactionEngine& e = engine();
    LinkRequest& r = e.request();
    r = LinkRequest{};
    r.operation = OpRead;
    r.parameter = 120;
    r.dataType = TypeText;
    r.row = 2;
    r.da = run_.address;
    e.SestavPrikaz();
}

void MonitoringEngine::stepStoreText(bool second) {
    if (!answered()) return targetFailed();
    TransactionEngine& e = engine();
    MonitoredAddress& t = run_.targets[run_.current];
    const QByteArray part = e.request().text.left(kWireTextLength);
    if (!second) {
        // The first half waits in the type text until the second arrives.
        t.typeText = QString::fromLatin1(part);
        run_.step = MonitorStep::StoreText2;
        LinkRequest& r = e.request();
        r = LinkRequest{};
        r.operation = OpRead;
        r.parameter = 120;
        r.dataType = TypeText;
        r.row = 3;
        r.da = run_.address;
        e.SestavPrikaz();
        return;
    }
    t.typeText = ParseIdentificationText(t.typeText.toLatin1() + part).typeText;
    // Every address gets its line, so that each range line has its owner.
    log_.writeAddressLine(run_.address, t.typeText, run_.info.serialNumber);
    sendRangeRequest();
}

void MonitoringEngine::targetReady() {
    log_.writeRangeLine(run_.info.lowerLimit(), run_.info.upperLimit(),
                        UnitSymbol(run_.info.unitCode));
    setGraphSeries(run_.address, run_.info.serialNumber, run_.info.unitCode, run_.info.lowerLimit(),
                   run_.info.upperLimit());
    run_.targets[run_.current].info = run_.info;
    nextTarget();
}

void MonitoringEngine::targetFailed() {
    TransactionEngine& e = engine();
    // No port: the question and its ending, as for one transmitter.
    if (e.state().result == ResultPortClosed) {
        e.operation().pendingCode = ProcessMonitoring;
        return ErrorRWP52(e, false);
    }
    log_.writeNoCommunication(run_.address);
    run_.targets[run_.current].leftOut = true;
    nextTarget();
}

void MonitoringEngine::nextTarget() {
    if (run_.current + 1 < run_.targets.size()) {
        selectTarget(run_.current + 1);
        run_.step = MonitorStep::Identify;
        return stepIdentifyTarget();
    }
    if (run_.polledCount() == 0) return (void)stop(false);
    run_.step = MonitorStep::SetupDone;
    stepSetupDone();
}

MonCsvStyle MonitoringEngine::csvStyle() const {
    return runParams_.format == kMonFormatCsvSemicolon ? MonCsvStyle::Semicolon()
                                                       : MonCsvStyle::Comma();
}

QString MonitoringEngine::columnHeader() const {
    if (MonFormatIsCsv(runParams_.format)) return MonCsvHeader(csvStyle());
    QString text = MonFormatText(runParams_.format);
    qsizetype lead = 0;
    while (lead < text.size() && text.at(lead) == QLatin1Char(' ')) ++lead;
    text.remove(0, lead);
    if (run_.several()) text.prepend(QLatin1String(texts::kMonAddressColumn));
    return text;
}

// ---- a lost port -------------------------------------------------------------------

void MonitoringEngine::onPortLost(const QString& deviceName) {
    if (!run_.active) return;
    run_.portLost = true;
    log_.writePortLost(clock_(), deviceName);
    emit portLostChanged(true);
}

void MonitoringEngine::onPortResumed(const QString& deviceName) {
    if (!run_.active) return;
    // Nothing is in flight (the watch waits for that): start collecting afresh.
    engine().ResetReceiveState();
    run_.portLost = false;
    log_.writePortResumed(clock_(), deviceName);
    emit portLostChanged(false);
    // The reopened line settles before its first request goes out, longer
    // than a short interval: a tick meanwhile would find the link busy and
    // its cycle would have no record. The cycles start afresh from here
    // instead: the waiting cycle is sent now and the timer runs again from
    // its end.
    if (!pvRequestPrepared_ || stopping_) return;
    monitorTimer_.stop();
    restartTimerAtCycleEnd_ = true;
    pvRequestPrepared_ = false;
    setIndicator(true);
    engine().SestavPrikaz();
}

}  // namespace lmk17
