// Converts a configuration file of any version into the current one.
#include "cli/cli_command.h"
#include "cli/config_print.h"
#include "files/config_save.h"

namespace lmk17::cli {

namespace {

int convert(Context& c) {
    c.rejectUnknownOptions();
    if (c.args.size() != 2)
        throw UsageError(QStringLiteral("give the file to read and the file to write"));
    ConfigModel model(c.ui);
    if (const int rc = LoadConfigurationFile(c, c.args[0], model); rc != ExitOk) return rc;
    const SaveOutcome saved = DiskSave(model, c.args[1], c.ui);
    switch (saved.result) {
        case SaveOutcome::Result::Saved:
            return ExitOk;
        case SaveOutcome::Result::CheckFailed:
        case SaveOutcome::Result::Cancelled:
            return ExitFailure;
        default:
            return ExitFileError;
    }
}

Registrar convertCmd(
    {.name = "convert",
     .usage = "IN.ptf OUT.ptf",
     .summary = "load a configuration file of any version and save it as PT-FILE04 after "
                "the complete check (asks before overwriting; --yes/--no)",
     .run = convert,
     .exitCodes = "0\tsaved\n"
                  "1\tthe check failed, nothing written\n"
                  "2\tusage error\n"
                  "3\tthe file cannot be read or written",
     .example = "lmk17-cli --yes convert old.ptf new.ptf"});

}  // namespace
}  // namespace lmk17::cli
