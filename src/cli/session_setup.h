#pragma once

#include <QFile>
#include <QString>
#include <functional>
#include <memory>

#include "cli/cli_command.h"
#include "config/config_model.h"
#include "link/comm_port_driver.h"
#include "link/line_trace.h"
#include "link/transaction_engine.h"
#include "monitoring/monitor_log.h"
#include "monitoring/monitoring_engine.h"
#include "operations/live_readings.h"
#include "operations/transmitter_session.h"
#include "stack/transmitter_stack.h"

namespace lmk17::cli {

// The core stack (link, configuration, transmitter operations) of one run of
// a command, set up from the global options (--port, --baud, --parity,
// --address, --master, --yes/--no). A command opens it, starts one operation
// and lets run() drive the event loop until the operation has ended:
//
//     CliSession s(context);
//     if (const int rc = s.open()) return rc;
//     const OperationOutcome outcome =
//         s.run([&] { return s.session().startOperation(ProcessPV, 10); });
//
// Questions go to the --yes/--no policy or the terminal. A repeat after a
// failed exchange gets the full number of attempts again, and under --yes a
// failed exchange is repeated at most kRepeatsUnderYes times, so that a
// script never waits for ever on a silent line. Ctrl-C (and SIGTERM or
// SIGHUP) breaks the running operation as the break question's Yes would.
class CliSession {
public:
    static constexpr int kRepeatsUnderYes = 3;

    explicit CliSession(Context& context);
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // Opens the port. 0 when open; otherwise the reason is printed and the
    // exit code returned (ExitUsage without --port, ExitFailure when the port
    // cannot be opened).
    int open();

    TransmitterStack& stack() { return *stack_; }
    TCommPortDriver& port() { return stack_->port(); }
    TransactionEngine& engine() { return stack_->engine(); }
    ConfigModel& model() { return stack_->model(); }
    TransmitterSession& session() { return stack_->session(); }
    LiveReadings& live() { return stack_->live(); }
    MonitoringEngine& monitoring() { return stack_->monitoring(); }
    MonitorLog& monitorLog() { return stack_->monitorLog(); }
    UserInteraction& ui();

    // Starts an operation (start returns false when nothing was started) and
    // runs the event loop until it has ended. Returns its outcome; None when
    // nothing was started.
    OperationOutcome run(const std::function<bool()>& start);
    // Runs the event loop over several operations one after another (start
    // begins the first; the caller starts the rest) until done() holds. Each
    // operation gets the full number of repeats; Ctrl-C breaks the running
    // one as in run(), and between two of them still calls the handler (with
    // an empty record).
    void runUntil(const std::function<void()>& start, const std::function<bool()>& done);
    // Whether the last run was broken by Ctrl-C.
    bool interrupted() const { return interrupted_; }
    // Called right after Ctrl-C has stopped the operation, with the operation
    // record as it was (e.g. to say what the break leaves behind).
    using InterruptHandler = std::function<void(const OperationRecord& interrupted)>;
    void setInterruptHandler(InterruptHandler handler) { onInterrupt_ = std::move(handler); }

private:
    class Interaction;
    void interrupt();
    int startTrace();
    void writeTraceText(const QString& line);

    Context& context_;
    std::unique_ptr<Interaction> interaction_;
    std::unique_ptr<TransmitterStack> stack_;
    InterruptHandler onInterrupt_;
    bool interrupted_ = false;
    std::unique_ptr<LineTrace> trace_;  // --trace
    QFile traceFile_;
};

// Exit code of an operation's outcome: 0 when it completed, 1 otherwise.
int ExitCodeOf(OperationOutcome outcome);

}  // namespace lmk17::cli
