#include "operations/working_time.h"

#include <algorithm>
#include <limits>

#include "config/config_texts.h"
#include "config/firmware.h"
#include "link/result_codes.h"
#include "operations/common_routines.h"
#include "operations/live_readings.h"
#include "operations/live_step.h"
#include "operations/transmitter_session.h"

namespace lmk17 {

namespace {
constexpr int kStepRequest = 0;
constexpr int kStepAnswer = 10;
}  // namespace

bool WorkingTimeReading::startReading() {
    return live_.session().startOperation(ProcessWorkingTime, kStepRequest);
}

void WorkingTimeReading::ProCasUpdate() {
    TransmitterSession& s = live_.session();
    TransactionEngine& e = s.engine();
    OperationRecord& op = e.operation();
    if (op.processCode != ProcessWorkingTime) return;
    if (op.step == kStepRequest) {
        op.step = kStepAnswer;
        return SendLiveRequest(e, OpRead, 200, TypeInt32);
    }
    if (op.step != kStepAnswer) return;
    if (e.state().result != ResultReadOk) return ErrorRWP52(e, false);
    qint64 seconds = e.request().value32;
    if (!firmware::CountsWorkingTimeInSeconds(s.model().firmwareNumber())) seconds *= 10;
    // The record holds 32 bits; a corrupt count must not wrap to a negative time.
    seconds = std::clamp<qint64>(seconds, 0, std::numeric_limits<qint32>::max());
    s.model().edit().config().WorkingTime = qint32(seconds);
    const QString text = FormatWorkingTime(seconds);
    live_.editPage().workingTimeText = text;
    op.clear();
    e.EnableCommands(true);
    live_.announce();
    emit live_.workingTimeDone(qint32(seconds), text);
}

}  // namespace lmk17
