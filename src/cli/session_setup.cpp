#include "cli/session_setup.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "cli/stop_signals.h"
#include "common/safe_save.h"
#include "link/link_parameters.h"
#include "link/port_connection.h"
#include "link/port_failure.h"
#include "link/port_list.h"

namespace lmk17::cli {

// Forwards to the terminal, with the repeat rules of the command line.
class CliSession::Interaction : public UserInteraction {
public:
    Interaction(UserInteraction& inner, AnswerPolicy policy) : inner_(inner), policy_(policy) {}

    TransactionEngine* engine = nullptr;

    void message(MessageKind kind, const QString& text) override { inner_.message(kind, text); }
    bool question(Question id, MessageKind kind, const QString& text) override {
        if (id != Question::RepeatExchange) return inner_.question(id, kind, text);
        if (policy_ == AnswerPolicy::Yes && ++repeats_ > kRepeatsUnderYes) {
            inner_.message(kind,
                           text + QStringLiteral(" No (--yes repeats a failed exchange %1 times)")
                                      .arg(kRepeatsUnderYes));
            return false;
        }
        const bool yes = inner_.question(id, kind, text);
        // Every repeat gets all its attempts again: a silent line then
        // brings the question back instead of re-sending for ever.
        if (yes && engine) engine->setAttempts(engine->timing().attempts);
        return yes;
    }
    void progressShow(const QString& caption, int maximum, bool warning) override {
        inner_.progressShow(caption, maximum, warning);
    }
    void progressStep(int position) override { inner_.progressStep(position); }
    void progressClose() override { inner_.progressClose(); }
    // Each operation gets its own repeats (one unit after another).
    void newOperation() { repeats_ = 0; }

private:
    UserInteraction& inner_;
    AnswerPolicy policy_;
    int repeats_ = 0;
};

CliSession::CliSession(Context& context)
    : context_(context),
      interaction_(std::make_unique<Interaction>(context.ui, context.options.answers)),
      stack_(std::make_unique<TransmitterStack>(*interaction_)) {
    interaction_->engine = &stack_->engine();
}

CliSession::~CliSession() = default;

UserInteraction& CliSession::ui() {
    return *interaction_;
}

int CliSession::open() {
    const GlobalOptions& o = context_.options;
    if (o.port.isEmpty()) {
        context_.err << "lmk17-cli: no serial port given (--port PATH or --port COMn)" << Qt::endl;
        return ExitUsage;
    }
    if (const int rc = startTrace()) return rc;
    PortConnection& connection = stack_->connection();
    connection.setBaudIndex(BaudIndexFromRate(o.baud));
    connection.setParityIndex(o.parity);
    connection.setMasterAddress(o.master);
    connection.setTransmitterAddress(o.address);
    const QString device = DevicePathFromPortArgument(o.port);
    if (!connection.connectDevice(device)) {
        // With the way out when the user may not open the device (the group
        // and the command), as the options dialog says it.
        const PortFailure failure = PortFailureOf(device, stack_->port().errorString());
        QString detail = failure.systemReason;
        if (failure.reason == PortFailureReason::PermissionDenied) {
            if (!detail.isEmpty()) detail += QLatin1Char('\n');
            detail += QLatin1String(
                "You may not open this port: add your user to the dialout group "
                "(sudo usermod -aG dialout $USER), then log out and in again.");
        }
        detail.replace(QLatin1Char('\n'), QLatin1String("; "));
        context_.err << "lmk17-cli: cannot open the port " << o.port << ": " << detail << Qt::endl;
        return ExitFailure;
    }
    return ExitOk;
}

// The trace is appended to its file: a trace of an earlier run stays.
int CliSession::startTrace() {
    const QString& target = context_.options.trace;
    if (target.isEmpty()) return ExitOk;
    if (target != QLatin1String("-")) {
        traceFile_.setFileName(target);
        if (!traceFile_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            context_.err << "lmk17-cli: cannot write the trace " << target << ": "
                         << traceFile_.errorString() << Qt::endl;
            return ExitFileError;
        }
    }
    trace_ = std::make_unique<LineTrace>();
    QObject::connect(trace_.get(), &LineTrace::appended,
                     [this](const TraceEntry& e) { writeTraceText(TraceLine(e)); });
    stack_->engine().setTrace(trace_.get());
    writeTraceText(QStringLiteral("-- lmk17-cli trace of %1 at %2 Bd, parity %3")
                       .arg(context_.options.port)
                       .arg(context_.options.baud)
                       .arg(ParityName(LinkParity(context_.options.parity))));
    return ExitOk;
}

void CliSession::writeTraceText(const QString& line) {
    if (!traceFile_.isOpen()) {
        context_.err << line << Qt::endl;
        return;
    }
    const QString reason = AppendChecked(traceFile_, (line + QLatin1Char('\n')).toUtf8());
    if (reason.isEmpty()) return;
    // The command goes on; only its trace ends.
    context_.err << "lmk17-cli: the trace " << traceFile_.fileName()
                 << " could not be written: " << reason << Qt::endl;
    stack_->engine().setTrace(nullptr);
    traceFile_.close();
}

OperationOutcome CliSession::run(const std::function<bool()>& start) {
    interrupted_ = false;
    interaction_->newOperation();
    // Ctrl-C, SIGTERM and SIGHUP only raise a flag; the loop looks at it
    // between events.
    const StopSignals stopSignals;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [this] {
        if (StopSignals::requested()) {
            StopSignals::clear();
            interrupt();
        }
    });
    poll.start(50);
    const OperationOutcome outcome = stack_->runOperation(start);
    poll.stop();
    return outcome;
}

void CliSession::runUntil(const std::function<void()>& start, const std::function<bool()>& done) {
    interrupted_ = false;
    interaction_->newOperation();
    const QMetaObject::Connection next =
        QObject::connect(&stack_->session(), &TransmitterSession::operationEnded,
                         [this] { interaction_->newOperation(); });
    const StopSignals stopSignals;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (StopSignals::requested()) {
            StopSignals::clear();
            if (stack_->engine().operation().running()) {
                interrupt();
            } else {
                interrupted_ = true;
                if (onInterrupt_) onInterrupt_(OperationRecord{});
            }
        }
        if (done()) loop.quit();
    });
    poll.start(50);
    start();
    if (!done()) loop.exec();
    poll.stop();
    QObject::disconnect(next);
}

void CliSession::interrupt() {
    if (!stack_->engine().operation().running()) return;
    interrupted_ = true;
    // As the window's close does: a write cut short is reported.
    const OperationRecord was = stack_->session().stopForShutdown();
    if (onInterrupt_) onInterrupt_(was);
}

int ExitCodeOf(OperationOutcome outcome) {
    return outcome == OperationOutcome::Completed ? ExitOk : ExitFailure;
}

}  // namespace lmk17::cli
