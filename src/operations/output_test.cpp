#include "operations/output_test.h"

#include <QLocale>

#include "config/catalogue.h"
#include "config/firmware.h"
#include "link/result_codes.h"
#include "operations/common_routines.h"
#include "operations/live_readings.h"
#include "operations/live_step.h"
#include "operations/live_texts.h"
#include "operations/operation_texts.h"
#include "operations/output_test_values.h"
#include "operations/pv_reading_values.h"
#include "operations/transmitter_session.h"

namespace lmk17 {

using operation_text::Tr;

namespace {

const OutputTypeEntry& OutputOf(TransmitterSession& s) {
    static const OutputTypeEntry kNone{};
    const OutputTypeEntry* o = OutputTypeOf(s.model().identity().typeIndex);
    return o ? *o : kNone;
}

QString LeaveTestModeText() {
    QString text = QStringLiteral(" -200.000");
    const QString point = QLocale::system().decimalPoint();
    if (!point.isEmpty()) text.replace(QLatin1Char('.'), point);
    return text;
}

}  // namespace

TransactionEngine& OutputTest::engine() {
    return live_.session().engine();
}

bool OutputTest::running() {
    const OperationRecord& op = engine().operation();
    return op.processCode == ProcessOutputTest ||
           (op.processCode == ProcessPV && op.pendingCode == ProcessOutputTest);
}

bool OutputTest::useOrStop() {
    TransactionEngine& e = engine();
    LivePageState& page = live_.editPage();
    if (running()) {
        KonecTestProud();
        return false;
    }
    if (e.requestOutstanding() || e.operation().running()) return false;
    page.testPeriodText = NormalisePeriod(page.testPeriodText).text;
    page.exitTestingEnabled = false;
    e.Clear_TmrReqRec();
    exitAfterCycle_ = false;
    live_.announce();
    if (live_.session().startOperation(ProcessOutputTest, kStepStart)) return true;
    live_.syncExitTesting();
    return false;
}

void OutputTest::useOnDoubleClick() {
    TransactionEngine& e = engine();
    if (e.requestOutstanding() || !live_.session().model().hasConfiguration() ||
        live_.editPage().automatic)
        return;
    useOrStop();
}

bool OutputTest::exitTesting() {
    TransactionEngine& e = engine();
    LivePageState& page = live_.editPage();
    const OperationRecord& op = e.operation();
    if (op.running() && !page.automatic && e.requestOutstanding()) return false;
    // Another operation (an interval PV reading) keeps the button disabled.
    if (op.running() && !running()) return false;
    page.automatic = false;
    page.exitTestingEnabled = false;
    if (e.requestOutstanding()) {
        // The automatic cycle is in the middle of an exchange: starting
        // identification now would only collide with it (the link is busy).
        // The cycle ends at its waiting step and leaves test mode from there.
        exitAfterCycle_ = true;
        live_.announce();
        return true;
    }
    live_.announce();
    return startExit();
}

bool OutputTest::startExit() {
    TransactionEngine& e = engine();
    if (!e.operation().running())
        return live_.session().startOperation(ProcessOutputTest, kStepExit);
    // The waiting automatic cycle hands over to identification directly.
    e.EnableCommands(false);
    e.operation().pendingCode = ProcessOutputTest;
    e.operation().pendingStep = kStepExit;
    live_.session().ReadVyrCislo();
    return true;
}

void OutputTest::TestProud() {
    TransactionEngine& e = engine();
    OperationRecord& op = e.operation();
    LivePageState& page = live_.editPage();
    if (op.processCode != ProcessOutputTest) return;
    switch (op.step) {
        case kStepStart:
            page.firstPassMarker = false;
            if (page.automatic) {
                const PeriodEdit period = NormalisePeriod(page.testPeriodText);
                page.useCaption = Tr(live_text::kStop);
                page.exitTestingEnabled = true;
                live_.announce();
                e.Req4TmrReqRec(TmrReqRec::kPeriodic, ProcessOutputTest, period.ms(),
                                kStepNextValue);
                op.step = OperationRecord::kWaitingForSlot;
                return;
            }
            op.step = kStepNextValue;
            [[fallthrough]];
        case kStepNextValue:
            if (!firmware::HasOutputRange(live_.session().model().firmwareNumber()) &&
                e.state().deviceError)
                return KonecTestProud();
            return writeSelectedValue();
        case kStepWritten:
            if (e.state().result != ResultWriteOk) return ErrorRWP52(e, true);
            // The PV reading shows what the output now does, then comes back.
            op.pendingCode = ProcessOutputTest;
            op.pendingStep = kStepAfterPv;
            op.processCode = ProcessPV;
            op.step = PvReading::kStepStart;
            return live_.pv().ReadPV();
        case kStepAfterPv:
            if (exitAfterCycle_) {
                exitAfterCycle_ = false;
                op.step = kStepExit;
                return TestProud();
            }
            if (page.automatic) {
                op.step = OperationRecord::kWaitingForSlot;
                return;
            }
            return KonecTestProud();
        case kStepExit:
            op.step = kStepWritten;
            return SendLiveRequest(e, OpWrite, 220, TypeFloat, kLeaveTestMode);
        default:
            return;
    }
}

void OutputTest::writeSelectedValue() {
    TransactionEngine& e = engine();
    LivePageState& page = live_.editPage();
    TransmitterSession& s = live_.session();
    const OutputTypeEntry& output = OutputOf(s);
    if (page.automatic && page.firstPassMarker) page.selectedValue = (page.selectedValue + 1) % 3;
    page.firstPassMarker = true;
    QString& text = page.valueTexts[size_t(page.selectedValue)];
    double typed = 0.0;
    double x = kLeaveTestMode;
    if (ParseFieldNumber(text, typed))
        x = typed / output.k;
    else
        text = LeaveTestModeText();
    live_.announce();
    e.operation().step = kStepWritten;
    SendLiveRequest(e, OpWrite, 220, TypeFloat,
                    TestValueToSend(x, s.model().firmwareNumber(), s.model().config(), output));
}

void OutputTest::KonecTestProud() {
    TransactionEngine& e = engine();
    // "Stop" may come while a test value is on the line: it is not sent again
    // and the link is free for "Exit Testing" at once.
    e.abandonExchange();
    exitAfterCycle_ = false;
    e.Clear_TmrReqRec();
    live_.editPage().useCaption = Tr(live_text::kUse);
    e.EnableCommands(true);
    e.operation().clear();
    live_.syncExitTesting();
}

}  // namespace lmk17
