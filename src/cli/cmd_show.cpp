// Shows a configuration file as a technician reads it, or as JSON for scripts.
#include <QJsonDocument>

#include "cli/cli_command.h"
#include "cli/config_print.h"

namespace lmk17::cli {

namespace {

int show(Context& c) {
    c.rejectUnknownOptions();
    if (c.args.size() != 1) throw UsageError(QStringLiteral("give one configuration file"));
    ConfigModel model(c.ui);
    if (const int rc = LoadConfigurationFile(c, c.args.first(), model); rc != ExitOk) return rc;
    if (c.options.json)
        c.out << QJsonDocument(ConfigurationJson(model)).toJson(QJsonDocument::Indented);
    else
        c.out << ConfigurationText(model);
    return ExitOk;
}

Registrar showCmd(
    {.name = "show",
     .usage = "FILE.ptf [--json]",
     .summary = "show a configuration file (any version): type, firmware, range, connection, "
                "every value with its unit, output, comparators, communication, note, dates",
     .run = show,
     .options = "--json\tthe record as one JSON object",
     .exitCodes = "0\tshown\n"
                  "2\tusage error\n"
                  "3\tthe file cannot be read",
     .example = "lmk17-cli show TT-101.ptf"});

}  // namespace
}  // namespace lmk17::cli
