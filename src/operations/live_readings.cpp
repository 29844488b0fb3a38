#include "operations/live_readings.h"

#include "config/catalogue.h"
#include "operations/live_texts.h"
#include "operations/operation_texts.h"
#include "operations/transmitter_session.h"

namespace lmk17 {

using operation_text::Tr;

LiveReadings::LiveReadings(TransmitterSession& session, QObject* parent)
    : QObject(parent),
      session_(session),
      pv_(std::make_unique<PvReading>(*this)),
      cj_(std::make_unique<CjTemperature>(*this)),
      workingTime_(std::make_unique<WorkingTimeReading>(*this)),
      outputTest_(std::make_unique<OutputTest>(*this)) {
    page_.pvReadCaption = Tr(live_text::kRead);
    page_.useCaption = Tr(live_text::kUse);
    TransactionEngine& e = session_.engine();
    e.registerOperation(
        ProcessPV, [this] { pv_->ReadPV(); }, [this] { pv_->stopFromEngine(); });
    e.registerOperation(
        ProcessCjTemperature, [this] { cj_->TempCJ(); }, [this] { cj_->KonecReadTempCJ(); });
    connect(&e, &TransactionEngine::exchangeEnded, this, [this](int, bool deviceError) {
        page_.errorListVisible = page_.pageActive && deviceError;
        emit pageChanged();
    });
    e.registerOperation(ProcessWorkingTime, [this] { workingTime_->ProCasUpdate(); });
    e.registerOperation(
        ProcessOutputTest, [this] { outputTest_->TestProud(); },
        [this] { outputTest_->KonecTestProud(); });
}

LiveReadings::~LiveReadings() {
    // The engine may outlive the page: nothing may call into it afterwards.
    TransactionEngine& e = session_.engine();
    for (const ProcessCode code :
         {ProcessPV, ProcessCjTemperature, ProcessWorkingTime, ProcessOutputTest})
        e.registerOperation(code, {});
}

void LiveReadings::presetTestValues() {
    const OutputTypeEntry* output = OutputTypeOf(session_.model().identity().typeIndex);
    if (!output) return;
    for (int i = 0; i < 3; ++i)
        page_.valueTexts[size_t(i)] =
            QString::asprintf(" %.3f", output->q[size_t(17 + i)] * output->k);
    emit pageChanged();
}

void LiveReadings::syncExitTesting() {
    page_.exitTestingEnabled = page_.testModeVisible;
    emit pageChanged();
}

}  // namespace lmk17
