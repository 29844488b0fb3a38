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

Registrar convertCmd({"convert", "IN.ptf OUT.ptf",
                      "load a configuration file of any version and save it as PT-FILE04 after "
                      "the complete check (asks before overwriting; --yes/--no)",
                      convert});

}  // namespace
}  // namespace lmk17::cli
