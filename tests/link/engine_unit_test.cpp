// The transaction engine against a scripted port: collection, refusals,
// time-outs, the quiet line, the timed-request slot and stopping an
// operation. The questions that pause and repeat its exchanges are held in
// tests/operations/common_routines_test.cpp.

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "link/frame.h"
#include "link/link_parameters.h"
#include "link/result_codes.h"
#include "link/transaction_engine.h"
#include "operations/common_routines.h"
#include "support/engine_rig.h"
#include "support/qt_printers.h"
#include "support/sim_fixture.h"

using namespace lmk17;
using namespace lmk17::test;

namespace {

const QByteArray kShortOk = HexFrame("10 1F 00 00 1F 16");

class EngineUnit : public EngineUnitRig {};

TEST(EngineTiming, DefaultsAreTheProgramsIntervals) {
    const LinkTiming t;
    EXPECT_EQ(t.answerTimeoutMs, 1200);
    EXPECT_EQ(t.repeatDelayMs, 10);
    EXPECT_EQ(t.incompleteResetMs, 1000);
    EXPECT_EQ(t.slotTickMs, 200);
    EXPECT_EQ(t.slotMinPeriodMs, 200);
    EXPECT_EQ(t.slotFarOffMs, 6000000);
    EXPECT_EQ(t.attempts, 3);
    EXPECT_EQ(t.quietLineWindows, 4);
    FakeLinkPort port;
    ScriptedInteraction ui;
    TransactionEngine engine(port, ui);
    EXPECT_EQ(engine.timing().answerTimeoutMs, 1200);
    EXPECT_EQ(engine.masterAddress(), 31);
}

TEST_F(EngineUnit, RefusalsAreDispatchedAtOnceWithoutSending) {
    struct Case {
        const char* name;
        bool portOpen;
        int operation;
        bool outstanding;
        int expected;
    };
    const Case cases[] = {
        {"port closed", false, OpRead, false, 300},
        {"port closed wins over a bad operation", false, OpNone, false, 300},
        {"neither read nor write", true, OpNone, false, 500},
        {"operation 3", true, 3, false, 500},
        {"request outstanding", true, OpRead, true, 400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        results.clear();
        engine.ResetReceiveState();
        port.open = true;
        if (c.outstanding) sendRead();
        const qsizetype sentBefore = port.sent.size();
        port.open = c.portOpen;
        engine.request().operation = c.operation;
        engine.SestavPrikaz();
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0], c.expected);
        EXPECT_EQ(ResultCodeText(engine.state().result), QString());
        EXPECT_EQ(port.sent.size(), sentBefore);
    }
}

TEST_F(EngineUnit, SendPurgesFirstAndCarriesTheRequestFrame) {
    engine.setMasterAddress(31);
    sendRead(101, TypeInt32);
    ASSERT_EQ(port.sent.size(), 1);
    EXPECT_EQ(port.sent[0], HexFrame("68 07 07 68 00 1F 4D 01 01 65 00 D3 16"));
    EXPECT_EQ(port.purges, 1);
    EXPECT_TRUE(engine.requestOutstanding());
    EXPECT_EQ(engine.state().buffer[1], 250);
}

// How an answer is collected from the chunks the port delivers.
TEST_F(EngineUnit, CollectsAnswersFromChunks) {
    const QByteArray answer = FloatAnswer(12.5f);
    const QByteArray request = HexFrame("68 07 07 68 00 1F 4D 01 02 00 00 6F 16");  // read 0 float
    struct Case {
        const char* name;
        QList<QByteArray> chunks;
        int completesAfter;  // chunk index whose delivery must end the exchange
        int result;
    };
    const Case cases[] = {
        {"whole", {answer}, 0, 8},
        {"noise before", {HexFrame("FF 00") + answer}, 0, 8},
        {"three chunks", {answer.left(4), answer.mid(4, 5), answer.mid(9)}, 2, 8},
        {"lone start byte first", {answer.left(1), answer.mid(1)}, 1, 8},
        {"echo and answer together", {request + answer}, 0, 8},
        {"echo, then answer", {request, answer}, 1, 8},
        {"echo torn across chunks",
         {request.left(5), request.mid(5) + answer.left(3), answer.mid(3)},
         2,
         8},
        {"short refusal after noise", {HexFrame("FF 00") + HexFrame("10 1F 00 02 21 16")}, 0, 2},
        {"bad check byte",
         {answer.left(answer.size() - 2) + char(answer[answer.size() - 2] ^ 1) + answer.right(1)},
         0,
         101},
        {"length bytes differ",
         {[&] {
             QByteArray a = answer;
             a[2] = char(a[2] + 1);
             return a;
         }()},
         0,
         100},
        // an acknowledgement cannot answer a read: dropped, the answer behind
        // it taken (last: the line has to settle afterwards)
        {"acknowledgement, then the answer", {kShortOk, answer}, 1, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        results.clear();
        engine.ResetReceiveState();
        sendRead(0, TypeFloat);
        ASSERT_EQ(port.sent.last(), request);
        for (int i = 0; i < c.chunks.size(); ++i) {
            port.deliver(c.chunks[i]);
            EXPECT_EQ(results.size(), i >= c.completesAfter ? 1u : 0u) << "after chunk " << i;
        }
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0], c.result);
        if (c.result == 8) {
            EXPECT_DOUBLE_EQ(engine.request().value, 12.5);
        }
        EXPECT_FALSE(engine.requestOutstanding());
    }
}

TEST_F(EngineUnit, AnswerNobodyAskedForIsDropped) {
    LinkTiming t;
    t.answerTimeoutMs = 300;  // wide enough for a loaded machine's timers
    engine.setTiming(t);
    port.deliver(kShortOk);
    EXPECT_TRUE(results.empty());
    // ... and the next request waits until the line has been quiet for the
    // answer window, so that nothing of it glues onto the next answer.
    sendRead();
    EXPECT_TRUE(port.sent.isEmpty());
    EXPECT_TRUE(engine.requestOutstanding());
    port.deliver(FloatAnswer(9.0f));  // still not asked for: the wait starts again
    Spin(30);
    EXPECT_TRUE(port.sent.isEmpty());
    ASSERT_TRUE(SpinUntil([&] { return port.sent.size() == 1; }, 2000));
    port.deliver(FloatAnswer(1.0f));
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0], 8);
    EXPECT_DOUBLE_EQ(engine.request().value, 1.0);
}

// A line that is never quiet (another device sending a byte every so often)
// must not hold a request for ever: it ends unsent with ResultLineBusy after
// the deadline; a line that falls quiet in time lets it out.
TEST_F(EngineUnit, QuietLineWaitHasADeadline) {
    const struct {
        const char* name;
        int babbleEveryMs;  // 0: no babble after the first stray byte
        int babbleForMs;
        int sends;   // requests on the line at the end
        int result;  // -1: none handed to the operation
    } cases[] = {
        {"quiet at once", 0, 0, 1, -1},
        {"quiet after a while", 40, 250, 1, -1},
        {"never quiet", 40, 1500, 0, ResultLineBusy},
        {"a byte every half window", 50, 1500, 0, ResultLineBusy},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkTiming t;
        t.answerTimeoutMs = 100;
        t.quietLineWindows = 4;
        engine.setTiming(t);
        engine.abandonExchange();
        ASSERT_TRUE(SpinUntil([&] { return !engine.lineSettling(); }, 1000));
        port.sent.clear();
        results.clear();
        ui.progress.clear();
        port.deliver(HexFrame("FF"));  // nobody asked: the line must settle
        sendRead();
        ASSERT_TRUE(port.sent.isEmpty());
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < c.babbleForMs && results.empty()) {
            Spin(c.babbleEveryMs);
            if (results.empty()) port.deliver(HexFrame("FF"));
        }
        SpinUntil([&] { return !results.empty() || !port.sent.isEmpty(); }, 1000);
        EXPECT_EQ(port.sent.size(), c.sends);
        if (c.result < 0) {
            EXPECT_TRUE(results.empty());
            continue;
        }
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0], c.result);
        EXPECT_FALSE(engine.requestOutstanding());
        EXPECT_LT(clock.elapsed(), 4 * 100 + 400) << "the deadline was not kept";
        // The wait showed in the progress window, which is closed again.
        EXPECT_FALSE(ui.progress.empty());
        EXPECT_FALSE(ui.progressOpen);
        EXPECT_FALSE(ResultCodeText(c.result).isEmpty());
    }
}

// Esc during the wait breaks it like any other exchange; nothing is sent later.
TEST_F(EngineUnit, QuietLineWaitCanBeBroken) {
    LinkTiming t;
    t.answerTimeoutMs = 100;
    engine.setTiming(t);
    engine.operation().processCode = ProcessPV;
    port.deliver(HexFrame("FF"));
    sendRead();
    ASSERT_TRUE(engine.requestOutstanding());
    ui.answers = {true};
    BreakOperation(engine);
    EXPECT_FALSE(engine.requestOutstanding());
    Spin(600);
    EXPECT_TRUE(port.sent.isEmpty());
    EXPECT_TRUE(results.empty());
    EXPECT_FALSE(ui.progressOpen);
}

TEST_F(EngineUnit, StrayBytesAfterAnAnswerDoNotCompleteItAgain) {
    sendRead();
    const QByteArray a = FloatAnswer(2.0f);
    port.deliver(a);
    port.deliver(a.right(1));
    port.deliver(QByteArray(1, char(0x10)));
    EXPECT_EQ(results.size(), 1u);
}

TEST_F(EngineUnit, CountStopsAtTheBufferSize) {
    sendRead();
    // A long frame announcing 255 bytes can never complete: the collection
    // stops at 256 bytes and the time-out ends the exchange.
    LinkTiming t;
    t.answerTimeoutMs = 30;
    engine.setTiming(t);
    engine.setAttempts(1);
    port.deliver(HexFrame("68 FF FF 68") + QByteArray(400, 0x01));
    EXPECT_EQ(engine.state().count, 256);
    EXPECT_TRUE(results.empty());
}

TEST_F(EngineUnit, IncompleteAnswerIsDroppedAfterSilence) {
    LinkTiming t;
    t.incompleteResetMs = 40;
    engine.setTiming(t);
    sendRead();
    port.deliver(HexFrame("68 0A"));  // a torn start that would swallow the answer
    Spin(90);
    EXPECT_EQ(engine.state().count, 0);
    port.deliver(FloatAnswer(3.0f));
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0], 8);
}

TEST_F(EngineUnit, SilenceSendsThreeTimesThenTimesOut) {
    LinkTiming t;
    t.answerTimeoutMs = 60;
    t.repeatDelayMs = 10;
    engine.setTiming(t);
    std::vector<qint64> sentAt;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&engine, &TransactionEngine::frameSent,
                     [&] { sentAt.push_back(clock.elapsed()); });
    sendRead();
    ASSERT_TRUE(SpinUntil([&] { return !results.empty(); }, 2000));
    EXPECT_EQ(results[0], 200);
    EXPECT_EQ(ResultCodeText(engine.state().result), QStringLiteral(" ERROR: Timeout."));
    ASSERT_EQ(sentAt.size(), 3u);
    for (size_t i = 1; i < sentAt.size(); ++i) {
        EXPECT_GE(sentAt[i] - sentAt[i - 1], 70);
        EXPECT_LT(sentAt[i] - sentAt[i - 1], 110);
    }
    EXPECT_EQ(port.sent[0], port.sent[2]);
}

TEST_F(EngineUnit, RepeatAfterTimeOutKeepsSendingUntilAnswered) {
    LinkTiming t;
    t.answerTimeoutMs = 20;
    t.repeatDelayMs = 1;
    engine.setTiming(t);
    ui.answers = {true};  // repeat once
    engine.registerOperation(ProcessPV, [this] {
        results.push_back(engine.state().result);
        if (engine.state().result != 8) ErrorRWP52(engine, false);
    });
    sendRead();
    ASSERT_TRUE(SpinUntil([&] { return port.sent.size() >= 6; }, 2000));
    // Attempts are not renewed by the repeat: no second time-out report.
    EXPECT_EQ(results, std::vector<int>{200});
    port.deliver(FloatAnswer(4.0f));
    EXPECT_EQ(results, (std::vector<int>{200, 8}));
}

TEST_F(EngineUnit, StopOperationUsesTheOperationsOwnEnding) {
    for (const ProcessCode code : {ProcessMonitoring, ProcessPV, ProcessOutputTest,
                                   ProcessCjTemperature, ProcessReadConfig}) {
        SCOPED_TRACE(processNumber(code));
        int ended = 0;
        engine.registerOperation(
            code, [] {}, [&] { ++ended; });
        engine.EnableCommands(false);
        engine.operation().processCode = code;
        engine.operation().step = 20;
        engine.StopOperation();
        const bool own = code != ProcessReadConfig;
        EXPECT_EQ(ended, own ? 1 : 0);
        EXPECT_EQ(engine.operation().running(),
                  own);  // the end routine clears it, not StopOperation
        EXPECT_EQ(engine.commandsEnabled(), !own);
        engine.operation().clear();
    }
}

TEST_F(EngineUnit, StopEndsTheExchangeInFlight) {
    LinkTiming t;
    t.answerTimeoutMs = 20;
    engine.setTiming(t);
    sendRead();
    engine.StopOperation();
    Spin(80);
    EXPECT_EQ(port.sent.size(), 1);  // no repeat of a request nobody waits for
    EXPECT_TRUE(results.empty());
}

TEST_F(EngineUnit, SlotPeriodHasAFloorOf200) {
    std::vector<qint64> at;
    QElapsedTimer clock;
    engine.registerOperation(ProcessPV, [&] {
        at.push_back(clock.elapsed());
        engine.operation().step = OperationRecord::kWaitingForSlot;
    });
    engine.operation().step = OperationRecord::kWaitingForSlot;
    clock.start();
    engine.Req4TmrReqRec(TmrReqRec::kPeriodic, ProcessPV, 150, 52);
    EXPECT_EQ(engine.timedRequest().periodMs, 200);
    ASSERT_TRUE(SpinUntil([&] { return at.size() >= 5; }, 3000));
    engine.Clear_TmrReqRec();
    for (size_t i = 0; i < at.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(double(at[i]), 200.0 * double(i + 1), 25.0);
    }
}

TEST_F(EngineUnit, SlotDueTimeFollowsItsOwnRhythm) {
    qint64 now = 1000;
    engine.setClock([&] { return now; });
    LinkTiming t;
    t.slotTickMs = 2;
    engine.setTiming(t);
    int runs = 0;
    engine.registerOperation(ProcessPV, [&] {
        ++runs;
        EXPECT_EQ(engine.operation().step, 52);
        engine.operation().step = OperationRecord::kWaitingForSlot;
    });
    engine.operation().step = OperationRecord::kWaitingForSlot;
    engine.Req4TmrReqRec(TmrReqRec::kPeriodic, ProcessPV, 200, 52);
    EXPECT_EQ(engine.timedRequest().dueMs, 1200);
    Spin(20);
    EXPECT_EQ(runs, 0);
    now = 1350;  // late: the next due time counts from the old one, not from now
    Spin(20);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(engine.timedRequest().dueMs, 1400);
    now = 1400;
    Spin(20);
    EXPECT_EQ(runs, 2);
    // A due time that jumped beyond believing is taken as due now.
    now = 1400 + 7000000;
    Spin(20);
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(engine.timedRequest().dueMs, now + 200);
    // An operation that is busy (not at step 1) is not resumed; the due time moves on.
    engine.operation().step = 60;
    now += 200;
    Spin(20);
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(engine.timedRequest().dueMs, now + 200);
    engine.Clear_TmrReqRec();
    EXPECT_TRUE(engine.timedRequest().empty());
}

}  // namespace

namespace {

TEST_F(EngineUnit, CommandStateIsKeptAndSignalled) {
    std::vector<bool> seen;
    QObject::connect(&engine, &TransactionEngine::commandsEnabledChanged,
                     [&](bool on) { seen.push_back(on); });
    EXPECT_TRUE(engine.commandsEnabled());
    engine.EnableCommands(false);
    EXPECT_FALSE(engine.commandsEnabled());
    engine.operation().processCode = ProcessReadConfig;
    engine.StopOperation();
    EXPECT_TRUE(engine.commandsEnabled());
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
}

}  // namespace
