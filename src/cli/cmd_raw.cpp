// lmk17-cli raw: one request through the transaction engine, for service work.

#include <QEventLoop>

#include "cli/cli_command.h"
#include "cli/frame_args.h"
#include "cli/session_setup.h"
#include "link/result_codes.h"

namespace lmk17::cli {

namespace {

// Sends the request with the engine's usual attempts and waits for the
// exchange to end: an answer, a decoding error, or the last time-out.
int exchange(Context& c, int operation) {
    LinkRequest request = RequestFromArgs(c, operation);
    CliSession s(c);
    if (const int rc = s.open()) return rc;
    TransactionEngine& engine = s.engine();
    QEventLoop loop;
    bool ended = false;
    QObject::connect(&engine, &TransactionEngine::exchangeEnded, &loop, [&] {
        ended = true;
        loop.quit();
    });
    engine.request() = request;
    engine.setAttempts(engine.timing().attempts);
    engine.SestavPrikaz();
    if (!ended) loop.exec();
    const AnswerOutcome outcome{engine.state().result};
    PrintOutcome(c, outcome, engine.state().deviceError, engine.request());
    const int expected = operation == OpRead ? ResultReadOk : ResultWriteOk;
    return outcome.result == expected ? ExitOk : ExitFailure;
}

int rawRead(Context& c) {
    return exchange(c, OpRead);
}

int rawWrite(Context& c) {
    return exchange(c, OpWrite);
}

Registrar readCmd(
    {.name = "raw read",
     .usage = "PARAM TYPE [--row N]",
     .summary = "read one parameter from the transmitter at --address through --port and "
                "print the decoded answer (TYPE: int16, int32, float, text, block)",
     .run = rawRead,
     .options = "--row N\trow of a table parameter",
     .example = "lmk17-cli --port /dev/ttyUSB0 raw read 12 int16"});
Registrar writeCmd(
    {.name = "raw write",
     .usage = "PARAM TYPE VALUE... [--row N]",
     .summary = "write one parameter (a block's four values in array order) and print the "
                "transmitter's answer",
     .run = rawWrite,
     .options = "--row N\trow of a table parameter",
     .example = "lmk17-cli --port /dev/ttyUSB0 raw write 12 int16 5"});

}  // namespace
}  // namespace lmk17::cli
