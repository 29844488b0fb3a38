#include "operations/identification.h"

#include "config/catalogue.h"
#include "link/result_codes.h"
#include "operations/common_routines.h"
#include "operations/operation_texts.h"
#include "operations/transmitter_session.h"

namespace lmk17 {

using operation_text::Tr;

namespace {

constexpr int kStepSerial = 10;
constexpr int kStepRange = 20;
constexpr int kStepFlags = 25;
constexpr int kStepText1 = 28;
constexpr int kStepText2 = 30;
constexpr int kStepHandOver = 50;

bool isLiveOperation(ProcessCode code) {
    return code == ProcessWorkingTime || code == ProcessPV || code == ProcessOutputTest ||
           code == ProcessCjTemperature;
}

}  // namespace

void Identification::ReadVyrCislo() {
    OperationRecord& op = s_.engine().operation();
    pendingAtStart_ = op.pendingCode;
    op.processCode = ProcessIdentification;
    op.step = kStepSerial;
    awaiting_ = false;
    ReadVyrCisloPom();
}

void Identification::ReadVyrCisloPom() {
    TransactionEngine& engine = s_.engine();
    OperationRecord& op = engine.operation();
    if (op.processCode != ProcessIdentification) return;
    if (awaiting_) {
        if (engine.state().result != ResultReadOk) {
            // The repeat re-sends this step's request and comes back here.
            ErrorRWP52(engine, false);
            return;
        }
        awaiting_ = false;
        takeAnswer();
        if (op.processCode != ProcessIdentification || op.step == kStepHandOver) return;
    }
    switch (op.step) {
        case kStepSerial:
            return send(101, TypeInt32, 0);
        case kStepRange:
            return send(110, TypeInt16, 0);
        case kStepFlags:
            return send(111, TypeInt16, 0);
        case kStepText1:
            return send(120, TypeText, 2);
        case kStepText2:
            return send(120, TypeText, 3);
        case kStepHandOver:
            return handOver();
        default:
            return end();
    }
}

void Identification::send(int parameter, int dataType, int row) {
    TransactionEngine& engine = s_.engine();
    LinkRequest& r = engine.request();
    r = LinkRequest{};
    r.operation = OpRead;
    r.dataType = dataType;
    r.parameter = parameter;
    r.row = row;
    r.da = engine.transmitterAddress();
    engine.setAttempts(engine.timing().attempts);
    awaiting_ = true;
    engine.SestavPrikaz();
}

void Identification::takeAnswer() {
    TransactionEngine& engine = s_.engine();
    OperationRecord& op = engine.operation();
    const LinkRequest& r = engine.request();
    DeviceIdentity& id = s_.workingIdentity();
    switch (op.step) {
        case kStepSerial:
            id.serialNumber = r.value32;
            op.step = kStepRange;
            break;
        case kStepRange:
            id.rangeIndex = FindRange(r.value16 & 0xFF);
            op.step = kStepFlags;
            break;
        case kStepFlags:
            id.configFlags = quint8(r.value16 & 0xFF);
            id.identificationText.clear();
            op.step = kStepText1;
            break;
        case kStepText1:
            id.identificationText += r.text.left(kWireTextLength);
            op.step = kStepText2;
            break;
        case kStepText2:
            id.identificationText =
                (id.identificationText + r.text.left(kWireTextLength)).left(2 * kWireTextLength);
            check();
            break;
        default:
            break;
    }
}

void Identification::check() {
    DeviceIdentity& id = s_.workingIdentity();
    const IdentityRefusal refusal = Fill_RVCPomVar(id, &s_.ui());
    s_.noteIdentified(refusal);
    if (refusal != IdentityRefusal::None) {
        s_.setOutcome(OperationOutcome::Refused);
        return end();
    }
    OperationRecord& op = s_.engine().operation();
    if (id.writeInProgress() && op.pendingCode == ProcessReadConfig) {
        s_.PresetCorruptConfiguration();
        return;
    }
    op.step = kStepHandOver;
    handOver();
}

// Step 50: the pending operation becomes the current one.
void Identification::handOver() {
    TransactionEngine& engine = s_.engine();
    OperationRecord& op = engine.operation();
    const DeviceIdentity& id = s_.workingIdentity();
    op.processCode = op.pendingCode;
    op.step = op.pendingStep;
    op.pendingCode = ProcessNone;
    op.pendingStep = 0;
    if (op.processCode == ProcessNone) {
        s_.setOutcome(OperationOutcome::Completed);
        return end();
    }
    if (isLiveOperation(op.processCode) && !liveOperationFits()) {
        if (!ask(Question::ReadAgain, operation_text::kReadAgainQuestion)) {
            s_.setOutcome(OperationOutcome::Declined);
            return end();
        }
        // The live operation is not resumed after the read. The read gets
        // its own backup: a failed read goes back to the record as it is now.
        op.processCode = ProcessReadConfig;
        op.step = 10;
        s_.TakeBackup();
    }

    switch (op.processCode) {
        case ProcessReadConfig:
            ShowProgress(engine, true, true, kConfigProgressMaximum,
                         Tr(operation_text::kReadingCaption));
            return s_.StartConfigSequence(false);
        case ProcessWriteConfig:
            if (!writeFits()) return;
            ShowProgress(engine, true, true, kConfigProgressMaximum,
                         Tr(operation_text::kWritingCaption));
            return s_.StartConfigSequence(true);
        case ProcessMonitoring:
            s_.setOutcome(OperationOutcome::Completed);
            return s_.RunCurrentOperation();
        default:
            break;
    }
    if (isLiveOperation(op.processCode)) {
        {
            ConfigModel::Edit edit = s_.model().edit();
            RVCPomVar2RVCVar(id, edit.identity(), edit.config());
        }
        s_.setOutcome(OperationOutcome::Completed);
        return s_.RunCurrentOperation();
    }
    end();
}

// The record counts a serial number of 0 or less as unknown (a configuration
// never read from a transmitter): it belongs to no other device.
bool Identification::knownOtherSerial() {
    const qint32 configured = s_.model().identity().serialNumber;
    return configured > 0 && configured != s_.workingIdentity().serialNumber;
}

bool Identification::liveOperationFits() {
    const DeviceIdentity& id = s_.workingIdentity();
    const ConfigModel& model = s_.model();
    const ConfigIdentity& config = model.identity();
    if (knownOtherSerial()) return false;
    if (config.typeIndex != id.typeIndex) return false;
    if (config.firmwareIndex > id.firmwareIndex) return false;
    if (model.hasUserChanges()) return false;
    return model.origin() == ConfigOrigin::Transmitter;
}

// The configuration must be meant for this device; nothing is written otherwise.
bool Identification::writeFits() {
    const DeviceIdentity& id = s_.workingIdentity();
    const ConfigModel& model = s_.model();
    const ConfigIdentity& config = model.identity();
    if (config.typeIndex != id.typeIndex) {
        refuse(operation_text::kDifferentType);
        return false;
    }
    if (config.firmwareIndex != 0 && config.firmwareIndex > id.firmwareIndex) {
        refuse(operation_text::kEarlierFirmware);
        return false;
    }
    const InputRangeEntry* range = RangeAt(id.rangeIndex);
    if (id.fixedRange && (!range || range->Code != model.config().InputRangeCode)) {
        refuse(operation_text::kFixedRange);
        return false;
    }
    if (knownOtherSerial() &&
        !ask(Question::AnotherTransmitter, operation_text::kAnotherTransmitter)) {
        s_.setOutcome(OperationOutcome::Declined);
        end();
        return false;
    }
    return true;
}

// A question of the operation: an answer arriving meanwhile must wait for it.
bool Identification::ask(Question id, const char* text) {
    TransactionEngine& engine = s_.engine();
    engine.setQuestionOpen(true);
    const bool yes = s_.ui().question(id, MessageKind::Confirmation, Tr(text));
    engine.setQuestionOpen(false);
    return yes;
}

void Identification::refuse(const char* text) {
    s_.ui().message(MessageKind::Error, Tr(text));
    s_.setOutcome(OperationOutcome::Refused);
    end();
}

// The end step: refusals, No, and nothing to hand over to.
void Identification::end() {
    TransactionEngine& engine = s_.engine();
    awaiting_ = false;
    RVCVar2RVCPomVar(s_.model().identity(), s_.workingIdentity());
    if (pendingAtStart_ == ProcessMonitoring) engine.runEndRoutine(ProcessMonitoring);
    engine.operation().clear();
    ShowProgress(engine, false);
    engine.EnableCommands(true);
}

}  // namespace lmk17
