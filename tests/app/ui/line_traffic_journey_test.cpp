// View › "Line Traffic" while the main window reads a transmitter behind an
// echoing two-wire converter with noise on the line.
#include <gtest/gtest.h>

#include <set>

#include "app/ui/main_form.h"
#include "link/port_connection.h"
#include "link/transaction_engine.h"
#include "link/ui/line_traffic_form.h"
#include "main_window_rig.h"
#include "stack/transmitter_stack.h"
#include "support/sim_fixture.h"

namespace lmk17::test {
namespace {

TEST(LineTrafficJourney, AReadShowsItsDecodedFramesWithEchoAndNoiseDropped) {
    sim::LineOptions o;
    o.echo = true;
    sim::Fault noise;
    ASSERT_TRUE(sim::Fault::parse(QStringLiteral("noise@2,5"), noise, nullptr));
    o.faults.push_back(noise);
    InProcessSim sim(o);
    Shell shell;
    ASSERT_TRUE(shell.stack().connection().connectDevice(sim.devicePath()));
    shell.form->LineTrafficMnu->trigger();
    auto* traffic = shell.form->findChild<TLineTrafficForm*>();
    ASSERT_TRUE(traffic && traffic->isVisible());

    BoxAnswerer yes(QMessageBox::Yes);
    shell.form->PrevodnikLoadBtn->click();
    ASSERT_TRUE(SpinUntil([&] { return shell.stack().idle(); }, 20000));
    ASSERT_TRUE(shell.stack().model().hasConfiguration());
    // The timer draws what came.
    ASSERT_TRUE(SpinUntil(
        [&] {
            return !traffic->shownEntries().empty() &&
                   traffic->trace().added() == traffic->shownEntries().size();
        },
        2000));
    std::multiset<TraceVerdict> verdicts;
    QStringList decoded;
    for (const TraceEntry& e : traffic->shownEntries()) {
        verdicts.insert(e.verdict);
        decoded << e.decoded;
    }
    const size_t requests = verdicts.count(TraceVerdict::Request);
    EXPECT_GT(requests, 20u);
    EXPECT_EQ(verdicts.count(TraceVerdict::EchoDropped), requests);
    EXPECT_EQ(verdicts.count(TraceVerdict::Answer), requests);
    EXPECT_EQ(verdicts.count(TraceVerdict::NoiseDropped), 2u);
    EXPECT_TRUE(decoded.contains("read int32 P101 DA 0"));  // the serial number first
    EXPECT_TRUE(
        decoded.contains("answer code 8 int32 = 12345678 \"Application layer answered OK.\""));

    // Closed, the window stops listening.
    traffic->close();
    EXPECT_EQ(shell.stack().engine().trace(), nullptr);
}

}  // namespace
}  // namespace lmk17::test
