#include "operations/live_readings.h"

#include "config/catalogue.h"
#include "operations/live_texts.h"
#include "operations/operation_texts.h"
#include "operations/output_test_values.h"
#include "operations/pv_reading_values.h"
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

void LiveReadings::refuse(const QString& text) {
    session_.ui().message(MessageKind::Warning, text);
    emit pageChanged();  // the edit shows the value that stays
}

void LiveReadings::setIntervalReading(bool on) {
    if (page_.intervalReading == on) return;
    page_.intervalReading = on;
    emit pageChanged();
}

bool LiveReadings::leavePeriodEdit(const QString& text) {
    const std::optional<PeriodEdit> period = TypedPeriod(text);
    if (!period) {
        refuse(Tr(live_text::kPeriodRefused).arg(page_.periodText.trimmed()));
        return false;
    }
    page_.periodText = period->text;
    emit pageChanged();
    return true;
}

void LiveReadings::setAutomaticTesting(bool on) {
    if (page_.automatic == on) return;
    page_.automatic = on;
    emit pageChanged();
}

bool LiveReadings::leaveTestPeriodEdit(const QString& text) {
    const std::optional<PeriodEdit> period = TypedPeriod(text);
    if (!period) {
        refuse(Tr(live_text::kPeriodRefused).arg(page_.testPeriodText.trimmed()));
        return false;
    }
    page_.testPeriodText = period->text;
    emit pageChanged();
    return true;
}

void LiveReadings::selectTestValue(int index) {
    if (index < 0 || index > 2 || page_.selectedValue == index) return;
    page_.selectedValue = index;
    emit pageChanged();
}

bool LiveReadings::leaveTestValueEdit(int index, const QString& text) {
    if (index < 0 || index > 2) return false;
    QString& shown = page_.valueTexts[size_t(index)];
    const OutputTypeEntry* output = OutputTypeOf(session_.model().identity().typeIndex);
    if (!output) return false;
    const std::optional<QString> value = NormaliseTestValueText(text, *output);
    if (!value) {
        refuse(Tr(live_text::kTestValueRefused)
                   .arg(QString::number(output->q[15] * output->k),
                        QString::number(output->q[16] * output->k), UnitSymbol(output->UnitCode),
                        shown.trimmed()));
        return false;
    }
    shown = *value;
    emit pageChanged();
    return true;
}

void LiveReadings::setPageActive(bool active) {
    page_.pageActive = active;
    if (!active) return;
    page_.pvText = QStringLiteral("0");
    page_.testModeVisible = false;
    const OutputTypeEntry* output = OutputTypeOf(session_.model().identity().typeIndex);
    page_.outputText =
        QStringLiteral("0.000 ") + (output ? UnitSymbol(output->UnitCode) : QString());
    page_.errorListVisible = false;
    page_.gauge = 0;
    page_.cjText = QString::fromUtf8("\u00B0C");
    emit pageChanged();
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
