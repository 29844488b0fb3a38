#pragma once

#include "operations/config_steps.h"
#include "operations/write_verification.h"

namespace lmk17 {

class TransmitterSession;

// ReadWritePrev: the configuration sequence (ProcessCode 5000 read, 5001
// write). One step list serves both directions; each step is one parameter
// exchange, and the step number advances only on an accepted answer, so a
// repeat re-sends the request of the current step.
class ConfigSequence {
public:
    explicit ConfigSequence(TransmitterSession& session) : s_(session) {}

    // First call, by identification: step 10 of the current operation. A
    // write with readFirst reads the transmitter's present configuration
    // first (as a read, into a record of its own), lets the session check
    // it, and only then writes.
    void Start(bool readFirst = false);
    // The step function the dispatcher calls ("read/write the transmitter").
    void ReadWritePrev();

private:
    SequenceContext contextFor(bool writing);
    // The read before a write has reached its end: the check, then the write.
    bool finishReadFirst();
    bool acceptAnswer(const ConfigStep& step, SequenceContext& context);
    // After the last step of a write: reads back what was written, one
    // parameter per call; true when all have been read.
    bool verifyWritten();
    void sendRequest(const LinkRequest& request);

    TransmitterSession& s_;
    bool awaiting_ = false;  // a request of the current step is out
    int sentOperation_ = 0;  // OpRead or OpWrite of that request
    WriteVerification verification_;
    size_t verified_ = 0;  // parameters read back so far
    bool verifying_ = false;
    bool readingFirst_ = false;  // the read before a write runs
    TransmitterConfig present_;  // what that read found
};

}  // namespace lmk17
