// The engine with the real serial port driver against the software
// transmitter on a pseudo-terminal: data types, injected faults, the repeat
// question, the deferred answer and the timed-request slot.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <functional>

#include "link/result_codes.h"
#include "operations/common_routine_texts.h"
#include "operations/common_routines.h"
#include "support/qt_printers.h"
#include "support/sim_fixture.h"

using namespace lmk17;
using namespace lmk17::test;

namespace {

sim::LineOptions TwoTransmitters() {
    sim::LineOptions o;
    o.transmitters = {InProcessSim::Transmitter(0, QStringLiteral("K8620L31"), 191),
                      InProcessSim::Transmitter(1, QStringLiteral("K8620L11"), 185)};
    return o;
}

sim::Fault MakeFault(const char* profile) {
    sim::Fault f;
    QString error;
    EXPECT_TRUE(sim::Fault::parse(QString::fromLatin1(profile), f, &error)) << error.toStdString();
    return f;
}

TEST(EngineEndToEnd, WritesAndReadsBackEveryDataType) {
    SimRig rig(TwoTransmitters());
    struct Case {
        const char* name;
        LinkRequest write;
    };
    std::vector<Case> cases;
    {
        LinkRequest r = SimRig::Write(51, TypeInt16);
        r.value16 = 57;
        cases.push_back({"int16", r});
        r = SimRig::Write(161, TypeInt32, 1);  // firmware 1.85 only
        r.value32 = -19088744;
        cases.push_back({"int32", r});
        r = SimRig::Write(55, TypeFloat);
        r.value = -12.5;
        cases.push_back({"float", r});
        r = SimRig::Write(121, TypeText, 0, 1);
        r.text = QByteArray("second note row ");
        cases.push_back({"text", r});
        r = SimRig::Write(50, TypeBlock, 0, 3);
        r.values = {1.5, -2.25, 1e-3, 4400.0};
        cases.push_back({"block", r});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(rig.Exchange(c.write), ResultWriteOk);
        EXPECT_EQ(ResultCodeText(rig.engine.state().result), QStringLiteral(" OK."));
        LinkRequest read = c.write;
        read.operation = OpRead;
        read.value16 = 0;
        read.value32 = 0;
        read.value = 0;
        read.text = QByteArray(16, '?');
        read.values = {};
        ASSERT_EQ(rig.Exchange(read), ResultReadOk);
        const LinkRequest& got = rig.engine.request();
        switch (c.write.dataType) {
            case TypeInt16:
                EXPECT_EQ(got.value16, c.write.value16);
                break;
            case TypeInt32:
                EXPECT_EQ(got.value32, c.write.value32);
                break;
            case TypeFloat:
                EXPECT_DOUBLE_EQ(got.value, c.write.value);
                break;
            case TypeText:
                EXPECT_EQ(got.text, c.write.text);
                break;
            case TypeBlock:
                for (int i = 0; i < 4; ++i)
                    EXPECT_NEAR(got.values[size_t(i)], c.write.values[size_t(i)],
                                std::abs(c.write.values[size_t(i)]) * 1e-7);
                break;
        }
    }
    // Values a transmitter only reports.
    ASSERT_EQ(rig.Exchange(SimRig::Read(101, TypeInt32)), ResultReadOk);
    EXPECT_EQ(rig.engine.request().value32, 12345678);
    ASSERT_EQ(rig.Exchange(SimRig::Read(120, TypeText, 0, 2)), ResultReadOk);
    EXPECT_EQ(rig.engine.request().text, QByteArray("K8620L31, FW 1.9"));
    ASSERT_EQ(rig.Exchange(SimRig::Read(0, TypeFloat)), ResultReadOk);
    EXPECT_DOUBLE_EQ(rig.engine.request().value, 325.0);  // middle of -200..850
    EXPECT_EQ(rig.sends, 13);

    // Beyond the largest single-precision value: the largest, never an
    // infinity or NaN pattern.
    LinkRequest huge = SimRig::Write(55, TypeFloat);
    huge.value = 3.5e38;
    ASSERT_EQ(rig.Exchange(huge), ResultWriteOk);
    ASSERT_EQ(rig.Exchange(SimRig::Read(55, TypeFloat)), ResultReadOk);
    EXPECT_EQ(rig.engine.request().value32, 0x7F7FFFFF);
}

// A frame meant for another request never becomes the value of this one:
// after each of these events the next read of parameter 1 (-200, a float like
// the request before it) gets its own answer.
TEST(EngineEndToEnd, AnswersNeverLandOnAnotherRequest) {
    struct Case {
        const char* name;
        const char* fault;
        bool paced;
        std::function<void(SimRig&)> before;
        int sends;  // of the read of parameter 1
    };
    auto sendRead0 = [](SimRig& rig) {
        rig.engine.request() = SimRig::Read(0, TypeFloat);
        rig.engine.setAttempts(3);
        rig.engine.SestavPrikaz();
    };
    const Case cases[] = {
        // the first answer comes after the time-out: the repeat takes it, and
        // the answer to the repeat follows behind it
        {"late answer", "delay:200@1", true,
         [](SimRig& rig) {
             ASSERT_EQ(rig.Exchange(SimRig::Read(0, TypeFloat)), ResultReadOk);
             EXPECT_DOUBLE_EQ(rig.engine.request().value, 325.0);
         },
         1},
        {"stopped with the request on the line", "delay:100@1", false,
         [&](SimRig& rig) {
             sendRead0(rig);
             Spin(20);
             rig.engine.StopOperation();
         },
         1},
        // a program ended in the middle of an exchange; the next one opens the
        // port and its answer arrives within the answer window after that
        {"leftover at open", "delay:80@1", false,
         [&](SimRig& rig) {
             sendRead0(rig);
             Spin(10);
             rig.port.close();
             ASSERT_TRUE(rig.port.open());
         },
         1},
        // frames of another shape before the answer are dropped, the answer taken
        {"acknowledgement before the answer", "noise:101F00001F16@1", false, {}, 1},
        {"16-bit answer before the answer", "noise:680606681F00080039006016@1", false, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::LineOptions o;
        o.pace = c.paced;
        o.baud = 9600;
        o.answerDelayMs = 20;  // a transmitter's own time to answer
        SimRig rig(o);
        rig.sim.line().addFault(MakeFault(c.fault));
        if (c.before) c.before(rig);
        const int sendsBefore = rig.sends;
        ASSERT_EQ(rig.Exchange(SimRig::Read(1, TypeFloat)), ResultReadOk);
        EXPECT_DOUBLE_EQ(rig.engine.request().value, -200.0);
        EXPECT_EQ(rig.sends - sendsBefore, c.sends);
    }
}

// Each injected fault with the outcome the engine gives it.
TEST(EngineEndToEnd, InjectedFaultsGiveTheirOutcome) {
    struct Case {
        const char* fault;
        LinkRequest request;
        int result;
        int sends;
        int atLeastMs;  // the exchange cannot have ended earlier
    };
    LinkRequest write55 = SimRig::Write(55, TypeFloat);
    write55.value = 10.0;
    const Case cases[] = {
        {"noise@1", SimRig::Read(0, TypeFloat), 8, 1, 0},
        {"noise:FFFF00FF@1", SimRig::Read(1, TypeFloat), 8, 1, 0},
        // decoded only when the last of three pieces is in
        {"chunks:3:50@1", SimRig::Read(120, TypeText, 0, 2), 8, 1, 100},
        // a first piece of just the start byte is not a complete answer
        {"split:1:60@1", SimRig::Read(0, TypeFloat), 8, 1, 60},
        {"split:2+3:40@1", SimRig::Read(0, TypeFloat), 8, 1, 80},
        {"bad-check@1", SimRig::Read(0, TypeFloat), 101, 1, 0},
        {"bad-check@1", write55, 101, 1, 0},
        {"bad-length@1", SimRig::Read(0, TypeFloat), 100, 1, 0},
        {"bad-length@1", write55, 100, 1, 0},
        // the wrong first byte makes the rest look like noise: the answer is
        // not taken and the repeated request gets a good one
        {"bad-start@1", SimRig::Read(0, TypeFloat), 8, 2, 150},
        {"refuse:55", write55, 2, 1, 0},
        {"refuse:55", SimRig::Read(55, TypeFloat), 2, 1, 0},
        {"silence", SimRig::Read(0, TypeFloat), 200, 3, 3 * 150},
        {"silence@1,2", SimRig::Read(0, TypeFloat), 8, 3, 2 * 150},
        {"delay:120@1", SimRig::Read(0, TypeFloat), 8, 1, 120},
        {"echo", SimRig::Read(0, TypeFloat), 8, 1, 0},
        {"echo", write55, 0, 1, 0},
        // a short answer other than a refusal cannot answer a read: the
        // repeated request gets a good one
        {"code:9@1", SimRig::Read(0, TypeFloat), 8, 2, 150},
        {"code:8@1", SimRig::Read(0, TypeFloat), 8, 2, 150},
        {"code:0x45@1", write55, 102, 1, 0},
        {"code:0x05@1", write55, 1, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        SimRig rig;
        rig.sim.line().addFault(MakeFault(c.fault));
        QElapsedTimer t;
        t.start();
        EXPECT_EQ(rig.Exchange(c.request), c.result);
        EXPECT_GE(t.elapsed(),
                  c.atLeastMs - 2);  // the simulator may write up to 0.5 ms early per piece
        EXPECT_EQ(rig.sends, c.sends);
        EXPECT_EQ(rig.engine.state().result, c.result);
        if (c.result == 8 && c.request.parameter == 0) {
            EXPECT_DOUBLE_EQ(rig.engine.request().value, 325.0);
        }
    }
}

TEST(EngineEndToEnd, EchoingConverterAndPlainLineBothWork) {
    for (const bool echo : {false, true}) {
        SCOPED_TRACE(echo);
        sim::LineOptions o;
        o.echo = echo;
        SimRig rig(o);
        int seen = 0;
        QObject::connect(&rig.engine, &TransactionEngine::frameReceived, [&] { ++seen; });
        for (int i = 0; i < 20; ++i) ASSERT_EQ(rig.Exchange(SimRig::Read(101, TypeInt32)), 8);
        EXPECT_EQ(rig.sends, 20);
        EXPECT_EQ(seen, echo ? 40 : 20);
    }
}

TEST(EngineEndToEnd, OnlyTheAddressedTransmitterAnswers) {
    SimRig rig(TwoTransmitters());
    ASSERT_EQ(rig.Exchange(SimRig::Read(101, TypeInt32, 1)), 8);
    ASSERT_EQ(rig.Exchange(SimRig::Read(120, TypeText, 1, 2)), 8);
    EXPECT_EQ(rig.engine.request().text, QByteArray("K8620L11, FW 1.8"));
    EXPECT_EQ(rig.Exchange(SimRig::Read(101, TypeInt32, 5)), 200);
    // A frame for address 1 whose folded parameter address says 0 is nobody's.
    LinkRequest r = SimRig::Read(101, TypeInt32, 1);
    r.parameter = 101 - 1000;  // folds to 1 x 1000 + (101 - 1000) = 101 + 0 x 1000
    EXPECT_EQ(rig.Exchange(r), 200);
}

TEST(EngineEndToEnd, BadCheckByteLeadsToTheRepeatQuestion) {
    SimRig rig;
    rig.sim.line().addFault(MakeFault("bad-check@1"));
    std::vector<int> results;
    rig.engine.registerOperation(ProcessPV, [&] {
        results.push_back(rig.engine.state().result);
        if (rig.engine.state().result != ResultReadOk) ErrorRWP52(rig.engine, false);
    });
    rig.engine.operation().processCode = ProcessPV;
    rig.ui.answers = {true};
    rig.engine.request() = SimRig::Read(0, TypeFloat);
    rig.engine.setAttempts(3);
    rig.engine.SestavPrikaz();
    ASSERT_TRUE(SpinUntil([&] { return results.size() == 2; }, 3000));
    EXPECT_EQ(results, (std::vector<int>{101, 8}));
    ASSERT_EQ(rig.ui.shown.size(), 1u);
    EXPECT_EQ(rig.ui.shown[0].text, QString::fromLatin1(operation_text::kRepeatReading));
    EXPECT_EQ(rig.sends, 2);
}

TEST(EngineEndToEnd, SecondRequestWhileOneIsOutstandingIsRefused) {
    SimRig rig;
    std::vector<int> results;
    QObject::connect(&rig.engine, &TransactionEngine::exchangeEnded,
                     [&](int r, bool) { results.push_back(r); });
    rig.engine.request() = SimRig::Read(0, TypeFloat);
    rig.engine.setAttempts(3);
    rig.engine.SestavPrikaz();
    rig.engine.SestavPrikaz();
    EXPECT_EQ(results, std::vector<int>{400});  // at once, nothing sent
    ASSERT_TRUE(SpinUntil([&] { return results.size() == 2; }, 2000));
    EXPECT_EQ(results[1], 8);
    EXPECT_EQ(rig.sends, 1);
}

TEST(EngineEndToEnd, AnswerArrivingDuringTheBreakQuestionIsDispatchedAfterNo) {
    SimRig rig;
    rig.sim.line().addFault(MakeFault("delay:60@1"));
    std::vector<int> results;
    rig.engine.registerOperation(ProcessPV, [&] { results.push_back(rig.engine.state().result); });
    rig.engine.operation().processCode = ProcessPV;
    rig.engine.request() = SimRig::Read(0, TypeFloat);
    rig.engine.setAttempts(3);
    rig.engine.SestavPrikaz();
    rig.ui.whileAsking = [&] {
        // The modal box runs the event loop; the answer comes in meanwhile.
        Spin(250);
        EXPECT_TRUE(results.empty());
        EXPECT_TRUE(rig.engine.state().answerDeferred);
    };
    rig.ui.answers = {false};
    BreakOperation(rig.engine);
    EXPECT_EQ(results, std::vector<int>{8});
    EXPECT_DOUBLE_EQ(rig.engine.request().value, 325.0);
    EXPECT_EQ(rig.sends, 1);
}

TEST(EngineEndToEnd, PeriodicSlotOf150msRunsEvery200ms) {
    SimRig rig;
    std::vector<qint64> at;
    QElapsedTimer clock;
    TransactionEngine& e = rig.engine;
    e.registerOperation(ProcessPV, [&] {
        if (e.operation().step == 10) {
            at.push_back(clock.elapsed());
            e.operation().step = 20;
            e.request() = SimRig::Read(0, TypeFloat);
            e.setAttempts(3);
            e.SestavPrikaz();
            return;
        }
        EXPECT_EQ(e.state().result, 8);
        e.operation().step = OperationRecord::kWaitingForSlot;
    });
    e.operation().processCode = ProcessPV;
    e.operation().step = OperationRecord::kWaitingForSlot;
    clock.start();
    e.Req4TmrReqRec(TmrReqRec::kPeriodic, ProcessPV, 150, 10);
    ASSERT_TRUE(SpinUntil([&] { return at.size() >= 6; }, 3000));
    e.Clear_TmrReqRec();
    for (size_t i = 0; i < at.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(double(at[i]), 200.0 * double(i + 1), 30.0);
    }
}

// The one test on the program's own intervals: a silent transmitter.
TEST(EngineEndToEnd, SilenceAtRealTimingSendsThreeTimesThenTimesOut) {
    SimRig rig(sim::LineOptions{}, LinkTiming{});
    rig.sim.line().addFault(MakeFault("silence"));
    std::vector<qint64> sentAt;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&rig.engine, &TransactionEngine::frameSent,
                     [&] { sentAt.push_back(clock.elapsed()); });
    EXPECT_EQ(rig.Exchange(SimRig::Read(0, TypeFloat), 8000), 200);
    const qint64 total = clock.elapsed();
    ASSERT_EQ(sentAt.size(), 3u);
    EXPECT_NEAR(double(sentAt[1] - sentAt[0]), 1210.0, 40.0);
    EXPECT_NEAR(double(sentAt[2] - sentAt[1]), 1210.0, 40.0);
    EXPECT_NEAR(double(total), 3 * 1200 + 2 * 10, 80.0);
    EXPECT_EQ(rig.sim.line().answerNumber(), 3);
}

}  // namespace
