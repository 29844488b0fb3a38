#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "link/comm_port_driver.h"
#include "link/link_timing.h"
#include "link/transaction_engine.h"
#include "sim_line.h"
#include "stack/transmitter_stack.h"
#include "support/scripted_interaction.h"

namespace lmk17::test {

// Runs the event loop for a while / until a condition holds (false on time-out).
void Spin(int ms);
bool SpinUntil(const std::function<bool()>& done, int timeoutMs);

// A simulator line on a pseudo-terminal in this process and thread: the
// tests change its transmitters and faults directly.
class InProcessSim {
public:
    explicit InProcessSim(sim::LineOptions options = {});
    sim::SimLine& line() { return *line_; }
    QString devicePath() const { return line_->devicePath(); }
    sim::SimTransmitter& transmitter(int address = 0);
    // The make-up of a transmitter: a type and firmware at an address.
    static sim::TransmitterProfile Transmitter(int address, const QString& type, int firmware);

private:
    std::unique_ptr<sim::SimLine> line_;
};

// Scripted answers; a question can let something happen while it shows (an
// answer arriving behind a modal box).
class RigInteraction : public ScriptedInteraction {
public:
    std::function<void()> whileAsking;
    bool question(Question id, MessageKind kind, const QString& text) override {
        if (whileAsking) whileAsking();
        return ScriptedInteraction::question(id, kind, text);
    }
};

// The core stack on the simulator's terminal with a scripted user: what every
// end-to-end test of the link needs.
class SimRig {
public:
    explicit SimRig(sim::LineOptions options = {}, const LinkTiming& timing = FastTiming());

    // Shortened intervals so a test of a failure does not wait seconds.
    static LinkTiming FastTiming();

    // Sends one request outside any operation and waits for the exchange to
    // end; the result code (or -1 when nothing ended it in time).
    int Exchange(const LinkRequest& request, int timeoutMs = 5000);
    static LinkRequest Read(int parameter, int type, int da = 0, int row = 0);
    static LinkRequest Write(int parameter, int type, int da = 0, int row = 0);

    InProcessSim sim;
    RigInteraction ui;
    TransmitterStack stack{ui};
    TCommPortDriver& port = stack.port();
    TransactionEngine& engine = stack.engine();
    int sends = 0;  // frames the engine has put on the line
};

}  // namespace lmk17::test
