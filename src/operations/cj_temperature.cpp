#include "operations/cj_temperature.h"

#include <cmath>

#include "config/catalogue.h"
#include "config/cjc_sensor.h"
#include "config/firmware.h"
#include "link/result_codes.h"
#include "operations/common_routines.h"
#include "operations/live_readings.h"
#include "operations/live_step.h"
#include "operations/live_texts.h"
#include "operations/operation_texts.h"
#include "operations/transmitter_session.h"

namespace lmk17 {

using operation_text::Tr;

namespace {

constexpr int kStepConnection = 0;
constexpr int kStepConnectionAnswer = 2;
constexpr int kStepConstantAnswer = 10;
constexpr int kStepAnswer210 = 20;
constexpr int kStepAnswer211 = 21;
constexpr int kStepAnswer213 = 22;

constexpr int kConstantJunction = 6;
constexpr int kMeasuredJunction = 7;

const QString kDegrees = QString::fromUtf8("\u00B0C");

QString CelsiusText(double t) {
    if (!std::isfinite(t)) return kDegrees;
    return QString::asprintf("%.*f ", 1, t) + kDegrees;
}

}  // namespace

QString CjConstantText(double ohm) {
    return CelsiusText(CjcOhmToCelsius(ohm)) + QLatin1Char(' ') + Tr(live_text::kCjConstant);
}

QString CjMeasuredText(double a, double b, double c, bool flagB) {
    const double r = flagB ? a / c : (a - b) / c;
    if (!std::isfinite(r)) return kDegrees;
    return CelsiusText(CjcOhmToCelsius(r));
}

TransactionEngine& CjTemperature::engine() {
    return live_.session().engine();
}

bool CjTemperature::startReading() {
    return live_.session().startOperation(ProcessCjTemperature, kStepConnection);
}

bool CjTemperature::answered() {
    if (engine().state().result == ResultReadOk) return true;
    ErrorRWP52(engine(), false);
    return false;
}

void CjTemperature::TempCJ() {
    TransactionEngine& e = engine();
    OperationRecord& op = e.operation();
    if (op.processCode != ProcessCjTemperature) return;
    switch (op.step) {
        case kStepConnection:
            op.step = kStepConnectionAnswer;
            return SendLiveRequest(e, OpRead, 112, TypeInt16);
        case kStepConnectionAnswer:
            if (!answered()) return;
            return chooseByConnection();
        case kStepConstantAnswer:
            if (!answered()) return;
            return finish(CjConstantText(e.request().value));
        case kStepAnswer210:
        case kStepAnswer211:
        case kStepAnswer213:
            if (!answered()) return;
            return measuredRound();
        default:
            return;
    }
}

void CjTemperature::chooseByConnection() {
    TransactionEngine& e = engine();
    OperationRecord& op = e.operation();
    int connection = e.request().value16 & 0xFF;
    if (!firmware::UsesOneBasedConnections(live_.session().model().firmwareNumber())) ++connection;
    if (connection == kConstantJunction) {
        op.step = kStepConstantAnswer;
        return SendLiveRequest(e, OpRead, 72, TypeFloat);
    }
    if (connection == kMeasuredJunction) {
        ShowProgress(e, true, true, 3 * kRounds, Tr(live_text::kCjCaption));
        sumA_ = sumB_ = sumC_ = 0.0;
        errorSeen_ = false;
        round_ = 1;
        op.step = kStepAnswer210;
        return SendLiveRequest(e, OpRead, 210, TypeFloat);
    }
    live_.session().ui().message(MessageKind::Information, Tr(live_text::kCjNotThermocouple));
    finish(kDegrees);
}

// One answer of a round: summed, the progress advanced, the next request sent.
void CjTemperature::measuredRound() {
    TransactionEngine& e = engine();
    OperationRecord& op = e.operation();
    if (e.state().deviceError) errorSeen_ = true;
    const double v = e.request().value;
    switch (op.step) {
        case kStepAnswer210:
            sumA_ += v;
            e.SetProgress(3 * round_ - 2);
            op.step = kStepAnswer211;
            return SendLiveRequest(e, OpRead, 211, TypeFloat);
        case kStepAnswer211:
            sumB_ += v;
            e.SetProgress(3 * round_ - 1);
            op.step = kStepAnswer213;
            return SendLiveRequest(e, OpRead, 213, TypeFloat);
        default:
            sumC_ += v;
            e.SetProgress(3 * round_);
            if (round_ < kRounds) {
                ++round_;
                op.step = kStepAnswer210;
                return SendLiveRequest(e, OpRead, 210, TypeFloat);
            }
            return showMeasured();
    }
}

void CjTemperature::showMeasured() {
    const TransmitterTypeEntry* type = TypeAt(live_.session().model().identity().typeIndex);
    const QString text = CjMeasuredText(sumA_, sumB_, sumC_, type && type->B);
    live_.editPage().cjText = text;
    live_.announce();
    if (errorSeen_) live_.session().ui().message(MessageKind::Warning, Tr(live_text::kCjErrorSeen));
    finish(text);
}

void CjTemperature::finish(const QString& text) {
    live_.editPage().cjText = text;
    emit live_.cjReadingDone(text);
    KonecReadTempCJ();
}

void CjTemperature::KonecReadTempCJ() {
    TransactionEngine& e = engine();
    e.abandonExchange();
    ShowProgress(e, false);
    e.EnableCommands(true);
    e.operation().clear();
    live_.syncExitTesting();
}

}  // namespace lmk17
