// lmk17-cli write: a configuration file into the transmitter.

#include "cli/cli_command.h"
#include "cli/config_print.h"
#include "cli/session_setup.h"

namespace lmk17::cli {

namespace {

int write(Context& c) {
    c.rejectUnknownOptions();
    if (c.args.size() != 1) throw UsageError(QStringLiteral("give one configuration file"));

    CliSession s(c);
    // A file that cannot be used fails before the line is touched.
    if (const int rc = LoadConfigurationFile(c, c.args.first(), s.model()); rc != ExitOk) return rc;
    if (const int rc = s.open()) return rc;
    s.setInterruptHandler([&](const OperationRecord& was) {
        if (was.processCode == ProcessWriteConfig) {
            c.err << "lmk17-cli write: interrupted; the transmitter's configuration is "
                     "incomplete. Write the configuration again (the next read offers the "
                     "default configuration)."
                  << Qt::endl;
        } else {
            c.err << "lmk17-cli write: interrupted before anything was written" << Qt::endl;
        }
    });
    const OperationOutcome outcome = s.run([&] { return s.session().startWrite(); });
    return ExitCodeOf(outcome);
}

Registrar writeCmd(
    {.name = "write",
     .usage = "FILE.ptf",
     .summary = "load a configuration file, check it completely, identify the transmitter "
                "and write the configuration to it",
     .run = write,
     .exitCodes = "0\twritten\n"
                  "1\tthe check failed, or a transmitter or link failure\n"
                  "2\tusage error\n"
                  "3\tthe file cannot be read",
     .example = "lmk17-cli --port /dev/ttyUSB0 --yes write TT-101.ptf"});

}  // namespace
}  // namespace lmk17::cli
