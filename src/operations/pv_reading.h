#pragma once

#include <QtGlobal>

namespace lmk17 {

class LiveReadings;
class TransmitterSession;
class TransactionEngine;
struct OutputTypeEntry;

// ReadPV (ProcessCode 6000): parameter 220 (the output and the test-mode
// state), parameter 0 (the PV), from 1.90 parameter 30 (the normalised
// output), and on a device error parameter 215 (the error list). Once, or
// at an interval through the timed-request slot (resuming at step 52); the
// output test runs it nested after each test value and gets it back at its
// own waiting step (the pending operation of the record).
class PvReading {
public:
    static constexpr int kStepStart = 10;
    static constexpr int kStepResume = 52;

    explicit PvReading(LiveReadings& live) : live_(live) {}

    // "Read" / "Stop"; true when a reading was started.
    bool readOrStop();  // PVReadBtnClick
    // The step function the dispatcher calls.
    void ReadPV();
    // The end routine (also what StopOperation calls for 6000).
    void KonecPVRead();
    // StopOperation while 6000 runs: a nested reading ends the output test.
    void stopFromEngine();

private:
    TransactionEngine& engine();
    bool answered();
    bool outputTestWaiting();
    void takeOutput();
    void show();
    void showDeviceErrors();
    void finishReading();
    void report(double output, double position);

    LiveReadings& live_;
    // Values kept between the steps of one reading.
    double testOutput_ = 0.0;    // y_t: the output read back (A or V)
    double testPosition_ = 0.0;  // f_t: its position in the output span
    bool testMode_ = false;
    double pv_ = 0.0;
    double position_ = 0.0;       // f: the output position the PV gives
    double errorPosition_ = 0.0;  // f_e: the position of the error output
    bool deviceError_ = false;
    quint16 status_ = 0;
};

}  // namespace lmk17
