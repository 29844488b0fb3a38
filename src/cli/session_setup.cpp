#include "cli/session_setup.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTimer>
#include <csignal>

#include "link/engine_texts.h"
#include "link/link_parameters.h"

namespace lmk17::cli {

namespace {

volatile std::sig_atomic_t interruptRequested = 0;

extern "C" void onInterruptSignal(int) {
    interruptRequested = 1;
}

bool isRepeatQuestion(const QString& text) {
    for (const char* t :
         {texts::kRepeatReading, texts::kRepeatWriting, texts::kRepeatBadParameters})
        if (text == QCoreApplication::translate("Link", t)) return true;
    return false;
}

}  // namespace

// Forwards to the terminal, with the repeat rules of the command line.
class CliSession::Interaction : public UserInteraction {
public:
    Interaction(UserInteraction& inner, AnswerPolicy policy) : inner_(inner), policy_(policy) {}

    TransactionEngine* engine = nullptr;

    void message(MessageKind kind, const QString& text) override { inner_.message(kind, text); }
    bool question(MessageKind kind, const QString& text) override {
        if (!isRepeatQuestion(text)) return inner_.question(kind, text);
        if (policy_ == AnswerPolicy::Yes && ++repeats_ > kRepeatsUnderYes) {
            inner_.message(kind,
                           text + QStringLiteral(" No (--yes repeats a failed exchange %1 times)")
                                      .arg(kRepeatsUnderYes));
            return false;
        }
        const bool yes = inner_.question(kind, text);
        // Every repeat gets all its attempts again: a silent line then
        // brings the question back instead of re-sending for ever.
        if (yes && engine) engine->setAttempts(engine->timing().attempts);
        return yes;
    }
    void progressShow(const QString& caption, int maximum) override {
        inner_.progressShow(caption, maximum);
    }
    void progressStep(int position) override { inner_.progressStep(position); }
    void progressClose() override { inner_.progressClose(); }

private:
    UserInteraction& inner_;
    AnswerPolicy policy_;
    int repeats_ = 0;
};

CliSession::CliSession(Context& context)
    : context_(context),
      interaction_(std::make_unique<Interaction>(context.ui, context.options.answers)),
      port_(std::make_unique<TCommPortDriver>()),
      engine_(std::make_unique<TransactionEngine>(*port_, *interaction_)),
      model_(std::make_unique<ConfigModel>(*interaction_)),
      session_(std::make_unique<TransmitterSession>(*engine_, *model_, *interaction_)) {
    interaction_->engine = engine_.get();
}

CliSession::~CliSession() {
    session_.reset();
    engine_.reset();
    if (port_->isOpen()) port_->close();
}

UserInteraction& CliSession::ui() {
    return *interaction_;
}

int CliSession::open() {
    const GlobalOptions& o = context_.options;
    if (o.port.isEmpty()) {
        context_.err << "lmk17-cli: no serial port given (--port PATH or --port COMn)" << Qt::endl;
        return ExitUsage;
    }
    static const QRegularExpression comName(QStringLiteral("^COM(\\d+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = comName.match(o.port);
    if (m.hasMatch())
        port_->setPortNumber(m.captured(1).toInt());
    else
        port_->setDeviceName(o.port);
    port_->setBaudRate(o.baud);
    port_->setParity(ParityFromIndex(o.parity));
    if (!port_->open()) {
        context_.err << "lmk17-cli: cannot open the port " << o.port << ": " << port_->errorString()
                     << Qt::endl;
        return ExitFailure;
    }
    engine_->setMasterAddress(o.master);
    engine_->setTransmitterAddress(o.address);
    engine_->ResetReceiveState();
    return ExitOk;
}

OperationOutcome CliSession::run(const std::function<bool()>& start) {
    interrupted_ = false;
    interruptRequested = 0;
    QEventLoop loop;
    bool ended = false;
    const QMetaObject::Connection done =
        QObject::connect(session_.get(), &TransmitterSession::operationEnded, &loop, [&] {
            ended = true;
            loop.quit();
        });
    // Ctrl-C only raises a flag; the loop looks at it between events.
    auto* previous = std::signal(SIGINT, onInterruptSignal);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [this] {
        if (interruptRequested) {
            interruptRequested = 0;
            interrupt();
        }
    });
    poll.start(50);

    OperationOutcome outcome = OperationOutcome::None;
    if (start()) {
        if (!ended) loop.exec();
        outcome = session_->lastOutcome();
    }
    poll.stop();
    std::signal(SIGINT, previous == SIG_ERR ? SIG_DFL : previous);
    QObject::disconnect(done);
    return outcome;
}

void CliSession::interrupt() {
    if (!engine_->operation().running()) return;
    interrupted_ = true;
    const OperationRecord was = engine_->operation();
    engine_->StopOperation();
    if (onInterrupt_) onInterrupt_(was);
}

int ExitCodeOf(OperationOutcome outcome) {
    return outcome == OperationOutcome::Completed ? ExitOk : ExitFailure;
}

}  // namespace lmk17::cli
