#pragma once

#include <QString>

namespace lmk17 {

// Outcome of one exchange.
enum ResultCode : int {
    ResultWriteOk = 0,
    ResultTransmitError = 1,
    ResultBadParameters = 2,
    ResultBadFunction = 3,
    ResultReadOk = 8,
    ResultFrameError = 100,
    ResultCrcError = 101,
    ResultTransmitterSendError = 102,
    ResultBadAnswer = 150,
    ResultTimeout = 200,
    ResultPortClosed = 300,
    ResultBusy = 400,
    ResultBadRequest = 500,
    // The line never fell quiet for an answer window before the deadline:
    // another device keeps sending; the request was not sent.
    ResultLineBusy = 600,
};

// The message that goes with a result code (empty for the refusals 300, 400
// and 500, which send nothing).
QString ResultMessage(int code);

}  // namespace lmk17
