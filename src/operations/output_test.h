#pragma once

namespace lmk17 {

class LiveReadings;
class TransactionEngine;

// TestProud (ProcessCode 7000): writes the selected test value as parameter
// 220 and reads the PV back through a nested PV reading, which returns to
// step 5. With automatic setting the timed-request slot resumes it at step 2
// every period, stepping through the three values; step 10 writes -200,
// which takes the transmitter out of test mode.
class OutputTest {
public:
    static constexpr int kStepStart = 0;
    static constexpr int kStepNextValue = 2;
    static constexpr int kStepWritten = 3;
    static constexpr int kStepAfterPv = 5;
    static constexpr int kStepExit = 10;

    explicit OutputTest(LiveReadings& live) : live_(live) {}

    // "Use" / "Stop"; true when a test was started.
    bool useOrStop();  // TPrGoBtnClick
    // A double click on a value button.
    void useOnDoubleClick();  // TPrHodn1RBtnDblClick
    // "Exit Testing"; true when leaving test mode was started (or, during an
    // automatic cycle, arranged for the end of the cycle).
    bool exitTesting();  // ZrusTPrBtnClick

    void TestProud();       // "test the current": the step function
    void KonecTestProud();  // "end of the current test"

    // The output test, or the PV reading nested in it, is running.
    bool running();

private:
    TransactionEngine& engine();
    void writeSelectedValue();
    bool startExit();

    LiveReadings& live_;
    // "Exit Testing" pressed while an automatic cycle had a request out: the
    // exit follows as soon as that cycle reaches its waiting step.
    bool exitAfterCycle_ = false;
};

}  // namespace lmk17
