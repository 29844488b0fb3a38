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

// The words for a result code as the line trace and the command line write
// them, in English ("%d" of an unknown answer filled with the code); empty
// for the refusals 300, 400 and 500, which send nothing. The program's user
// reads them translated: ResultMessage (operations/result_messages.h).
QString ResultCodeText(int code);
// The untranslated source of those words, "%d" unfilled; nullptr for the
// refusals.
const char* ResultCodeSource(int code);

}  // namespace lmk17
