#pragma once

#include "common/user_interaction.h"
#include "link/process_code.h"

namespace lmk17 {

class TransmitterSession;

// Identification (ProcessCode 5200): reads the serial number, the input
// range, the configuration flags and the identification text, checks that
// the device is supported and fits the pending operation, and hands over to
// that operation.
class Identification {
public:
    explicit Identification(TransmitterSession& session) : s_(session) {}

    // ProcessCode 5200 at step 10, and the first step at once.
    void ReadVyrCislo();
    // The step function the dispatcher calls.
    void ReadVyrCisloPom();

private:
    void send(int parameter, int dataType, int row);
    void takeAnswer();
    void check();
    void handOver();
    bool knownOtherSerial();
    bool liveOperationFits();
    bool writeFits();
    bool ask(Question id, const char* text);
    void refuse(const char* text);
    void end();

    TransmitterSession& s_;
    bool awaiting_ = false;                     // a request of the current step is out
    ProcessCode pendingAtStart_ = ProcessNone;  // what identification was started for
};

}  // namespace lmk17
