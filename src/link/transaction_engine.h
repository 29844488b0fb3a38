#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <map>

#include "common/user_interaction.h"
#include "link/line_record.h"
#include "link/link_port.h"
#include "link/link_request.h"
#include "link/link_state.h"
#include "link/link_timing.h"
#include "link/operation_record.h"
#include "link/timed_request.h"

namespace lmk17 {

class LineTrace;

// Runs one request-answer exchange at a time over the link and hands every
// outcome to the waiting operation.
//
// An operation is a step function registered under its ProcessCode:
//
//     engine.registerOperation(ProcessPV, [&] { readPv.step(); },
//                              [&] { readPv.KonecPVRead(); });
//
// A step looks at engine.operation().step and engine.state().result, fills
// engine.request() (taking DA from transmitterAddress()), sets the attempts
// (setAttempts(timing().attempts)), advances the step number and calls
// SestavPrikaz(); when the exchange ends (answer, decoding error, the last
// time-out, or a refusal 300/400/500) the dispatcher VyberProces calls the
// step function of the current ProcessCode again. A failed exchange goes to
// ErrorRWP52 (operations/common_routines.h); an operation ends through its
// end routine or StopOperation.
//
// Everything runs on the thread of the event loop; nothing polls: the port's
// received() signal drives collection and timers drive time-outs, repeats
// and the timed-request slot.
class TransactionEngine : public QObject {
    Q_OBJECT
public:
    using StepFunction = std::function<void()>;
    using EndRoutine = std::function<void()>;
    using Clock = std::function<qint64()>;

    TransactionEngine(LinkPort& port, UserInteraction& ui, QObject* parent = nullptr);
    ~TransactionEngine() override;

    // ---- configuration ----------------------------------------------------
    void setTiming(const LinkTiming& timing);
    const LinkTiming& timing() const { return timing_; }
    // Milliseconds of a monotonic clock; tests may substitute their own.
    void setClock(Clock clock);
    qint64 now() const { return clock_(); }

    // SA (SAEdt) goes into every request; DA (DAEdt) is what the operations
    // copy into the request at each step, and what monitoring changes.
    void setMasterAddress(int sa) { masterAddress_ = sa; }
    int masterAddress() const { return masterAddress_; }
    void setTransmitterAddress(int da) { transmitterAddress_ = da; }
    int transmitterAddress() const { return transmitterAddress_; }

    // ---- operations ---------------------------------------------------------
    // The end routine, when given, is what StopOperation calls instead of the
    // common ending (monitoring, PV reading, output test, CJ reading).
    void registerOperation(ProcessCode processCode, StepFunction step, EndRoutine end = {});
    bool hasEndRoutine(ProcessCode processCode) const;
    // Runs the end routine of an operation (e.g. stopping monitoring).
    void runEndRoutine(ProcessCode processCode);

    OperationRecord& operation() { return operation_; }
    const OperationRecord& operation() const { return operation_; }
    LinkRequest& request() { return request_; }
    const LinkState& state() const { return state_; }
    void setAttempts(int attempts) { state_.attemptsLeft = attempts; }
    bool requestOutstanding() const { return state_.requestOutstanding; }
    bool questionOpen() const { return state_.questionOpen; }
    void setQuestionOpen(bool open) { state_.questionOpen = open; }

    // Builds the current request and sends it; refusals (300 port not open,
    // 500 neither read nor write, 400 a request outstanding) are dispatched at
    // once without sending. While the line settles (below) the request waits
    // for it and counts as outstanding meanwhile.
    void SestavPrikaz();  // "compose the command"
    // Dispatches the ended exchange to the current operation (deferred while a
    // question is open).
    void VyberProces();  // "choose the process"

    // ---- timed-request slot -------------------------------------------------
    void Req4TmrReqRec(int kind, ProcessCode processCode, int periodMs, int step);
    void Clear_TmrReqRec();
    const TmrReqRec& timedRequest() const { return slot_; }

    // ---- what the user-facing routines need ------------------------------------
    // The repeat question, breaking and the progress routine the operations
    // call (ErrorRWP52, BreakOperation, ShowProgress, AskPausingOperation) live
    // in operations/common_routines.h; they talk to the user through the
    // engine's UserInteraction and drive the operation through these.
    UserInteraction& userInteraction() { return ui_; }
    // A question asked while the running operation waits: the question is
    // marked open (an exchange that ends meanwhile is held back) and the
    // progress window hidden.
    void pauseForQuestion();
    // The question answered and the operation going on: the question is
    // closed and the progress window comes back as it was.
    void resumeAfterQuestion();
    // Dispatches an exchange that ended while the question showed.
    void dispatchDeferredAnswer();
    // Sends the current request again (the repeat question answered Yes).
    void repeatRequest();
    // Ends an operation that has its own end routine (monitoring) once a
    // question has settled its fate: nothing outstanding, no question open.
    void endThroughOwnRoutine(ProcessCode processCode);
    void StopOperation();
    void EnableCommands(bool enabled);
    bool commandsEnabled() const { return commandsEnabled_; }

    // ---- progress window -----------------------------------------------------------
    // Opens the progress window (the UserInteraction's progress; whether it
    // shows the red cable warning is progress().warning) or closes it.
    void openProgress(const QString& caption, int maximum, bool warning);
    void closeProgress();
    void SetProgress(int position);
    const ProgressState& progress() const { return progress_; }
    // The caption of the progress window the engine opens itself while a
    // request waits long for a quiet line (given by the owner, in the
    // user's language when the window opens).
    void setQuietLineCaption(std::function<QString()> caption) {
        quietLineCaption_ = std::move(caption);
    }

    // Ends the exchange in flight without dispatching it: timers stopped,
    // nothing outstanding, a request waiting for the line dropped. Every end
    // of an operation goes through it (StopOperation and the end routines).
    // An answer to a request already on the line may still come: the line
    // then has to settle before the next request.
    void abandonExchange();

    // ---- settling the line -------------------------------------------------------
    // A frame meant for a request given up or repeated must never be taken
    // for a later request, even when it has the same shape. After a time-out,
    // after an exchange abandoned with its request on the line, after opening
    // the port and after anything arriving that nobody asked for, the engine
    // discards what arrives until the line has been quiet for the answer
    // window (every byte, and every repeated send, starts the window again);
    // only then does the next request go out. A repeat of the same request is
    // sent at once: an answer to any of its copies answers it. A clean
    // exchange never waits. A held request waits at most quietLineWindows
    // answer windows: a line that is never quiet (another device sending)
    // ends it with ResultLineBusy. Meanwhile the progress window shows the
    // wait when no operation shows its own, and Esc breaks it as any other.
    bool lineSettling() const { return settling_; }

    // ---- line traffic ------------------------------------------------------------
    // Every frame both ways with the engine's verdict goes to the attached
    // trace; with none attached nothing is recorded or decoded.
    // A trace that goes away detaches itself.
    void setTrace(LineTrace* trace);
    LineTrace* trace() const;
    // Where the record of each device's line is kept between programs
    // (DefaultLineRecordFolder(); empty: none kept, every open waits the
    // whole window). Takes effect at the next open.
    void setLineRecordFolder(const QString& folder) { recordFolder_ = folder; }
    QString lineRecordFolder() const { return recordFolder_; }

    // ---- port events ----------------------------------------------------------
    // After (re)connecting the port: nothing collected, nothing outstanding.
    void ResetReceiveState();
    // The port was closed or went away (the engine hears it from the port
    // itself; an owner may call it too): the exchange in flight ends at once
    // with result 300 and reaches its operation, which ends (through the
    // repeat question) and enables the commands again. An operation waiting
    // for its timed request is resumed at once, so it meets the closed port
    // now rather than when its period is due.
    void PortClosed();

signals:
    void commandsEnabledChanged(bool enabled);
    // Every ended exchange, before it is dispatched (or deferred). The main
    // window shows the device-error list SignChybyCB instead of the label
    // SignChybyLbl when the "Tools" page is active and deviceError is set.
    void exchangeEnded(int result, bool deviceError);
    void frameSent(const QByteArray& frame);
    // A complete frame taken from the line (a dropped echo included).
    void frameReceived(const QByteArray& frame);
    // Hooks of the operations that the engine and the user-facing routines
    // announce:
    // the identity fields read from the transmitter go back to those of the
    // current configuration (RVCVar2RVCPomVar);
    void identityRestoreRequested();
    // a declined repeat while reading the configuration restores the copy
    // taken when the read started;
    void configurationRestoreRequested();
    // a line for the monitoring window and log;
    void monitoringLine(const QString& line);
    // the options dialog, to connect a port (result 300 answered Yes).
    void optionsDialogRequested();

private:
    void CommPortDriverReceiveData(const QByteArray& bytes);
    void collect(const QByteArray& bytes);
    bool takeCompleteFrame();
    void OdesliBuff(const QByteArray& frame);  // "send the buffer"
    void ZpracujPrikaz();                      // "process the command": decode the answer
    void sendRequest(bool repeat);
    void transmit();
    bool awaitingAnswer() const { return state_.requestOutstanding && !sendHeld_; }
    void refuse(int result);
    void answerTimeout();
    void repeatDelayElapsed();
    void settleLine();
    void traceNoise(const QByteArray& bytes);
    void traceLate(const QByteArray& bytes);
    void flushLateTrace();
    void startSettleWindow(int ms);
    LineRecord closingRecord() const;
    void writeClosingRecord();
    void lineSettled();
    void holdSendForQuietLine();
    void quietLineDeadline();
    void closeQuietLineProgress();
    void portOpened();
    void incompleteReset();
    void slotTick();
    void callOperation();

    LinkPort& port_;
    UserInteraction& ui_;
    LinkTiming timing_;
    Clock clock_;
    int masterAddress_ = 31;
    int transmitterAddress_ = 0;

    LinkState state_;
    LinkRequest request_;
    OperationRecord operation_;
    TmrReqRec slot_;
    ProgressState progress_;
    bool progressWasVisible_ = false;
    bool commandsEnabled_ = true;

    struct Registration {
        StepFunction step;
        EndRoutine end;
    };
    std::map<ProcessCode, Registration> operations_;

    QByteArray lastSent_;         // to recognise a converter's echo
    QByteArray heldBytes_;        // arrived while the receive routine ran
    bool receiving_ = false;      // the receive routine is running
    bool settling_ = false;       // the line must be quiet before the next request
    bool sendHeld_ = false;       // the request waits for the line to settle
    bool answerStarted_ = false;  // a byte of the answer has come (LinkTiming::answerStartMs)
    bool repeatSend_ = false;     // the send under way repeats the request
    QPointer<LineTrace> trace_;
    QByteArray lateBytes_;  // unasked bytes not yet shown as a frame

    QString recordFolder_;          // records of the lines between programs
    QString recordPath_;            // the record of the open device
    qint64 recordDevice_ = 0;       // DeviceStamp() of the open device
    bool recordOpen_ = false;       // "busy" is written; the close writes the outcome
    qint64 lastSendWallMs_ = 0;     // wall clock of the last send
    qint64 windowStartWallMs_ = 0;  // wall clock the settle window counts from

    QTimer answerTimer_;               // Timer1
    QTimer repeatTimer_;               // Timer4
    QTimer incompleteTimer_;           // silence after the last byte of an incomplete answer
    QTimer slotTimer_;                 // NastTmr
    QTimer settleTimer_;               // quiet on the line for the answer window
    QTimer quietDeadline_;             // the longest a held request waits for a quiet line
    QTimer quietProgress_;             // steps the progress window while it waits
    int quietTicks_ = 0;               // tenths of an answer window waited
    bool quietProgressShown_ = false;  // the engine opened the progress window for the wait
    std::function<QString()> quietLineCaption_;
};

}  // namespace lmk17
