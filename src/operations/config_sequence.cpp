#include "operations/config_sequence.h"

#include "config/catalogue.h"
#include "link/result_codes.h"
#include "operations/common_routines.h"
#include "operations/operation_texts.h"
#include "operations/transmitter_session.h"

namespace lmk17 {

namespace {

bool isConfigSequence(ProcessCode code) {
    return code == ProcessReadConfig || code == ProcessWriteConfig;
}

}  // namespace

void ConfigSequence::Start() {
    s_.engine().operation().step = kFirstConfigStep;
    awaiting_ = false;
    verifying_ = false;
    verified_ = 0;
    verification_.clear();
    ReadWritePrev();
}

SequenceContext ConfigSequence::contextFor(bool writing) {
    const DeviceIdentity& id = s_.workingIdentity();
    SequenceContext c{s_.model().transferRecord()};
    c.writing = writing;
    c.firmware = id.firmwareNumber();
    c.typeIndex = id.typeIndex;
    c.firmwareIndex = id.firmwareIndex;
    c.rangeIndex = id.rangeIndex;
    c.fixedRange = id.fixedRange;
    const TransmitterTypeEntry* type = TypeAt(id.typeIndex);
    c.noComparators = type && type->D;
    c.identificationText = id.identificationText;
    return c;
}

void ConfigSequence::ReadWritePrev() {
    TransactionEngine& engine = s_.engine();
    OperationRecord& op = engine.operation();
    while (isConfigSequence(op.processCode)) {
        const bool writing = op.processCode == ProcessWriteConfig;
        SequenceContext context = contextFor(writing);
        const ConfigStep* step = FindConfigStep(op.step);
        if (!step) {
            // Only a foreign change of the step number gets here.
            engine.StopOperation();
            return;
        }
        if (step->step == kFinishConfigStep) {
            if (writing && !verifyWritten()) return;
            s_.FinishConfigSequence(writing, verification_.mismatches());
            return;
        }
        if (awaiting_) {
            if (!acceptAnswer(*step, context)) return;
            continue;
        }
        if (!StepSends(*step, context)) {
            if (step->local) step->local(context);
            op.step = NextConfigStep(op.step, context);
            continue;
        }
        LinkRequest request;
        FillStepRequest(*step, context, request);
        if (request.operation == OpWrite) verification_.noteWritten(request);
        sendRequest(request);
        return;
    }
}

void ConfigSequence::sendRequest(const LinkRequest& request) {
    TransactionEngine& engine = s_.engine();
    engine.request() = request;
    engine.request().da = engine.transmitterAddress();
    engine.setAttempts(engine.timing().attempts);
    sentOperation_ = request.operation;
    awaiting_ = true;
    engine.SestavPrikaz();
}

bool ConfigSequence::verifyWritten() {
    TransactionEngine& engine = s_.engine();
    if (!verifying_) {
        verifying_ = true;
        verified_ = 0;
        awaiting_ = false;
        ShowProgress(engine, true, true, int(verification_.size()),
                     operation_text::Tr(operation_text::kVerifyingCaption));
    } else if (awaiting_) {
        if (engine.state().result != ResultReadOk) {
            ErrorRWP52(engine, true);
            return false;
        }
        awaiting_ = false;
        verification_.compare(verified_, engine.request());
        engine.SetProgress(int(++verified_));
    }
    if (verified_ >= verification_.size()) return true;
    sendRequest(verification_.readBack(verified_));
    return false;
}

// The answer to the current step: a failure goes to the repeat question and
// the step waits; an accepted one is stored (when reading) and the sequence
// moves on.
bool ConfigSequence::acceptAnswer(const ConfigStep& step, SequenceContext& context) {
    TransactionEngine& engine = s_.engine();
    const int expected = sentOperation_ == OpWrite ? ResultWriteOk : ResultReadOk;
    if (engine.state().result != expected) {
        // The reads of the output calibration report as reads; everything
        // else of the sequence as a write failure.
        ErrorRWP52(engine, !step.storesWhenWriting);
        return false;
    }
    awaiting_ = false;
    const bool store = sentOperation_ == OpRead && (!context.writing || step.storesWhenWriting);
    if (store && step.take) step.take(context, engine.request());
    engine.SetProgress(step.progress);
    engine.operation().step = NextConfigStep(step.step, context);
    return true;
}

}  // namespace lmk17
