#include "operations/transmitter_session.h"

#include <QCoreApplication>
#include "common/day_number.h"
#include "common/silent_interaction.h"
#include "config/catalogue.h"
#include "config/defaults.h"
#include "config/validation_model.h"

#include "link/result_codes.h"
#include "operations/common_routine_texts.h"
#include "operations/common_routines.h"
#include "operations/operation_texts.h"

namespace lmk17 {

using operation_text::Tr;

TransmitterSession::TransmitterSession(TransactionEngine& engine, ConfigModel& model,
                                       UserInteraction& ui, QObject* parent)
    : QObject(parent),
      engine_(engine),
      model_(model),
      ui_(ui),
      identification_(*this),
      sequence_(*this) {
    registerSteps();
    connect(&engine_, &TransactionEngine::commandsEnabledChanged, this,
            &TransmitterSession::onCommandsEnabledChanged);
    connect(&engine_, &TransactionEngine::identityRestoreRequested, this,
            &TransmitterSession::onIdentityRestoreRequested);
    connect(&engine_, &TransactionEngine::configurationRestoreRequested, this,
            &TransmitterSession::RestoreBackup);
    captionQuietLineWait(engine_);
    RVCVar2RVCPomVar(model_.identity(), working_);
}

TransmitterSession::~TransmitterSession() = default;

void TransmitterSession::registerSteps() {
    engine_.registerOperation(ProcessIdentification, [this] { identification_.ReadVyrCisloPom(); });
    engine_.registerOperation(ProcessReadConfig, [this] { sequence_.ReadWritePrev(); });
    engine_.registerOperation(ProcessWriteConfig, [this] { sequence_.ReadWritePrev(); });
}

// The one definition of "an operation is in progress": its ProcessCode or
// its step is set, or a request is outstanding.
bool TransmitterSession::busy() const {
    const OperationRecord& op = engine_.operation();
    return op.running() || op.step != 0 || engine_.requestOutstanding();
}

// ---- the program's end ---------------------------------------------------------------

bool TransmitterSession::confirmShutdown(const QString& question) {
    if (!busy())
        return ui_.question(Question::CloseApplication, MessageKind::Confirmation, question);
    return AskPausingOperation(engine_, Question::CloseApplication, MessageKind::Confirmation,
                               question);
}

OperationRecord TransmitterSession::stopForShutdown() {
    const OperationRecord was = engine_.operation();
    if (!busy()) return {};
    engine_.StopOperation();
    if (was.processCode == ProcessWriteConfig)
        ui_.message(MessageKind::Warning, Tr(operation_text::kWriteDeclined));
    return was;
}

// ---- starts -----------------------------------------------------------------------

StartResult TransmitterSession::startIdentification(ProcessCode pendingCode, int pendingStep) {
    OperationRecord& op = engine_.operation();
    op.pendingCode = pendingCode;
    op.pendingStep = pendingStep;
    // A device that does not answer this time leaves no identity behind.
    lastIdentified_ = DeviceIdentity{};
    lastRefusal_ = IdentityRefusal::None;
    outcome_ = OperationOutcome::Running;
    active_ = true;
    identification_.ReadVyrCislo();
    // Without a port the first request is refused at once and the repeat
    // question has already been answered.
    if (!engine_.operation().running() && engine_.state().result == ResultPortClosed)
        return StartResult::NotConnected;
    return StartResult::Started;
}

StartResult TransmitterSession::startRead() {
    if (busy()) return StartResult::Busy;
    emit inputPageRequested();
    if (model_.hasConfiguration() && model_.unsavedChanges() &&
        !ui_.question(Question::UnsavedChanges, MessageKind::Confirmation,
                      Tr(operation_text::kUnsavedChanges)))
        return StartResult::Declined;
    TakeBackup();
    engine_.EnableCommands(false);
    return startIdentification(ProcessReadConfig, 10);
}

StartResult TransmitterSession::startWrite(CheckOutcome* check) {
    if (busy()) return StartResult::Busy;
    emit inputPageRequested();
    if (!model_.hasConfiguration()) {
        ui_.message(MessageKind::Warning, Tr(operation_text::kNoConfiguration));
        return StartResult::NoConfiguration;
    }
    if (!CheckAll(check)) {
        ShowProgress(engine_, false);
        return StartResult::CheckFailed;
    }
    engine_.EnableCommands(false);
    return startIdentification(ProcessWriteConfig, 10);
}

StartResult TransmitterSession::startOperation(ProcessCode processCode, int step) {
    if (busy()) return StartResult::Busy;
    engine_.EnableCommands(false);
    return startIdentification(processCode, step);
}

StartResult TransmitterSession::identify() {
    return startOperation(ProcessNone, 0);
}

void TransmitterSession::ReadVyrCislo() {
    identification_.ReadVyrCislo();
}

bool TransmitterSession::CheckAll(CheckOutcome* check) {
    CheckOutcome outcome = lmk17::CheckAll(model_);
    for (const CheckMessage& m : outcome.messages) ui_.message(m.kind, m.text);
    const bool accepted = outcome.accepted;
    if (check) *check = std::move(outcome);
    return accepted;
}

// ---- during and after the operations ---------------------------------------------------

void TransmitterSession::noteIdentified(IdentityRefusal refusal) {
    lastIdentified_ = working_;
    lastRefusal_ = refusal;
}

void TransmitterSession::RunCurrentOperation() {
    // The operation's own step function, as if its exchange had just ended.
    engine_.VyberProces();
}

void TransmitterSession::StartConfigSequence(bool writing) {
    readInProgress_ = !writing;
    if (writing && !beforeWrite_) BeginWriting();
    sequence_.Start(writing && beforeWrite_);
}

void TransmitterSession::BeginWriting() {
    // Stamped when the writing begins: a write refused or declined on the
    // way (another type, a fixed range, another transmitter, the backup)
    // changed nothing.
    model_.edit().config().LastChangeDate = CurrentDayNumber();
}

bool TransmitterSession::CheckBeforeWrite(const TransmitterConfig& present) {
    ShowProgress(engine_, false);
    // The model mends nothing silently here: a record it finds corrupt is
    // kept as the transmitter holds it, which is what a backup is for.
    SilentInteraction quiet;
    ConfigModel device(quiet);
    TransmitterConfig adopted;
    {
        ConfigModel::Edit edit = device.edit();
        edit.config() = present;
        RVCPomVar2RVCVar(working_, edit.identity(), edit.config());
        adopted = edit.config();
    }
    if (device.RefreshFromConfig()) device.setConfig(adopted);
    engine_.setQuestionOpen(true);
    const OperationOutcome outcome = beforeWrite_(device);
    engine_.setQuestionOpen(false);
    if (outcome == OperationOutcome::Running) return true;
    outcome_ = outcome;
    RVCVar2RVCPomVar(model_.identity(), working_);
    engine_.operation().clear();
    engine_.EnableCommands(true);
    return false;
}

void TransmitterSession::TakeBackup() {
    backup_ = model_.config();
}

void TransmitterSession::RestoreBackup() {
    if (!readInProgress_) return;
    readInProgress_ = false;
    model_.setConfig(backup_);
}

void TransmitterSession::FinishConfigSequence(bool writing, const QStringList& mismatches) {
    ShowProgress(engine_, false);
    {
        ConfigModel::Edit edit = model_.edit();
        RVCPomVar2RVCVar(working_, edit.identity(), edit.config());
    }
    // Anything the adoption has to mend in the record makes it differ from
    // the transmitter's: that stays an unsaved change.
    model_.setUnsavedChanges(false);
    if (!writing) {
        readInProgress_ = false;
        emit model_.linearizationTablesCleared();
        model_.PushUndo(backup_);
    }
    const bool corrupt = model_.RefreshFromConfig();
    const bool mismatched = writing && !mismatches.isEmpty();
    if (mismatched)
        ui_.message(MessageKind::Error, Tr(operation_text::kVerifyFailed) + QStringLiteral("\r\n") +
                                            mismatches.join(QStringLiteral("\r\n")));
    else if (writing && announceWritten_)
        ui_.message(MessageKind::Information, Tr(operation_text::kWrittenOk));
    // The transmitter does not hold this record when its read-back differs.
    if (corrupt || mismatched)
        model_.setUnsavedChanges(true);
    else
        model_.setOrigin(ConfigOrigin::Transmitter);
    outcome_ = mismatched ? OperationOutcome::Mismatched : OperationOutcome::Completed;
    engine_.operation().clear();
    engine_.EnableCommands(true);
}

void TransmitterSession::PresetCorruptConfiguration() {
    engine_.setQuestionOpen(true);
    const bool preset = ui_.question(Question::CorruptPreset, MessageKind::Warning,
                                     Tr(operation_text::kCorruptQuestion));
    engine_.setQuestionOpen(false);
    if (!preset) {
        outcome_ = OperationOutcome::CorruptDeclined;
        engine_.StopOperation();
        return;
    }
    // The record being replaced stays reachable through undo.
    model_.PushUndo(model_.config());
    model_.SetDefaultConfiguration(working_.typeIndex, working_.rangeIndex, working_.firmwareIndex);
    {
        ConfigModel::Edit edit = model_.edit();
        TransmitterConfig& config = edit.config();
        // A device whose range cannot be changed gets the defaults of its own
        // range, or the preset could never be written back to it.
        const InputRangeEntry* range = RangeAt(working_.rangeIndex);
        if (working_.fixedRange && range && config.InputRangeCode != range->Code)
            ApplyRangeDefaults(config, working_.rangeIndex);
        config.Manufacturer.clear();
        config.ManufactureDate.clear();
        config.WorkingTime = 0;
        config.LastChangeDate = 0.0;
        RVCPomVar2RVCVar(working_, edit.identity(), config);
    }
    emit inputPageRequested();
    model_.RefreshFromConfig();
    emit model_.linearizationTablesCleared();
    outcome_ = OperationOutcome::CorruptPreset;
    engine_.StopOperation();
}

void TransmitterSession::onIdentityRestoreRequested() {
    // A stop in the middle of a read must not leave a half-read record.
    if (engine_.operation().processCode == ProcessReadConfig) RestoreBackup();
    RVCVar2RVCPomVar(model_.identity(), working_);
}

void TransmitterSession::onCommandsEnabledChanged(bool enabled) {
    if (!enabled || !active_) return;
    active_ = false;
    if (outcome_ == OperationOutcome::Running) outcome_ = OperationOutcome::Stopped;
    emit operationEnded(outcome_);
}

}  // namespace lmk17
