// The engine's routines that talk to the user: the repeat question, stopping
// and breaking an operation, enabling the commands, the progress window.

#include <QCoreApplication>

#include "link/engine_texts.h"
#include "link/link_parameters.h"
#include "link/result_codes.h"
#include "link/transaction_engine.h"

namespace lmk17 {

namespace {

QString linkText(const char* text) {
    return QCoreApplication::translate("Link", text);
}

}  // namespace

// ---- progress window ---------------------------------------------------------

void TransactionEngine::ShowProgress(bool show, bool warning, int maximum, const QString& caption) {
    if (!show) {
        progress_.visible = false;
        ui_.progressClose();
        return;
    }
    progress_ = ProgressState{true, warning, caption, maximum, 0};
    ui_.progressShow(caption, maximum, warning);
    ui_.progressStep(0);
}

void TransactionEngine::SetProgress(int position) {
    progress_.position = position;
    if (progress_.visible) ui_.progressStep(position);
}

void TransactionEngine::hideProgressForQuestion() {
    progressWasVisible_ = progress_.visible;
    if (progress_.visible) {
        progress_.visible = false;
        ui_.progressClose();
    }
}

void TransactionEngine::restoreProgressAfterQuestion() {
    if (!progressWasVisible_ || progress_.visible) return;
    progress_.visible = true;
    ui_.progressShow(progress_.caption, progress_.maximum, progress_.warning);
    ui_.progressStep(progress_.position);
}

// ---- commands -------------------------------------------------------------------

void TransactionEngine::EnableCommands(bool enabled) {
    commandsEnabled_ = enabled;
    emit commandsEnabledChanged(enabled);
}

// ---- repeat question --------------------------------------------------------------

void TransactionEngine::ErrorRWP52(bool write) {
    state_.questionOpen = true;
    hideProgressForQuestion();

    const int result = state_.result;
    // Repeating into a line that another device keeps busy would only wait
    // again: the operation ends, saying why.
    if (result == ResultLineBusy) {
        ui_.message(MessageKind::Error, ResultMessage(result).trimmed());
        return declineRepeat();
    }
    const char* text = write ? texts::kRepeatWriting : texts::kRepeatReading;
    if (operation_.processCode == ProcessReadConfig) text = texts::kRepeatReading;
    if (operation_.processCode == ProcessWriteConfig)
        text = result == ResultBadParameters ? texts::kRepeatBadParameters : texts::kRepeatWriting;
    if (result == ResultPortClosed) text = texts::kNoPortConnectQuestion;
    const bool monitoringPending = operation_.pendingCode == ProcessMonitoring;

    const Question id =
        result == ResultPortClosed ? Question::ConnectPort : Question::RepeatExchange;
    if (ui_.question(id, MessageKind::Error, linkText(text))) {
        if (result == ResultPortClosed) {
            if (monitoringPending) {
                emit monitoringLine(QString::fromLatin1(texts::kMonitorPortNotConnected));
                emit monitoringLine(QString::fromLatin1(texts::kMonitorBlankLine));
                state_.requestOutstanding = false;
                state_.questionOpen = false;
                runEndRoutine(ProcessMonitoring);
            }
            StopOperation();
            emit optionsDialogRequested();
            return;
        }
        state_.questionOpen = false;
        restoreProgressAfterQuestion();
        // The attempts are not renewed: after a time-out the repeated request
        // is re-sent until an answer comes or the user breaks the operation.
        sendRequest(true);
        return;
    }

    declineRepeat();
}

// The repeat declined (or not offered): the operation ends.
void TransactionEngine::declineRepeat() {
    const bool monitoringPending = operation_.pendingCode == ProcessMonitoring;
    if (operation_.processCode == ProcessReadConfig) emit configurationRestoreRequested();
    if (operation_.processCode == ProcessWriteConfig)
        ui_.message(MessageKind::Warning, linkText(texts::kWriteDeclined));
    if (monitoringPending) {
        emit monitoringLine(
            QString::fromLatin1(texts::kMonitorNoCommunication)
                .replace(QLatin1String("%d"), QString::number(transmitterAddress_)));
        emit monitoringLine(QString::fromLatin1(texts::kMonitorBlankLine));
        state_.requestOutstanding = false;
        state_.questionOpen = false;
        emit identityRestoreRequested();
        runEndRoutine(ProcessMonitoring);
        return;
    }
    StopOperation();
}

// ---- stopping and breaking -----------------------------------------------------------

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
    ShowProgress(false);
    EnableCommands(true);
    state_.requestOutstanding = false;
}

void TransactionEngine::BreakOperation() {
    // A question already showing owns the keyboard; nothing to break when idle.
    if (state_.questionOpen) return;
    if (!operation_.running() && !state_.requestOutstanding) return;
    if (AskPausingOperation(Question::BreakOperation, MessageKind::Confirmation,
                            linkText(texts::kBreakQuestion)))
        StopOperation();
}

bool TransactionEngine::AskPausingOperation(Question id, MessageKind kind, const QString& text) {
    state_.questionOpen = true;
    hideProgressForQuestion();
    // On Yes the question stays open until the caller ends the operation.
    if (ui_.question(id, kind, text)) return true;
    state_.questionOpen = false;
    restoreProgressAfterQuestion();
    if (state_.answerDeferred) callOperation();
    return false;
}

}  // namespace lmk17
