// What the engine keeps of an operation's life besides the exchanges:
// stopping it, pausing it for a question, its progress window and whether
// the commands are enabled. The questions and their texts belong to the
// user-facing routines (operations/common_routines.h).

#include "link/transaction_engine.h"

namespace lmk17 {

// ---- progress window ---------------------------------------------------------

void TransactionEngine::openProgress(const QString& caption, int maximum, bool warning) {
    progress_ = ProgressState{true, warning, caption, maximum, 0};
    ui_.progressShow(caption, maximum, warning);
    ui_.progressStep(0);
}

void TransactionEngine::closeProgress() {
    progress_.visible = false;
    ui_.progressClose();
}

void TransactionEngine::SetProgress(int position) {
    progress_.position = position;
    if (progress_.visible) ui_.progressStep(position);
}

// ---- pausing for a question ---------------------------------------------------

void TransactionEngine::pauseForQuestion() {
    state_.questionOpen = true;
    progressWasVisible_ = progress_.visible;
    if (progress_.visible) {
        progress_.visible = false;
        ui_.progressClose();
    }
}

void TransactionEngine::resumeAfterQuestion() {
    state_.questionOpen = false;
    if (!progressWasVisible_ || progress_.visible) return;
    progress_.visible = true;
    ui_.progressShow(progress_.caption, progress_.maximum, progress_.warning);
    ui_.progressStep(progress_.position);
}

void TransactionEngine::dispatchDeferredAnswer() {
    if (state_.answerDeferred) callOperation();
}

void TransactionEngine::repeatRequest() {
    sendRequest(true);
}

void TransactionEngine::endThroughOwnRoutine(ProcessCode processCode) {
    state_.requestOutstanding = false;
    state_.questionOpen = false;
    runEndRoutine(processCode);
}

// ---- commands -------------------------------------------------------------------

void TransactionEngine::EnableCommands(bool enabled) {
    commandsEnabled_ = enabled;
    emit commandsEnabledChanged(enabled);
}

// ---- stopping -----------------------------------------------------------------------

void TransactionEngine::StopOperation() {
    state_.questionOpen = false;
    // An answer held back for a question belongs to the operation being stopped.
    state_.answerDeferred = false;
    // The exchange in flight ends with the operation: otherwise its time-out
    // would go on re-sending a request nobody waits for.
    abandonExchange();
    emit identityRestoreRequested();
    const ProcessCode code = operation_.processCode;
    const bool ownEnding = code == ProcessMonitoring || code == ProcessPV ||
                           code == ProcessOutputTest || code == ProcessCjTemperature;
    if (ownEnding && hasEndRoutine(code)) {
        runEndRoutine(code);
        return;
    }
    operation_.clear();
    closeProgress();
    EnableCommands(true);
    state_.requestOutstanding = false;
}

}  // namespace lmk17
