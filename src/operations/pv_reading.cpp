#include "operations/pv_reading.h"

#include "config/catalogue.h"
#include "config/firmware.h"
#include "link/result_codes.h"
#include "operations/common_routines.h"
#include "operations/live_readings.h"
#include "operations/live_step.h"
#include "operations/live_texts.h"
#include "operations/operation_texts.h"
#include "operations/pv_reading_values.h"
#include "operations/transmitter_session.h"

namespace lmk17 {

using operation_text::Tr;

namespace {

constexpr int kStepOutputAnswer = 20;
constexpr int kStepInterval = 50;
constexpr int kStepPvAnswer = 54;
constexpr int kStepOutput30Answer = 56;
constexpr int kStepShow = 60;
constexpr int kStepStatusAnswer = 80;
constexpr int kStepDone = 65;

const OutputTypeEntry& OutputOf(TransmitterSession& s) {
    static const OutputTypeEntry kNone{};
    const OutputTypeEntry* o = OutputTypeOf(s.model().identity().typeIndex);
    return o ? *o : kNone;
}

}  // namespace

TransactionEngine& PvReading::engine() {
    return live_.session().engine();
}

bool PvReading::outputTestWaiting() {
    return engine().operation().pendingCode == ProcessOutputTest;
}

bool PvReading::readOrStop() {
    TransactionEngine& e = engine();
    LivePageState& page = live_.editPage();
    if (e.operation().processCode == ProcessPV) {
        KonecPVRead();
        live_.syncExitTesting();
        return false;
    }
    if (e.requestOutstanding() || e.operation().running()) return false;
    page.periodText = NormalisePeriod(page.periodText).text;
    page.exitTestingEnabled = false;
    e.Clear_TmrReqRec();
    live_.announce();
    if (live_.session().startOperation(ProcessPV, kStepStart)) return true;
    live_.syncExitTesting();
    return false;
}

void PvReading::KonecPVRead() {
    TransactionEngine& e = engine();
    // "Stop" may come while a reading is on the line: its answer and repeats
    // end here, as StopOperation ends them.
    e.abandonExchange();
    e.Clear_TmrReqRec();
    live_.editPage().pvReadCaption = Tr(live_text::kRead);
    e.operation().clear();
    e.EnableCommands(true);
    live_.announce();
}

void PvReading::stopFromEngine() {
    if (outputTestWaiting())
        live_.outputTest().KonecTestProud();
    else
        KonecPVRead();
}

// Every answer of a step is a read; anything but data is the repeat question.
bool PvReading::answered() {
    if (engine().state().result == ResultReadOk) return true;
    ErrorRWP52(engine(), false);
    return false;
}

void PvReading::ReadPV() {
    TransactionEngine& e = engine();
    OperationRecord& op = e.operation();
    for (;;) {
        if (op.processCode != ProcessPV) return;
        switch (op.step) {
            case kStepStart:
                op.step = kStepOutputAnswer;
                return SendLiveRequest(e, OpRead, 220, TypeFloat);
            case kStepOutputAnswer:
                if (!answered()) return;
                takeOutput();
                op.step = outputTestWaiting() ? kStepResume : kStepInterval;
                continue;
            case kStepInterval:
                if (live_.editPage().intervalReading) {
                    const PeriodEdit period = NormalisePeriod(live_.editPage().periodText);
                    live_.editPage().pvReadCaption = Tr(live_text::kStop);
                    live_.announce();
                    e.Req4TmrReqRec(TmrReqRec::kPeriodic, ProcessPV, period.ms(), kStepResume);
                    op.step = OperationRecord::kWaitingForSlot;
                    return;
                }
                op.step = kStepResume;
                continue;
            case kStepResume:
                op.step = kStepPvAnswer;
                return SendLiveRequest(e, OpRead, 0, TypeFloat);
            case kStepPvAnswer:
                if (!answered()) return;
                pv_ = e.request().value;
                if (!firmware::HasOutputRange(live_.session().model().firmwareNumber())) {
                    position_ = PositionFromPv(pv_, live_.session().model().config());
                    op.step = kStepShow;
                    continue;
                }
                op.step = kStepOutput30Answer;
                return SendLiveRequest(e, OpRead, 30, TypeFloat);
            case kStepOutput30Answer:
                if (!answered()) return;
                position_ = PositionFromOutput(e.request().value, live_.session().model().config());
                errorPosition_ = position_;
                op.step = kStepShow;
                continue;
            case kStepShow:
                deviceError_ = e.state().deviceError;
                if (deviceError_) {
                    op.step = kStepStatusAnswer;
                    return SendLiveRequest(e, OpRead, 215, TypeInt16);
                }
                show();
                op.step = kStepDone;
                continue;
            case kStepStatusAnswer:
                if (!answered()) return;
                status_ = quint16(e.request().value16);
                showDeviceErrors();
                op.step = kStepDone;
                continue;
            case kStepDone:
                return finishReading();
            default:
                return;
        }
    }
}

void PvReading::takeOutput() {
    TransactionEngine& e = engine();
    TransmitterSession& s = live_.session();
    const bool signBit = (quint32(e.request().value32) & 0x80000000u) != 0;
    const OutputReading r = InterpretOutputReading(
        e.request().value, signBit, s.model().firmwareNumber(), s.model().config(), OutputOf(s));
    testOutput_ = r.yt;
    testPosition_ = r.ft;
    testMode_ = r.testMode;
    status_ = 0;
}

// Step 60 without a device error.
void PvReading::show() {
    TransmitterSession& s = live_.session();
    LivePageState& page = live_.editPage();
    const OutputTypeEntry& output = OutputOf(s);
    const int fw = s.model().firmwareNumber();
    page.pvText = PvLabelText(pv_, s.model().config());
    double f = SaturatedPosition(position_, fw, s.model().config());
    double y = NormalOutput(f, s.model().config(), output);
    page.errorListVisible = false;
    page.errorLines.clear();
    page.testModeVisible = testMode_;
    if (testMode_) {
        page.exitTestingEnabled = !page.intervalReading;
        f = testPosition_;
        y = testOutput_;
    } else {
        page.exitTestingEnabled = false;
    }
    page.outputText = OutputLabelText(y, output);
    page.gauge = GaugePosition(f);
    report(y, f);
}

// Step 80: the error list and the error-state output.
void PvReading::showDeviceErrors() {
    TransmitterSession& s = live_.session();
    LivePageState& page = live_.editPage();
    const OutputTypeEntry& output = OutputOf(s);
    const TransmitterConfig& config = s.model().config();
    page.pvText = PvLabelText(pv_, config);
    page.errorLines = DeviceErrorLines(status_);
    page.errorListVisible = true;
    errorPosition_ = ErrorPosition(errorPosition_, s.model().firmwareNumber(), config);
    const double y = ErrorOutput(errorPosition_, config, output);
    page.outputText = OutputLabelText(y, output);
    page.gauge = GaugePosition(errorPosition_);
    report(y, errorPosition_);
}

void PvReading::report(double output, double position) {
    const LivePageState& page = live_.editPage();
    PvReadingResult r;
    r.pv = pv_;
    r.output = output;
    r.position = position;
    r.testMode = testMode_;
    r.deviceError = deviceError_;
    r.status = status_;
    r.pvText = page.pvText;
    r.outputText = page.outputText;
    r.errorLines = page.errorLines;
    live_.announce();
    emit live_.pvReadingDone(r);
}

// Step 65.
void PvReading::finishReading() {
    TransactionEngine& e = engine();
    OperationRecord& op = e.operation();
    if (outputTestWaiting()) {
        op.processCode = op.pendingCode;
        op.step = op.pendingStep;
        op.pendingCode = ProcessNone;
        op.pendingStep = 0;
        live_.outputTest().TestProud();
        return;
    }
    if (live_.editPage().intervalReading && !e.timedRequest().empty()) {
        op.step = OperationRecord::kWaitingForSlot;
        return;
    }
    KonecPVRead();
}

}  // namespace lmk17
