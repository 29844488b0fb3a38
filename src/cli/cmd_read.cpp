// lmk17-cli read: the transmitter's configuration into a configuration file.

#include <QJsonDocument>

#include "cli/cli_command.h"
#include "cli/config_print.h"
#include "cli/session_setup.h"
#include "files/config_save.h"

namespace lmk17::cli {

namespace {

int read(Context& c) {
    std::optional<QString> file = c.takeOption(QStringLiteral("-o"));
    if (!file) file = c.takeOption(QStringLiteral("--output"));
    const bool acceptDefaults = c.takeFlag(QStringLiteral("--accept-defaults"));
    c.rejectUnknownOptions();
    if (!file || file->isEmpty())
        throw UsageError(QStringLiteral("name the file with -o FILE.ptf"));
    if (!c.args.isEmpty()) throw UsageError(QStringLiteral("read takes no arguments besides -o"));

    CliSession s(c);
    if (const int rc = s.open()) return rc;
    s.setInterruptHandler([&](const OperationRecord&) {
        c.err << "lmk17-cli read: interrupted; nothing was saved" << Qt::endl;
    });
    const OperationOutcome outcome = s.run([&] { return s.session().startRead(); });
    if (outcome != OperationOutcome::Completed && outcome != OperationOutcome::CorruptPreset)
        return ExitFailure;
    // A corrupt configuration in the transmitter leaves the default one preset
    // under the device's serial number: saved, it would pass for a real read.
    if (outcome == OperationOutcome::CorruptPreset && !acceptDefaults) {
        c.err << "lmk17-cli read: the transmitter's configuration is corrupt and was not read; "
                 "nothing was saved (--accept-defaults saves the default configuration instead)"
              << Qt::endl;
        return ExitFailure;
    }
    if (outcome == OperationOutcome::CorruptPreset)
        c.err << "lmk17-cli read: the transmitter's configuration was not read; the default "
                 "configuration was preset and is saved instead"
              << Qt::endl;

    ConfigModel& model = s.model();
    const SaveOutcome saved = DiskSave(model, *file, s.ui());
    if (!saved.saved) return ExitFileError;
    if (c.options.json) {
        c.out << QJsonDocument(ConfigurationJson(model)).toJson(QJsonDocument::Indented);
        c.out.flush();
    }
    return ExitOk;
}

Registrar readCmd(
    {.name = "read",
     .usage = "-o FILE.ptf [--accept-defaults] [--json]",
     .summary = "identify the transmitter, read its whole configuration and save it "
                "(--json also prints it); a corrupt configuration fails unless "
                "--accept-defaults saves the default one in its place",
     .run = read,
     .options =
         "-o, --output FILE.ptf\tthe file to write (required)\n"
         "--accept-defaults\tsave the default configuration when the transmitter's is corrupt\n"
         "--json\talso print the configuration as JSON",
     .example = "lmk17-cli --port /dev/ttyUSB0 read -o TT-101.ptf"});

}  // namespace
}  // namespace lmk17::cli
