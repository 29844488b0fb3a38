// What one program leaves on a device's line for the next: how long the next
// one waits before its first request.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "link/line_record.h"
#include "link/port_connection.h"
#include "support/builders.h"
#include "support/sim_fixture.h"

namespace lmk17::test {
namespace {

constexpr int kWindowMs = 400;

TEST(LineRecord, WaitFollowsTheRecord) {
    const qint64 now = 1'700'000'000'000;
    const qint64 device = 1'600'000'000'123;
    const struct {
        const char* text;
        int waitMs;
    } cases[] = {
        {"quiet 1600000000123\n", 0},
        {"quiet 1600000000999\n", kWindowMs},  // another device of that name
        {"quiet\n", kWindowMs},
        {"busy\n", kWindowMs},                              // still open, or killed
        {"", kWindowMs},                                    // no record: another program, a crash
        {"garbage", kWindowMs},                             // unreadable
        {"sent 1699999999900 1600000000123\n", 300},        // the rest of the window
        {"sent 1699999999000 1600000000123\n", 0},          // long past
        {"sent 1700000005000 1600000000123\n", kWindowMs},  // the clock went back
        {"sent 1699999999900 1600000000999\n", kWindowMs},  // another device
        {"sent -5 1600000000123\n", kWindowMs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const LineRecord r = ParseLineRecord(QByteArray(c.text));
        EXPECT_EQ(QuietWaitMs(r, device, now, kWindowMs), c.waitMs);
        if (r.kind != LineRecord::Kind::None) {
            EXPECT_EQ(ParseLineRecord(LineRecordText(r)).kind, r.kind);
        }
    }
}

// One program after the other on the same device (the simulator's terminal
// stays; each stack is a program).
struct Program {
    explicit Program(const QString& folder, const QString& device) {
        LinkTiming t;
        t.answerTimeoutMs = kWindowMs;
        stack.engine().setTiming(t);
        stack.engine().setLineRecordFolder(folder);
        open = stack.connection().connectDevice(device);
    }
    RigInteraction ui;
    TransmitterStack stack{ui};
    bool open = false;
};

TEST(LineRecord, NextProgramWaitsOnlyWhatTheLastOneLeft) {
    const struct {
        const char* name;
        void (*before)(Program&, InProcessSim&);
        bool waits;
    } cases[] = {
        {"a clean exchange, then closed",
         [](Program& p, InProcessSim&) {
             p.stack.engine().request() = ReadRequest(0, TypeFloat);
             p.stack.engine().setAttempts(1);
             p.stack.engine().SestavPrikaz();
             ASSERT_TRUE(SpinUntil([&] { return !p.stack.engine().requestOutstanding(); }, 5000));
             ASSERT_EQ(p.stack.engine().state().result, 8);
         },
         false},
        {"closed with its request on the line",
         [](Program& p, InProcessSim& sim) {
             sim.line().setAnswerDelay(200);
             p.stack.engine().request() = ReadRequest(0, TypeFloat);
             p.stack.engine().setAttempts(1);
             p.stack.engine().SestavPrikaz();
             Spin(20);
         },
         true},
        {"closed right after opening onto a line that was not quiet",
         [](Program&, InProcessSim&) {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        InProcessSim sim;
        // Whatever ran before on this terminal name left no record here.
        {
            Program first(dir.path(), sim.devicePath());
            ASSERT_TRUE(first.open);
            const QString record = LineRecordPath(dir.path(), sim.devicePath());
            EXPECT_EQ(ReadLineRecord(record).kind, LineRecord::Kind::Busy);
            if (QByteArray(c.name).startsWith("closed right")) {
                EXPECT_TRUE(first.stack.engine().lineSettling());
            } else {
                ASSERT_TRUE(SpinUntil([&] { return !first.stack.engine().lineSettling(); }, 5000));
                c.before(first, sim);
            }
        }
        QElapsedTimer t;
        t.start();
        Program next(dir.path(), sim.devicePath());
        ASSERT_TRUE(next.open);
        EXPECT_EQ(next.stack.engine().lineSettling(), c.waits);
        ASSERT_TRUE(SpinUntil([&] { return !next.stack.engine().lineSettling(); }, 5000));
        EXPECT_LE(t.elapsed(), kWindowMs + 200);
        // Whatever the last one left, what comes now is this program's answer.
        next.stack.engine().request() = ReadRequest(1, TypeFloat);
        next.stack.engine().setAttempts(1);
        next.stack.engine().SestavPrikaz();
        ASSERT_TRUE(SpinUntil([&] { return !next.stack.engine().requestOutstanding(); }, 5000));
        EXPECT_EQ(next.stack.engine().state().result, 8);
        EXPECT_DOUBLE_EQ(next.stack.engine().request().value, -200.0);
    }
}

// A record that cannot be written costs the wait, never the port.
TEST(LineRecord, UnwritableFolderStillOpens) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    InProcessSim sim;
    for (int i = 0; i < 2; ++i) {
        Program p(blocker.fileName(), sim.devicePath());  // a file where the folder should be
        ASSERT_TRUE(p.open);
        EXPECT_TRUE(p.stack.engine().lineSettling());
    }
}

}  // namespace
}  // namespace lmk17::test
