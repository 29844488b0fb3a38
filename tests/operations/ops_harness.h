#pragma once

#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "config/config_model.h"
#include "link/comm_port_driver.h"
#include "link/port_connection.h"
#include "link/transaction_engine.h"
#include "operations/transmitter_session.h"
#include "sim_frame.h"
#include "sim_line.h"
#include "stack/transmitter_stack.h"
#include "support/scripted_interaction.h"
#include "support/sim_fixture.h"
#include "support/taken_request.h"

namespace lmk17::test::ops {

// The real core (engine, configuration model, session) on the real serial
// adapter, talking to a software transmitter on a pseudo-terminal in the
// same event loop.
class OpsHarness {
public:
    explicit OpsHarness(const sim::TransmitterProfile& profile,
                        const std::function<void(sim::LineOptions&)>& tune = {}) {
        sim::LineOptions options;
        options.transmitters = {profile};
        if (tune) tune(options);
        line = std::make_unique<sim::SimLine>(options);
        started = line->start(&error);
        if (!started) return;
        QObject::connect(line.get(), &sim::SimLine::requestTaken, [this](const QByteArray& f) {
            sim::SimRequest r;
            if (sim::ParseRequest(f, r)) requests.push_back(TakenRequest::Of(r));
        });
        started = stack.connection().connectDevice(line->devicePath());
        if (!started) error = port.errorString();
        LinkTiming timing;
        timing.answerTimeoutMs = 300;  // a silent answer need not cost 3.6 s
        engine.setTiming(timing);
    }

    sim::SimTransmitter& tx() {
        return *line->transmitter(line->transmitters().front()->address());
    }

    // Starts an operation and runs the event loop until it has ended.
    OperationOutcome run(const std::function<bool()>& start, int timeoutMs = 60000) {
        return stack.runOperation(start, timeoutMs);
    }
    OperationOutcome run(TransmitterSession& on, const std::function<bool()>& start,
                         int timeoutMs = 60000) {
        QEventLoop loop;
        bool ended = false;
        auto c = QObject::connect(&on, &TransmitterSession::operationEnded, [&] {
            ended = true;
            loop.quit();
        });
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        OperationOutcome outcome = OperationOutcome::None;
        if (start()) {
            if (!ended) loop.exec();
            outcome = ended ? on.lastOutcome() : OperationOutcome::Running;
        }
        QObject::disconnect(c);
        return outcome;
    }
    OperationOutcome read() {
        return run([this] { return session.startRead(); });
    }
    OperationOutcome write() {
        return run([this] { return session.startWrite(); });
    }

    // The parameters taken since the last clear, with W for writes.
    QStringList sequence() const {
        QStringList out;
        for (const TakenRequest& r : requests)
            out << (r.operation == 2 ? QStringLiteral("W%1") : QStringLiteral("%1"))
                       .arg(r.parameter);
        return out;
    }
    // The requests for one parameter, in order.
    std::vector<TakenRequest> requestsFor(int parameter, int operation) const {
        std::vector<TakenRequest> out;
        for (const TakenRequest& r : requests)
            if (r.parameter == parameter && r.operation == operation) out.push_back(r);
        return out;
    }
    bool anyWrite() const {
        for (const TakenRequest& r : requests)
            if (r.operation == 2) return true;
        return false;
    }

    QString error;
    bool started = false;
    std::unique_ptr<sim::SimLine> line;
    std::vector<TakenRequest> requests;
    RigInteraction ui;  // whileAsking: what happens while a question shows
    TransmitterStack stack{ui};
    TCommPortDriver& port = stack.port();
    TransactionEngine& engine = stack.engine();
    ConfigModel& model = stack.model();
    TransmitterSession& session = stack.session();
};

inline sim::TransmitterProfile Profile(const char* type, int firmware, int rangeCode = 0,
                                       bool fixedRange = false) {
    sim::TransmitterProfile s;
    s.typeName = QString::fromLatin1(type);
    s.firmware = firmware;
    s.rangeCode = rangeCode;
    s.fixedRange = fixedRange;
    return s;
}

}  // namespace lmk17::test::ops
