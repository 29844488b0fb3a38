#include "support/sim_fixture.h"

#include "support/builders.h"

#include "link/port_connection.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <stdexcept>

namespace lmk17::test {

void Spin(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool SpinUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() >= timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

// ---- in-process simulator ---------------------------------------------------------

InProcessSim::InProcessSim(sim::LineOptions options) {
    if (options.transmitters.empty()) options.transmitters.push_back(sim::TransmitterProfile{});
    line_ = std::make_unique<sim::SimLine>(std::move(options));
    QString error;
    if (!line_->start(&error))
        throw std::runtime_error("simulator did not start: " + error.toStdString());
}

sim::SimTransmitter& InProcessSim::transmitter(int address) {
    sim::SimTransmitter* t = line_->transmitter(address);
    if (!t) throw std::runtime_error("no simulated transmitter at that address");
    return *t;
}

sim::TransmitterProfile InProcessSim::Transmitter(int address, const QString& type, int firmware) {
    sim::TransmitterProfile s;
    s.address = address;
    s.typeName = type;
    s.firmware = firmware;
    return s;
}

// ---- engine on the simulator -----------------------------------------------------------

LinkTiming SimRig::FastTiming() {
    LinkTiming t;
    t.answerTimeoutMs = 150;
    t.repeatDelayMs = 10;
    t.incompleteResetMs = 100;
    return t;
}

SimRig::SimRig(sim::LineOptions options, const LinkTiming& timing) : sim(std::move(options)) {
    engine.setTiming(timing);
    if (!stack.connection().connectDevice(sim.devicePath()))
        throw std::runtime_error("cannot open the simulator's terminal: " +
                                 port.errorString().toStdString());
    // A fresh simulator has nothing left over: the tests start on a quiet line.
    SpinUntil([this] { return !engine.lineSettling(); }, 5000);
    QObject::connect(&engine, &TransactionEngine::frameSent, [this] { ++sends; });
}

int SimRig::Exchange(const LinkRequest& request, int timeoutMs) {
    int result = -1;
    const auto c = QObject::connect(&engine, &TransactionEngine::exchangeEnded,
                                    [&](int r, bool) { result = r; });
    engine.request() = request;
    engine.setAttempts(engine.timing().attempts);
    engine.SestavPrikaz();
    SpinUntil([&] { return result >= 0; }, timeoutMs);
    QObject::disconnect(c);
    return result;
}

LinkRequest SimRig::Read(int parameter, int type, int da, int row) {
    return ReadRequest(parameter, type, da, row);
}

LinkRequest SimRig::Write(int parameter, int type, int da, int row) {
    return WriteRequest(parameter, type, da, row);
}

}  // namespace lmk17::test
