#include "operations/common_routines.h"

#include "link/result_codes.h"
#include "operations/common_routine_texts.h"
#include "operations/operation_texts.h"
#include "operations/result_messages.h"

namespace lmk17 {

using operation_text::Tr;
namespace text = operation_text;

void ShowProgress(TransactionEngine& engine, bool show, bool warning, int maximum,
                  const QString& caption) {
    if (show)
        engine.openProgress(caption, maximum, warning);
    else
        engine.closeProgress();
}

namespace {

// The repeat declined (or not offered): the operation ends.
void declineRepeat(TransactionEngine& engine) {
    const OperationRecord& operation = engine.operation();
    if (operation.processCode == ProcessReadConfig) emit engine.configurationRestoreRequested();
    if (operation.processCode == ProcessWriteConfig)
        engine.userInteraction().message(MessageKind::Warning, Tr(text::kWriteDeclined));
    if (operation.pendingCode == ProcessMonitoring) {
        emit engine.monitoringLine(
            QString::fromLatin1(text::kMonitorNoCommunication)
                .replace(QLatin1String("%d"), QString::number(engine.transmitterAddress())));
        emit engine.monitoringLine(QString::fromLatin1(text::kMonitorBlankLine));
        emit engine.identityRestoreRequested();
        return engine.endThroughOwnRoutine(ProcessMonitoring);
    }
    engine.StopOperation();
}

const char* repeatQuestion(const TransactionEngine& engine, bool write) {
    const int result = engine.state().result;
    if (result == ResultPortClosed) return text::kNoPortConnectQuestion;
    switch (engine.operation().processCode) {
        case ProcessReadConfig:
            return text::kRepeatReading;
        case ProcessWriteConfig:
            return result == ResultBadParameters ? text::kRepeatBadParameters
                                                 : text::kRepeatWriting;
        default:
            return write ? text::kRepeatWriting : text::kRepeatReading;
    }
}

}  // namespace

void ErrorRWP52(TransactionEngine& engine, bool write) {
    engine.pauseForQuestion();
    UserInteraction& ui = engine.userInteraction();
    const int result = engine.state().result;
    // Repeating into a line that another device keeps busy would only wait
    // again: the operation ends, saying why.
    if (result == ResultLineBusy) {
        ui.message(MessageKind::Error, ResultMessage(result).trimmed());
        return declineRepeat(engine);
    }
    const bool monitoringPending = engine.operation().pendingCode == ProcessMonitoring;
    const Question id =
        result == ResultPortClosed ? Question::ConnectPort : Question::RepeatExchange;
    if (!ui.question(id, MessageKind::Error, Tr(repeatQuestion(engine, write))))
        return declineRepeat(engine);
    if (result == ResultPortClosed) {
        if (monitoringPending) {
            emit engine.monitoringLine(QString::fromLatin1(text::kMonitorPortNotConnected));
            emit engine.monitoringLine(QString::fromLatin1(text::kMonitorBlankLine));
            engine.endThroughOwnRoutine(ProcessMonitoring);
        }
        engine.StopOperation();
        emit engine.optionsDialogRequested();
        return;
    }
    engine.resumeAfterQuestion();
    // The attempts are not renewed: after a time-out the repeated request
    // is re-sent until an answer comes or the user breaks the operation.
    engine.repeatRequest();
}

bool AskPausingOperation(TransactionEngine& engine, Question id, MessageKind kind,
                         const QString& text) {
    engine.pauseForQuestion();
    // On Yes the question stays open until the caller ends the operation.
    if (engine.userInteraction().question(id, kind, text)) return true;
    engine.resumeAfterQuestion();
    engine.dispatchDeferredAnswer();
    return false;
}

void BreakOperation(TransactionEngine& engine) {
    // A question already showing owns the keyboard; nothing to break when idle.
    if (engine.questionOpen()) return;
    if (!engine.operation().running() && !engine.requestOutstanding()) return;
    if (AskPausingOperation(engine, Question::BreakOperation, MessageKind::Confirmation,
                            Tr(text::kBreakQuestion)))
        engine.StopOperation();
}

void captionQuietLineWait(TransactionEngine& engine) {
    engine.setQuietLineCaption([] { return Tr(text::kWaitingForQuietLine); });
}

}  // namespace lmk17
