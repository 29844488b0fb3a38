#pragma once

// The whole core against software transmitters on a pseudo-terminal, in one
// thread: the real serial adapter, transaction engine, session, live
// operations and monitoring, with scripted answers to every question.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "config/config_model.h"
#include "link/comm_port_driver.h"
#include "link/port_connection.h"
#include "link/transaction_engine.h"
#include "monitoring/monitor_log.h"
#include "monitoring/monitoring_engine.h"
#include "operations/live_readings.h"
#include "operations/transmitter_session.h"
#include "sim_frame.h"
#include "sim_line.h"
#include "stack/transmitter_stack.h"
#include "support/scripted_interaction.h"
#include "support/taken_request.h"

namespace lmk17::test {

class LiveSimRig {
public:
    explicit LiveSimRig(std::vector<sim::TransmitterProfile> profiles, int baud = 19200) {
        sim::LineOptions o;
        o.baud = baud;
        o.transmitters = std::move(profiles);
        line = std::make_unique<sim::SimLine>(o);
        QString error;
        started = line->start(&error);
        if (!started) return;
        QObject::connect(line.get(), &sim::SimLine::requestTaken, [this](const QByteArray& f) {
            sim::SimRequest r;
            if (!sim::ParseRequest(f, r)) return;
            ++takenCount;
            if (keepTaken) taken.push_back(TakenRequest::Of(r));
        });
        stack.connection().setBaudIndex(BaudIndexFromRate(baud));
        started = stack.connection().connectDevice(line->devicePath());
    }

    sim::SimTransmitter& transmitter(int address = 0) { return *line->transmitter(address); }

    // Runs the event loop until the condition holds or the time is up.
    static bool waitFor(const std::function<bool()>& done, int timeoutMs = 5000) {
        QDeadlineTimer deadline(timeoutMs);
        while (!done()) {
            if (deadline.hasExpired()) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents,
                                            20);
        }
        return true;
    }
    static void spin(int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }
    bool idle() const { return stack.idle(); }
    bool waitIdle(int timeoutMs = 5000) {
        return waitFor([this] { return idle(); }, timeoutMs);
    }

    // Reads the transmitter's configuration, as every live operation needs.
    bool readConfiguration() {
        if (!session.startRead()) return false;
        return waitIdle(20000) && session.lastOutcome() == OperationOutcome::Completed;
    }

    std::vector<TakenRequest> writesOf(int parameter) const {
        std::vector<TakenRequest> out;
        for (const auto& t : taken)
            if (t.parameter == parameter && t.operation == 2) out.push_back(t);
        return out;
    }
    int readsOf(int parameter) const {
        int n = 0;
        for (const auto& t : taken) n += (t.parameter == parameter && t.operation == 1);
        return n;
    }

    ScriptedInteraction ui;
    std::unique_ptr<sim::SimLine> line;
    TransmitterStack stack{ui};
    TCommPortDriver& port = stack.port();
    TransactionEngine& engine = stack.engine();
    ConfigModel& model = stack.model();
    TransmitterSession& session = stack.session();
    LiveReadings& live = stack.live();
    MonitorLog& log = stack.monitorLog();
    MonitoringEngine& monitoring = stack.monitoring();
    std::vector<TakenRequest> taken;
    bool keepTaken = true;  // off: only counted (long runs)
    long takenCount = 0;
    bool started = false;
};

inline sim::TransmitterProfile Profile(const char* type, int fw, int rangeCode = 0) {
    sim::TransmitterProfile s;
    s.typeName = QString::fromLatin1(type);
    s.firmware = fw;
    s.rangeCode = rangeCode;
    return s;
}

}  // namespace lmk17::test
