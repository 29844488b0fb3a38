// The routines every operation shares that talk to the user (the repeat
// question, breaking, the progress window), over a transaction engine
// driven by a scripted port.

#include <gtest/gtest.h>

#include "link/result_codes.h"
#include "link/transaction_engine.h"
#include "operations/common_routine_texts.h"
#include "operations/common_routines.h"
#include "support/engine_rig.h"
#include "support/qt_printers.h"
#include "support/sim_fixture.h"

using namespace lmk17;
using namespace lmk17::test;

namespace {

class CommonRoutines : public EngineUnitRig {};

// The repeat question: its text for each operation and result.
TEST_F(CommonRoutines, RepeatQuestionText) {
    struct Case {
        ProcessCode processCode;
        bool write;
        int result;
        const char* text;
    };
    const Case cases[] = {
        {ProcessPV, false, 101, operation_text::kRepeatReading},
        {ProcessOutputTest, true, 2, operation_text::kRepeatWriting},
        {ProcessReadConfig, true, 200, operation_text::kRepeatReading},
        {ProcessWriteConfig, false, 200, operation_text::kRepeatWriting},
        {ProcessWriteConfig, true, 2, operation_text::kRepeatBadParameters},
        {ProcessReadConfig, false, 2, operation_text::kRepeatReading},
        {ProcessPV, false, 300, operation_text::kNoPortConnectQuestion},
        {ProcessWriteConfig, true, 300, operation_text::kNoPortConnectQuestion},
    };
    LinkTiming t;
    t.answerTimeoutMs = 5;
    engine.setTiming(t);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        engine.operation().processCode = c.processCode;
        engine.ResetReceiveState();
        // After the time-out of the case before, the line settles first.
        ASSERT_TRUE(SpinUntil([&] { return !engine.lineSettling(); }, 500));
        port.open = c.result != 300;
        sendRead();
        engine.setAttempts(1);
        if (c.result == 2) port.deliver(HexFrame("10 1F 00 02 21 16"));
        if (c.result == 101) port.deliver(HexFrame("10 1F 00 02 20 16"));
        ASSERT_TRUE(SpinUntil([&] { return engine.state().result == c.result; }, 500));
        ui.shown.clear();
        ui.answers = {false};
        engine.operation().processCode = c.processCode;
        ErrorRWP52(engine, c.write);
        ASSERT_FALSE(ui.shown.empty());
        EXPECT_EQ(ui.shown[0].text, QString::fromLatin1(c.text));
        EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
        EXPECT_TRUE(ui.shown[0].isQuestion);
    }
}

TEST_F(CommonRoutines, RepeatQuestionYesResendsTheSameRequest) {
    ShowProgress(engine, true, true, 440,
                 QStringLiteral(" Reading Configuration from Transmitter"));
    engine.SetProgress(120);
    sendRead(51, TypeInt16);
    port.deliver(HexFrame("10 1F 00 02 20 16"));  // bad check byte
    ASSERT_EQ(results, std::vector<int>{101});
    ui.answers = {true};
    ErrorRWP52(engine, false);
    ASSERT_EQ(port.sent.size(), 2);
    EXPECT_EQ(port.sent[0], port.sent[1]);
    EXPECT_FALSE(engine.questionOpen());
    // The progress window came back as it was.
    EXPECT_TRUE(ui.progressOpen);
    EXPECT_EQ(engine.progress().position, 120);
    EXPECT_EQ(ui.progress.back(), 120);
}

TEST_F(CommonRoutines, RepeatQuestionNoEndsTheOperation) {
    struct Case {
        ProcessCode processCode;
        ProcessCode pendingCode;
        bool write;
        bool restoresBackup;
        const char* warning;  // message after No, or nullptr
        int monitoringLines;
        bool commonEnding;
    };
    const Case cases[] = {
        {ProcessReadConfig, ProcessNone, false, true, nullptr, 0, true},
        {ProcessWriteConfig, ProcessNone, true, false, operation_text::kWriteDeclined, 0, true},
        {ProcessIdentification, ProcessMonitoring, false, false, nullptr, 2, false},
        {ProcessIdentification, ProcessReadConfig, false, false, nullptr, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(processNumber(c.processCode));
        EngineSpy backup(engine, &TransactionEngine::configurationRestoreRequested);
        EngineSpy identity(engine, &TransactionEngine::identityRestoreRequested);
        EngineSpy lines(engine, &TransactionEngine::monitoringLine);
        EngineSpy enabled(engine, &TransactionEngine::commandsEnabledChanged);
        bool monitoringStopped = false;
        engine.registerOperation(
            ProcessMonitoring, [] {}, [&] { monitoringStopped = true; });
        engine.EnableCommands(false);
        ShowProgress(engine, true, true, 440, QStringLiteral("x"));
        engine.setTransmitterAddress(7);
        engine.operation().processCode = c.processCode;
        engine.operation().pendingCode = c.pendingCode;
        ui.shown.clear();
        ui.answers = {false};
        ErrorRWP52(engine, c.write);
        EXPECT_EQ(backup.size(), c.restoresBackup ? 1 : 0);
        EXPECT_EQ(identity.size(), 1);
        EXPECT_EQ(lines.size(), c.monitoringLines);
        if (c.monitoringLines) {
            EXPECT_EQ(lines.args[0],
                      QStringLiteral("  Address: 7, ERROR! Communication with the Transmitter "
                                     "was not established!"));
            EXPECT_EQ(lines.args[1], QStringLiteral(" "));
            EXPECT_TRUE(monitoringStopped);
        }
        if (c.warning) {
            ASSERT_EQ(ui.shown.size(), 2u);
            EXPECT_EQ(ui.shown[1].text, QString::fromLatin1(c.warning));
            EXPECT_EQ(ui.shown[1].kind, MessageKind::Warning);
        } else {
            EXPECT_EQ(ui.shown.size(), 1u);
        }
        EXPECT_FALSE(engine.questionOpen());
        if (c.commonEnding) {
            EXPECT_FALSE(engine.operation().running());
            EXPECT_EQ(engine.operation().pendingCode, ProcessNone);
            EXPECT_TRUE(engine.commandsEnabled());
            EXPECT_FALSE(ui.progressOpen);
        }
    }
}

TEST_F(CommonRoutines, PortMissingAnsweredYesOpensTheOptions) {
    EngineSpy options(engine, &TransactionEngine::optionsDialogRequested);
    EngineSpy lines(engine, &TransactionEngine::monitoringLine);
    bool monitoringStopped = false;
    engine.registerOperation(
        ProcessMonitoring, [] {}, [&] { monitoringStopped = true; });
    engine.operation().processCode = ProcessIdentification;
    engine.operation().pendingCode = ProcessMonitoring;
    port.open = false;
    engine.request().operation = OpRead;
    engine.SestavPrikaz();
    ui.answers = {true};
    ErrorRWP52(engine, false);
    EXPECT_EQ(options.size(), 1);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines.args[0], QStringLiteral("  Communication Port is not connected."));
    EXPECT_TRUE(monitoringStopped);
    EXPECT_FALSE(engine.operation().running());
    EXPECT_FALSE(engine.questionOpen());
}

TEST_F(CommonRoutines, BreakAnsweredNoDispatchesTheDeferredAnswer) {
    ShowProgress(engine, true, false, 15,
                 QStringLiteral(" Reading CJ Temperature from Transmitter"));
    sendRead();
    ui.whileShowing = [this] {
        EXPECT_TRUE(engine.questionOpen());
        EXPECT_FALSE(ui.progressOpen);
        port.deliver(FloatAnswer(5.0f));
        EXPECT_TRUE(results.empty());  // held back while the question shows
        EXPECT_TRUE(engine.state().answerDeferred);
    };
    ui.answers = {false};
    BreakOperation(engine);
    EXPECT_EQ(ui.last(), QString::fromLatin1(operation_text::kBreakQuestion));
    EXPECT_EQ(results, std::vector<int>{8});
    EXPECT_TRUE(ui.progressOpen);
    EXPECT_FALSE(engine.questionOpen());
}

TEST_F(CommonRoutines, BreakAnsweredYesStopsAndDropsTheAnswer) {
    sendRead();
    ui.whileShowing = [this] { port.deliver(FloatAnswer(5.0f)); };
    ui.answers = {true};
    engine.EnableCommands(false);
    BreakOperation(engine);
    EXPECT_TRUE(results.empty());
    EXPECT_FALSE(engine.operation().running());
    EXPECT_TRUE(engine.commandsEnabled());
    EXPECT_FALSE(engine.state().answerDeferred);
}

TEST_F(CommonRoutines, BreakDoesNothingWhenIdle) {
    engine.operation().clear();
    BreakOperation(engine);
    EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
