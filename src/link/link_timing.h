#pragma once

#include <QtGlobal>

namespace lmk17 {

// Every interval of the transaction engine in one place. The defaults are the
// program's; tests shorten them where real time would only make them slow.
struct LinkTiming {
    // Timer1: how long to wait for a complete answer after a send.
    int answerTimeoutMs = 1200;
    // Timer4: pause between a time-out and the repeated send.
    int repeatDelayMs = 10;
    // Silence after the last received byte that drops an incomplete answer,
    // so stray bytes never glue onto the next answer.
    int incompleteResetMs = 1000;
    // NastTmr ("setting timer"): tick of the timed-request slot, and the shortest period it runs.
    int slotTickMs = 200;
    int slotMinPeriodMs = 200;
    // A due time this far from now (either way) is not believable: the clock
    // jumped or wrapped. It is then taken as due now.
    qint64 slotFarOffMs = 6000000;
    // Sends of one request before a time-out is reported; the operations set
    // it before every step.
    int attempts = 3;
    // How many answer windows a request waits at most for a quiet line
    // (another device sending without a pause) before it ends with
    // ResultLineBusy instead of waiting for ever.
    int quietLineWindows = 4;

    // Probing for transmitters (a search over addresses and speeds): a
    // request that has not seen the start of an answer within answerStartMs
    // of its send has timed out; once an answer has started it gets
    // answerTimeoutMs from then to end. 0: off, the whole answer must come
    // within answerTimeoutMs of the send.
    int answerStartMs = 0;
    // Whether a time-out makes the next request wait for a quiet line. A
    // search turns it off: it tells a late answer by its source address.
    bool settleAfterTimeout = true;
};

}  // namespace lmk17
