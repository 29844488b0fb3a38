// Every way an operation ends leaves the link free and the transmitter as the
// user left it: Stop with a request on the line, a port that goes away.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <functional>

#include "link/link_parameters.h"
#include "monitoring/live_sim_rig.h"
#include "operations/common_routine_texts.h"

namespace lmk17 {
namespace {

using test::LiveSimRig;
using test::Profile;

constexpr int kAnswerMs = 200;

LinkTiming Quick() {
    LinkTiming t;
    t.answerTimeoutMs = kAnswerMs;
    return t;
}

sim::Fault At(sim::Fault::Kind kind, int answer, int delayMs = 0) {
    sim::Fault f;
    f.kind = kind;
    f.answers = {answer};
    f.delayMs = delayMs;
    return f;
}

// Identification takes five answers; the operation's first request is the sixth.
int FirstOperationAnswer(LiveSimRig& rig) {
    return rig.line->answerNumber() + 6;
}

// Stop pressed while the operation's first request is on the line and never
// answered: nothing is sent again, the link is free at once.
TEST(OperationEnds, StopAbandonsTheExchangeOnTheLine) {
    const struct {
        const char* name;
        bool outputTest;
    } cases[] = {{"PV reading", false}, {"output test", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LiveSimRig rig({Profile("K8410H10", 191)});
        ASSERT_TRUE(rig.started);
        rig.engine.setTiming(Quick());
        ASSERT_TRUE(rig.readConfiguration());
        const int first = FirstOperationAnswer(rig);
        rig.line->addFault(At(sim::Fault::Silence, first));
        auto press = [&] {
            return c.outputTest ? rig.live.useOrStopOutputTest() : rig.live.readOrStopPv();
        };
        ASSERT_TRUE(press());
        ASSERT_TRUE(LiveSimRig::waitFor([&] { return rig.line->answerNumber() >= first; }));
        press();  // "Stop"
        EXPECT_TRUE(rig.idle());
        EXPECT_TRUE(rig.engine.commandsEnabled());
        const long taken = rig.takenCount;
        LiveSimRig::spin(3 * kAnswerMs + 100);
        EXPECT_EQ(rig.takenCount, taken) << "sent again after Stop";
        if (!c.outputTest) continue;
        // The value reached the transmitter; "Exit Testing" still leaves test mode.
        EXPECT_TRUE(rig.transmitter().testMode());
        rig.taken.clear();
        EXPECT_TRUE(rig.live.exitOutputTesting());
        ASSERT_TRUE(rig.waitIdle());
        ASSERT_EQ(rig.writesOf(220).size(), 1u);
        EXPECT_EQ(rig.writesOf(220)[0].floatValue(), -200.0);
        EXPECT_FALSE(rig.transmitter().testMode());
    }
}

// A port closed under a running operation ends it with result 300 at once:
// the question to connect a port, then the commands are enabled again.
TEST(OperationEnds, ClosedPortEndsTheOperationAtOnce) {
    const struct {
        const char* name;
        std::function<bool(LiveSimRig&)> start;  // true once it runs as wanted
    } cases[] = {
        {"interval PV reading waiting for its period",
         [](LiveSimRig& rig) {
             rig.live.setIntervalReading(true);
             rig.live.leavePeriodEdit(QStringLiteral("15"));
             return rig.live.readOrStopPv() &&
                    LiveSimRig::waitFor([&] { return rig.engine.operation().waitingForSlot(); });
         }},
        {"configuration read with a request on the line",
         [](LiveSimRig& rig) {
             const int held = FirstOperationAnswer(rig) + 3;
             rig.line->addFault(At(sim::Fault::Delay, held, 5000));
             return rig.session.startRead() &&
                    LiveSimRig::waitFor([&] { return rig.line->answerNumber() >= held; });
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LiveSimRig rig({Profile("K8410H10", 191)});
        ASSERT_TRUE(rig.started);
        ASSERT_TRUE(rig.readConfiguration());
        const TransmitterConfig before = rig.model.config();
        ASSERT_TRUE(c.start(rig));
        rig.ui.shown.clear();
        rig.ui.answers = {false};
        rig.port.close();
        EXPECT_TRUE(rig.waitIdle(100));
        EXPECT_TRUE(rig.engine.commandsEnabled());
        EXPECT_EQ(rig.ui.last(), QCoreApplication::translate(
                                     "Operations", operation_text::kNoPortConnectQuestion));
        EXPECT_EQ(rig.model.config(), before);
    }
}

}  // namespace
}  // namespace lmk17
