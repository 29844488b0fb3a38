#include "link/transaction_engine.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstring>
#include <utility>

#include "link/frame.h"
#include "link/line_record.h"
#include "link/line_trace.h"
#include "link/result_codes.h"

namespace lmk17 {

namespace {

qint64 monotonicMs() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

void makeTimer(QTimer& timer, bool singleShot) {
    timer.setSingleShot(singleShot);
    timer.setTimerType(Qt::PreciseTimer);
}

}  // namespace

TransactionEngine::TransactionEngine(LinkPort& port, UserInteraction& ui, QObject* parent)
    : QObject(parent),
      port_(port),
      ui_(ui),
      clock_(monotonicMs),
      recordFolder_(DefaultLineRecordFolder()) {
    makeTimer(answerTimer_, true);
    makeTimer(repeatTimer_, true);
    makeTimer(incompleteTimer_, true);
    makeTimer(slotTimer_, false);
    makeTimer(settleTimer_, true);
    makeTimer(quietDeadline_, true);
    makeTimer(quietProgress_, false);
    setTiming(LinkTiming{});
    connect(&answerTimer_, &QTimer::timeout, this, &TransactionEngine::answerTimeout);
    connect(&repeatTimer_, &QTimer::timeout, this, &TransactionEngine::repeatDelayElapsed);
    connect(&incompleteTimer_, &QTimer::timeout, this, &TransactionEngine::incompleteReset);
    connect(&slotTimer_, &QTimer::timeout, this, &TransactionEngine::slotTick);
    connect(&settleTimer_, &QTimer::timeout, this, &TransactionEngine::lineSettled);
    connect(&quietDeadline_, &QTimer::timeout, this, &TransactionEngine::quietLineDeadline);
    connect(&quietProgress_, &QTimer::timeout, this, [this] {
        if (quietProgressShown_) {
            SetProgress(progress_.position + 1);
            return;
        }
        // A short wait (the usual answer window after an open) shows
        // nothing; a line that stays busy for longer than an answer window
        // gets a progress window, which Esc breaks.
        if (++quietTicks_ < 10 || progress_.visible || state_.questionOpen) return;
        quietProgressShown_ = true;
        openProgress(quietLineCaption_ ? quietLineCaption_() : QString(),
                     quietDeadline_.interval() / quietProgress_.interval(), false);
        SetProgress(quietTicks_);
    });
    connect(&port_, &LinkPort::received, this, &TransactionEngine::CommPortDriverReceiveData);
    connect(&port_, &LinkPort::opened, this, &TransactionEngine::portOpened);
    connect(&port_, &LinkPort::closed, this, &TransactionEngine::PortClosed);
    connect(&port_, &LinkPort::linkLost, this, &TransactionEngine::PortClosed);
}

// A program that ends with the port open leaves the record a close would.
TransactionEngine::~TransactionEngine() {
    writeClosingRecord();
}

void TransactionEngine::setTiming(const LinkTiming& timing) {
    timing_ = timing;
    answerTimer_.setInterval(timing_.answerTimeoutMs);
    repeatTimer_.setInterval(timing_.repeatDelayMs);
    incompleteTimer_.setInterval(timing_.incompleteResetMs);
    slotTimer_.setInterval(timing_.slotTickMs);
    settleTimer_.setInterval(timing_.answerTimeoutMs);
    quietDeadline_.setInterval(std::max(1, timing_.quietLineWindows) * timing_.answerTimeoutMs);
    quietProgress_.setInterval(std::max(1, timing_.answerTimeoutMs / 10));
}

void TransactionEngine::setTrace(LineTrace* trace) {
    trace_ = trace;
}

LineTrace* TransactionEngine::trace() const {
    return trace_.data();
}

void TransactionEngine::setClock(Clock clock) {
    clock_ = clock ? std::move(clock) : Clock(monotonicMs);
}

void TransactionEngine::registerOperation(ProcessCode processCode, StepFunction step,
                                          EndRoutine end) {
    operations_[processCode] = Registration{std::move(step), std::move(end)};
}

bool TransactionEngine::hasEndRoutine(ProcessCode processCode) const {
    const auto it = operations_.find(processCode);
    return it != operations_.end() && it->second.end;
}

void TransactionEngine::runEndRoutine(ProcessCode processCode) {
    const auto it = operations_.find(processCode);
    if (it != operations_.end() && it->second.end) it->second.end();
}

// ---- sending ------------------------------------------------------------------

void TransactionEngine::SestavPrikaz() {
    sendRequest(false);
}

// A repeat (after a time-out, or the repeat question's Yes) sends the same
// request again: whichever copy is answered first answers it, so it need not
// wait for the line to settle.
void TransactionEngine::sendRequest(bool repeat) {
    if (!port_.isOpen()) return refuse(ResultPortClosed);
    if (request_.operation != OpRead && request_.operation != OpWrite)
        return refuse(ResultBadRequest);
    if (state_.requestOutstanding) return refuse(ResultBusy);
    state_.requestOutstanding = true;
    repeatSend_ = repeat;
    if (settling_ && !repeat) return holdSendForQuietLine();
    transmit();
}

void TransactionEngine::transmit() {
    OdesliBuff(BuildRequestFrame(request_, masterAddress_));
    // An answer may come as late after this send as after the one before.
    if (settling_) startSettleWindow(timing_.answerTimeoutMs);
}

void TransactionEngine::refuse(int result) {
    state_.result = result;
    VyberProces();
}

void TransactionEngine::OdesliBuff(const QByteArray& frame) {
    // The frame passes through the transfer buffer that the answer then
    // fills; byte 1 is spoiled so that a long answer cannot look complete
    // before its own length byte has arrived.
    const int n = std::min<int>(int(frame.size()), kFrameBufferSize);
    std::memcpy(state_.buffer.data(), frame.constData(), size_t(n));
    port_.purge();
    heldBytes_.clear();
    state_.buffer[1] = 250;
    state_.frameInProcessing = false;
    state_.count = 0;
    incompleteTimer_.stop();
    flushLateTrace();
    lastSent_ = frame;
    lastSendWallMs_ = QDateTime::currentMSecsSinceEpoch();
    port_.send(frame);
    answerStarted_ = false;
    answerTimer_.start(timing_.answerStartMs > 0 ? timing_.answerStartMs : timing_.answerTimeoutMs);
    if (trace_)
        trace_->add(true, frame, repeatSend_ ? TraceVerdict::Repeat : TraceVerdict::Request,
                    request_);
    repeatSend_ = false;
    emit frameSent(frame);
}

// ---- receiving ------------------------------------------------------------------

void TransactionEngine::CommPortDriverReceiveData(const QByteArray& bytes) {
    // Never re-entered: what arrives while the routine (and the dispatch it
    // makes) runs is held and collected right after, in order.
    if (receiving_) {
        heldBytes_.append(bytes);
        return;
    }
    receiving_ = true;
    QByteArray chunk = bytes;
    for (;;) {
        collect(chunk);
        if (heldBytes_.isEmpty()) break;
        chunk = std::exchange(heldBytes_, QByteArray());
    }
    receiving_ = false;
}

void TransactionEngine::collect(const QByteArray& bytes) {
    if (bytes.isEmpty()) return;
    if (!awaitingAnswer()) {
        // Nobody asked for it: an answer to something given up, or a
        // stranger on the line. Whatever follows it is not to be trusted
        // either until the line has been quiet.
        if (trace_) traceLate(bytes);
        settleLine();
        return;
    }
    if (settling_) startSettleWindow(timing_.answerTimeoutMs);
    if (state_.frameInProcessing) return;
    QByteArray noise;  // dropped before a start byte, for the trace
    for (const char c : bytes) {
        const auto byte = std::uint8_t(c);
        if (state_.count == 0 && byte != kShortStart && byte != kLongStart) {
            if (trace_) noise.append(c);
            continue;
        }
        if (!noise.isEmpty()) traceNoise(std::exchange(noise, QByteArray()));
        const int at = std::min(state_.count, kFrameBufferSize - 1);
        state_.buffer[size_t(at)] = byte;
        state_.count = at + 1;
        if (timing_.answerStartMs > 0 && !answerStarted_) {
            answerStarted_ = true;
            answerTimer_.start(timing_.answerTimeoutMs);
        }
        if (takeCompleteFrame()) {
            // Bytes after a complete answer in the same chunk are not used.
            ZpracujPrikaz();
            return;
        }
    }
    if (!noise.isEmpty()) traceNoise(noise);
    if (state_.count > 0) incompleteTimer_.start();
}

void TransactionEngine::traceNoise(const QByteArray& bytes) {
    if (trace_) trace_->add(false, bytes, TraceVerdict::NoiseDropped, request_);
}

// Bytes nobody asked for are dropped as they come; the trace shows them as
// the frames they make up (a paced line delivers them a few at a time).
void TransactionEngine::traceLate(const QByteArray& bytes) {
    lateBytes_ += bytes;
    for (;;) {
        qsizetype start = 0;
        while (start < lateBytes_.size() && lateBytes_[start] != char(kShortStart) &&
               lateBytes_[start] != char(kLongStart))
            ++start;
        if (start > 0) {
            trace_->add(false, lateBytes_.left(start), TraceVerdict::Late, request_);
            lateBytes_.remove(0, start);
        }
        const int expected = ExpectedFrameLength(
            reinterpret_cast<const std::uint8_t*>(lateBytes_.constData()), int(lateBytes_.size()));
        if (expected <= 0 || lateBytes_.size() < expected) break;
        trace_->add(false, lateBytes_.left(expected), TraceVerdict::Late, request_);
        lateBytes_.remove(0, expected);
    }
    if (lateBytes_.size() >= kFrameBufferSize) flushLateTrace();
}

void TransactionEngine::flushLateTrace() {
    if (lateBytes_.isEmpty()) return;
    if (trace_) trace_->add(false, lateBytes_, TraceVerdict::Late, request_);
    lateBytes_.clear();
}

// True when the collected bytes form a complete answer to decode. A frame
// identical to the request just sent is the echo of an RS-485 converter: it
// is dropped and collection goes on with the answer behind it. So is a frame
// whose kind and length cannot answer the request: it belongs to another
// request and never becomes a value.
bool TransactionEngine::takeCompleteFrame() {
    const int expected = ExpectedFrameLength(state_.buffer.data(), state_.count);
    if (expected <= 0 || state_.count < expected) return false;
    const QByteArray frame(reinterpret_cast<const char*>(state_.buffer.data()), expected);
    emit frameReceived(frame);
    if (frame == lastSent_) {
        if (trace_) trace_->add(false, frame, TraceVerdict::EchoDropped, request_);
        state_.count = 0;
        if (timing_.answerStartMs > 0) {
            // The answer starts after the echo, not with it.
            answerStarted_ = false;
            answerTimer_.start(timing_.answerStartMs);
        }
        return false;
    }
    if (!awaitingAnswer()) {
        if (trace_) trace_->add(false, frame, TraceVerdict::Late, request_);
        // Nobody asked for it (a late duplicate after a time-out or a stop):
        // it must not advance an operation that waits for something else.
        state_.count = 0;
        return false;
    }
    if (!AnswerFitsRequest(state_.buffer.data(), expected, request_)) {
        if (trace_) trace_->add(false, frame, TraceVerdict::Misshapen, request_);
        state_.count = 0;
        settleLine();
        return false;
    }
    state_.frameInProcessing = true;
    return true;
}

void TransactionEngine::ZpracujPrikaz() {
    answerTimer_.stop();
    repeatTimer_.stop();
    incompleteTimer_.stop();
    state_.result = 0;
    if (trace_) {
        const QByteArray frame(reinterpret_cast<const char*>(state_.buffer.data()), state_.count);
        trace_->add(false, frame, TraceVerdict::Answer, request_);
    }
    bool deviceError = state_.deviceError;
    const AnswerOutcome outcome =
        DecodeAnswer(state_.buffer.data(), state_.count, request_, deviceError);
    state_.result = outcome.result;
    state_.deviceError = deviceError;
    state_.requestOutstanding = false;
    state_.frameInProcessing = false;
    // The answer is consumed; stray bytes after it must not complete it again.
    state_.count = 0;
    VyberProces();
}

void TransactionEngine::incompleteReset() {
    if (state_.frameInProcessing) return;
    if (trace_ && state_.count > 0)
        trace_->add(false,
                    QByteArray(reinterpret_cast<const char*>(state_.buffer.data()),
                               std::min(state_.count, kFrameBufferSize)),
                    TraceVerdict::NoiseDropped, request_, QStringLiteral("incomplete"));
    state_.count = 0;
}

// ---- time-out and repeat -----------------------------------------------------

void TransactionEngine::answerTimeout() {
    answerTimer_.stop();
    port_.purge();
    heldBytes_.clear();
    incompleteTimer_.stop();
    state_.count = 0;
    state_.requestOutstanding = false;
    state_.frameInProcessing = false;
    // The answer may still come, after the repeat or the next request went out.
    if (timing_.settleAfterTimeout) settleLine();
    --state_.attemptsLeft;
    if (trace_) {
        // A trace line is a file text, the same in every language.
        const QString said = state_.attemptsLeft == 0
                                 ? QStringLiteral("no answer, last attempt")  // notr
                                 : QStringLiteral("no answer");               // notr
        trace_->add(false, QByteArray(), TraceVerdict::Timeout, request_, said);
    }
    // Below zero (after a repeat the user asked for) the request goes on
    // being re-sent until an answer arrives or the operation is broken.
    if (state_.attemptsLeft != 0) {
        repeatTimer_.start();
        return;
    }
    state_.result = ResultTimeout;
    VyberProces();
}

void TransactionEngine::repeatDelayElapsed() {
    repeatTimer_.stop();
    sendRequest(true);
}

void TransactionEngine::abandonExchange() {
    const bool onTheLine = awaitingAnswer() || repeatTimer_.isActive();
    answerTimer_.stop();
    repeatTimer_.stop();
    incompleteTimer_.stop();
    sendHeld_ = false;
    quietDeadline_.stop();
    closeQuietLineProgress();
    state_.requestOutstanding = false;
    state_.frameInProcessing = false;
    state_.count = 0;
    heldBytes_.clear();
    if (onTheLine) settleLine();
}

// ---- settling the line -------------------------------------------------------------

void TransactionEngine::settleLine() {
    startSettleWindow(timing_.answerTimeoutMs);
}

// The window ends `ms` from now: a full one, or the rest of one that another
// program started.
void TransactionEngine::startSettleWindow(int ms) {
    settling_ = true;
    settleTimer_.start(ms);
    windowStartWallMs_ = QDateTime::currentMSecsSinceEpoch() - (timing_.answerTimeoutMs - ms);
}

void TransactionEngine::holdSendForQuietLine() {
    sendHeld_ = true;
    quietDeadline_.start();
    // An operation without a progress window of its own (identification, a
    // single reading) would otherwise show nothing while a long wait lasts.
    quietTicks_ = 0;
    quietProgress_.start();
}

void TransactionEngine::closeQuietLineProgress() {
    quietProgress_.stop();
    if (!quietProgressShown_) return;
    quietProgressShown_ = false;
    closeProgress();
}

// The line never fell quiet: the request ends unsent, as a refusal does.
void TransactionEngine::quietLineDeadline() {
    if (!sendHeld_) return;
    sendHeld_ = false;
    closeQuietLineProgress();
    state_.requestOutstanding = false;
    refuse(ResultLineBusy);
}

void TransactionEngine::lineSettled() {
    settling_ = false;
    flushLateTrace();
    if (!sendHeld_) return;
    sendHeld_ = false;
    quietDeadline_.stop();
    closeQuietLineProgress();
    if (!port_.isOpen()) {
        state_.requestOutstanding = false;
        return refuse(ResultPortClosed);
    }
    transmit();
}

// ---- dispatch ---------------------------------------------------------------------

void TransactionEngine::VyberProces() {
    emit exchangeEnded(state_.result, state_.deviceError);
    if (state_.questionOpen) {
        state_.answerDeferred = true;
        return;
    }
    callOperation();
}

void TransactionEngine::callOperation() {
    state_.answerDeferred = false;
    const auto it = operations_.find(operation_.processCode);
    if (operation_.processCode == ProcessNone || it == operations_.end() || !it->second.step)
        return;
    // A copy: the step may register or replace operations.
    const StepFunction step = it->second.step;
    step();
}

// ---- port events ----------------------------------------------------------------

void TransactionEngine::ResetReceiveState() {
    state_.count = 0;
    state_.frameInProcessing = false;
    state_.requestOutstanding = false;
    sendHeld_ = false;
    heldBytes_.clear();
    incompleteTimer_.stop();
}

// What arrives first on a freshly opened port may be the answer to a request
// of a program that ended in the middle of an exchange. The record the last
// program left on the device says how long that can be; without one the
// whole answer window.
void TransactionEngine::portOpened() {
    writeClosingRecord();  // opened again without a close in between
    ResetReceiveState();
    recordPath_ = LineRecordPath(recordFolder_, port_.deviceName());
    if (recordPath_.isEmpty()) return settleLine();
    recordDevice_ = DeviceStamp(port_.deviceName());
    const int wait = QuietWaitMs(ReadLineRecord(recordPath_), recordDevice_,
                                 QDateTime::currentMSecsSinceEpoch(), timing_.answerTimeoutMs);
    // While the port is open the record says "busy": a program killed now
    // leaves the next one the whole window. When even that cannot be
    // written, no record is safer than an old "quiet".
    if (!WriteLineRecord(recordPath_, LineRecord::busy())) QFile::remove(recordPath_);
    recordOpen_ = true;
    if (wait > 0) return startSettleWindow(wait);
    settleTimer_.stop();
    settling_ = false;
}

// Quiet when nothing can be on its way; otherwise the time from which an
// answer may still come for an answer window.
LineRecord TransactionEngine::closingRecord() const {
    if (settling_) {
        qint64 since = windowStartWallMs_;
        if (awaitingAnswer()) since = std::max(since, lastSendWallMs_);
        return LineRecord::sent(since, recordDevice_);
    }
    if (awaitingAnswer() || repeatTimer_.isActive())
        return LineRecord::sent(lastSendWallMs_, recordDevice_);
    return LineRecord::quiet(recordDevice_);
}

void TransactionEngine::writeClosingRecord() {
    if (!recordOpen_) return;
    recordOpen_ = false;
    WriteLineRecord(recordPath_, closingRecord());
}

void TransactionEngine::PortClosed() {
    writeClosingRecord();
    const bool inFlight = state_.requestOutstanding || repeatTimer_.isActive();
    answerTimer_.stop();
    repeatTimer_.stop();
    settleTimer_.stop();
    quietDeadline_.stop();
    closeQuietLineProgress();
    settling_ = false;
    ResetReceiveState();
    if (inFlight) return refuse(ResultPortClosed);
    if (operation_.running() && operation_.waitingForSlot() && slot_.kind == TmrReqRec::kPeriodic) {
        if (slot_.processCode != ProcessNone) operation_.processCode = slot_.processCode;
        if (slot_.step > 0) operation_.step = slot_.step;
        VyberProces();
    }
}

// ---- timed-request slot (NastTmr) ---------------------------------------------------

void TransactionEngine::Req4TmrReqRec(int kind, ProcessCode processCode, int periodMs, int step) {
    slot_.periodMs = std::max(periodMs, timing_.slotMinPeriodMs);
    slot_.dueMs = now() + slot_.periodMs;
    slot_.processCode = processCode;
    slot_.step = step;
    slot_.kind = kind;
    // The tick runs only while the slot holds something: an empty slot does
    // nothing on a tick, so an idle link wakes nobody.
    if (!slot_.empty() && !slotTimer_.isActive()) slotTimer_.start();
}

void TransactionEngine::Clear_TmrReqRec() {
    slot_ = TmrReqRec{};
    slotTimer_.stop();
}

void TransactionEngine::slotTick() {
    const qint64 t = now();
    if (slot_.dueMs > t + timing_.slotFarOffMs || slot_.dueMs < t - timing_.slotFarOffMs)
        slot_.dueMs = t;
    if (slot_.kind != TmrReqRec::kPeriodic) {
        if (slot_.empty()) slotTimer_.stop();
        return;
    }
    if (t < slot_.dueMs) return;
    // Advanced from the old due time, so the period does not drift by the
    // tick's lateness.
    slot_.dueMs += slot_.periodMs;
    if (!operation_.waitingForSlot()) return;
    if (slot_.processCode != ProcessNone) operation_.processCode = slot_.processCode;
    if (slot_.step > 0) operation_.step = slot_.step;
    VyberProces();
}

}  // namespace lmk17
