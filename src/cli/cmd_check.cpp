// Runs the complete check of the configuration in a file, as before a save or
// a write to a transmitter.
#include "cli/cli_command.h"
#include "cli/config_print.h"
#include "config/validation_model.h"

namespace lmk17::cli {

namespace {

int check(Context& c) {
    c.rejectUnknownOptions();
    if (c.args.size() != 1) throw UsageError(QStringLiteral("give one configuration file"));
    ConfigModel model(c.ui);
    if (const int rc = LoadConfigurationFile(c, c.args.first(), model); rc != ExitOk) return rc;
    const CheckOutcome outcome = CheckAll(model);
    for (const CheckMessage& m : outcome.messages) c.out << m.text << Qt::endl;
    if (!outcome.accepted) return ExitFailure;
    c.out << "The configuration passes the complete check." << Qt::endl;
    return ExitOk;
}

Registrar checkCmd(
    {.name = "check",
     .usage = "FILE.ptf",
     .summary = "run the complete check of a configuration file; prints the first failure "
                "(exit 1)",
     .run = check,
     .exitCodes = "0\tthe file passed the complete check\n"
                  "1\tthe check failed (the first failure is printed)\n"
                  "2\tusage error\n"
                  "3\tthe file cannot be read",
     .example = "lmk17-cli check TT-101.ptf"});

}  // namespace
}  // namespace lmk17::cli
