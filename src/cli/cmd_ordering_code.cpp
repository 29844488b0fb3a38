// Prints the ordering code of the configuration in a file.
#include "cli/cli_command.h"
#include "cli/config_print.h"
#include "config/ordering_code.h"
#include "config/validation_model.h"

namespace lmk17::cli {

namespace {

int orderingCode(Context& c) {
    c.rejectUnknownOptions();
    if (c.args.size() != 1) throw UsageError(QStringLiteral("give one configuration file"));
    ConfigModel model(c.ui);
    if (const int rc = LoadConfigurationFile(c, c.args.first(), model); rc != ExitOk) return rc;
    // As the window's command, the code describes only a configuration that
    // passes the complete check.
    const CheckOutcome outcome = CheckAll(model);
    if (!outcome.accepted) {
        c.err << outcome.failureText() << Qt::endl;
        return ExitFailure;
    }
    const OrderingCode code = BuildOrderingCode(model.config(), model.identity().typeIndex,
                                                model.identity().firmwareIndex);
    c.out << code.text << Qt::endl;
    return ExitOk;
}

Registrar orderingCodeCmd(
    {.name = "ordering-code",
     .usage = "FILE.ptf",
     .summary = "print the ordering code of a configuration file, as the window shows "
                "it (the complete check first)",
     .run = orderingCode,
     .exitCodes = "0\tprinted\n"
                  "1\tthe check failed\n"
                  "2\tusage error\n"
                  "3\tthe file cannot be read",
     .example = "lmk17-cli ordering-code TT-101.ptf"});

}  // namespace
}  // namespace lmk17::cli
