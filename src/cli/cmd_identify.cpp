// lmk17-cli identify: who is on the line.

#include <QJsonDocument>

#include "cli/cli_command.h"
#include "cli/identity_report.h"
#include "cli/session_setup.h"

namespace lmk17::cli {

namespace {

int identify(Context& c) {
    c.rejectUnknownOptions();
    if (!c.args.isEmpty()) throw UsageError(QStringLiteral("identify takes no arguments"));
    CliSession s(c);
    if (const int rc = s.open()) return rc;
    const OperationOutcome outcome = s.run([&] { return s.session().identify(); });
    TransmitterSession& session = s.session();
    // Nothing was read when the exchange failed or was broken off.
    if (outcome != OperationOutcome::Completed && outcome != OperationOutcome::Refused)
        return ExitFailure;
    if (c.options.json) {
        c.out << QJsonDocument(IdentityJson(session.lastIdentified(), session.lastRefusal()))
                     .toJson(QJsonDocument::Indented);
        c.out.flush();
    } else {
        PrintIdentity(c.out, session.lastIdentified());
    }
    return ExitCodeOf(outcome);
}

Registrar identifyCmd(
    {.name = "identify",
     .usage = "",
     .summary = "identify the transmitter: identification text, type, firmware, serial "
                "number, input range, flags",
     .run = identify,
     .example = "lmk17-cli --port /dev/serial/by-id/usb-FTDI-if00-port0 identify"});

}  // namespace
}  // namespace lmk17::cli
