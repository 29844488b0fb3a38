// After each event that may leave an answer on its way (a frame of the wrong
// shape, bytes nobody asked for, a freshly opened port, a time-out, an
// exchange given up), the next request waits until the line has been quiet
// for the answer window, so that a late answer cannot be taken for its own.

#include <gtest/gtest.h>

#include "support/sim_fixture.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

#include "link/frame.h"
#include "link/link_timing.h"
#include "link/transaction_engine.h"
#include "support/engine_rig.h"
#include "support/scripted_interaction.h"

namespace lmk17 {
namespace {

using test::FakeLinkPort;
using test::ScriptedInteraction;

constexpr int kWindowMs = 300;  // wide enough for a loaded machine's timers

// The shared event-loop helpers of the rigs.
void spin(int ms) {
    test::Spin(ms);
}

bool spinUntil(const std::function<bool()>& done, int timeoutMs) {
    return test::SpinUntil(done, timeoutMs);
}

QByteArray floatAnswer() {
    QByteArray data(1, char(TypeFloat));
    data.append(QByteArray(4, '\0'));
    return OdesliLF(data, 31, 0, 0x08);
}

const QByteArray kWriteAcknowledged = QByteArray::fromHex("101F00001F16");

struct Rig {
    FakeLinkPort port;
    ScriptedInteraction ui;
    TransactionEngine engine{port, ui};
    std::vector<int> results;

    Rig() {
        LinkTiming t;
        t.answerTimeoutMs = kWindowMs;
        t.repeatDelayMs = 1;
        engine.setTiming(t);
        engine.registerOperation(ProcessPV, [this] { results.push_back(engine.state().result); });
        engine.operation().processCode = ProcessPV;
        engine.operation().step = 10;
    }
    void sendRead() {
        LinkRequest& r = engine.request();
        r.operation = OpRead;
        r.dataType = TypeFloat;
        r.parameter = 0;
        r.da = 0;
        engine.setAttempts(1);
        engine.SestavPrikaz();
    }
};

TEST(QuietLine, NextRequestWaitsAfterEachEventThatStartsIt) {
    struct Case {
        const char* name;
        void (*event)(Rig&);
    } cases[] = {
        {"an answer of the wrong shape",
         [](Rig& r) {
             r.sendRead();
             r.port.deliver(kWriteAcknowledged);  // cannot answer a read: dropped
             r.port.deliver(floatAnswer());       // the answer itself still counts
             ASSERT_EQ(r.results, std::vector<int>{8});
         }},
        {"bytes nobody asked for", [](Rig& r) { r.port.deliver(floatAnswer()); }},
        {"the port opened", [](Rig& r) { emit r.port.opened(); }},
        {"a time-out",
         [](Rig& r) {
             r.sendRead();
             ASSERT_TRUE(spinUntil([&] { return !r.results.empty(); }, 5000));
             ASSERT_EQ(r.results, std::vector<int>{200});
         }},
        {"an exchange given up",
         [](Rig& r) {
             r.sendRead();
             r.engine.abandonExchange();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        c.event(rig);
        EXPECT_TRUE(rig.engine.lineSettling());
        const qsizetype sentBefore = rig.port.sent.size();
        rig.sendRead();
        EXPECT_EQ(rig.port.sent.size(), sentBefore) << "sent before the line was quiet";
        EXPECT_TRUE(spinUntil([&] { return rig.port.sent.size() == sentBefore + 1; }, 5000));
        EXPECT_FALSE(rig.engine.lineSettling());
    }
}

// A clean exchange leaves nothing on the line: the next request goes at once.
TEST(QuietLine, CleanExchangeNeverWaits) {
    Rig rig;
    rig.sendRead();
    rig.port.deliver(floatAnswer());
    ASSERT_EQ(rig.results, std::vector<int>{8});
    EXPECT_FALSE(rig.engine.lineSettling());
    rig.sendRead();
    EXPECT_EQ(rig.port.sent.size(), 2);
}

// Bytes on a settling line start the window again.
TEST(QuietLine, BytesOnTheSettlingLineRestartTheWindow) {
    Rig rig;
    rig.port.deliver(floatAnswer());
    rig.sendRead();
    bool everyGapShort = true;  // a loaded machine may stretch a gap past the window
    QElapsedTimer gap;
    gap.start();
    for (int i = 0; i < 4; ++i) {
        spin(kWindowMs / 2);
        everyGapShort = everyGapShort && gap.elapsed() < kWindowMs - 20;
        rig.port.deliver(QByteArray(1, char(0xE5)));
        gap.restart();
    }
    // Four half windows passed, each ended by a byte: the request still waits.
    if (everyGapShort) {
        EXPECT_TRUE(rig.port.sent.isEmpty());
    }
    EXPECT_TRUE(spinUntil([&] { return rig.port.sent.size() == 1; }, 5000));
}

}  // namespace
}  // namespace lmk17
