// The configuration protocol of a configuration file as a PDF, as the
// desktop program prints it: for scripts that document every file of a job.
#include <QFileInfo>

#include "cli/cli_command.h"
#include "cli/config_print.h"
#include "common/day_number.h"
#include "config/validation_model.h"
#include "reports/config_protocol.h"
#include "reports/pdf_export.h"

namespace lmk17::cli {

namespace {

// The limits of the sign-and-note dialog's fields.
constexpr int kNameLength = 30;
constexpr int kNoteLength = 100;

int print(Context& c) {
    std::optional<QString> output = c.takeOption(QStringLiteral("-o"));
    if (!output) output = c.takeOption(QStringLiteral("--output"));
    ProtocolSignature signature;
    signature.configuredBy = c.takeOption(QStringLiteral("--sign")).value_or(QString());
    signature.note = c.takeOption(QStringLiteral("--note")).value_or(QString());
    c.rejectUnknownOptions();
    if (c.args.size() != 1) throw UsageError(QStringLiteral("give one configuration file"));
    if (!output || output->isEmpty()) throw UsageError(QStringLiteral("-o FILE.pdf is required"));
    if (signature.configuredBy.size() > kNameLength)
        throw UsageError(QStringLiteral("--sign takes at most %1 characters").arg(kNameLength));
    if (signature.note.size() > kNoteLength)
        throw UsageError(QStringLiteral("--note takes at most %1 characters").arg(kNoteLength));

    ConfigModel model(c.ui);
    if (const int rc = LoadConfigurationFile(c, c.args.first(), model); rc != ExitOk) return rc;
    // A configuration that fails its complete check is not documented.
    const CheckOutcome outcome = CheckAll(model);
    if (!outcome.accepted) {
        for (const CheckMessage& m : outcome.messages) c.err << m.text << Qt::endl;
        return ExitFailure;
    }
    if (!confirmOverwrite(c, *output)) return ExitFailure;
    const double today = CurrentDayNumber();
    const ConfigurationReport rows = ConfigurationRows(model);
    const QString error = WriteReportPdf(
        *output, QStringLiteral("Transmitter Configuration Protocol"),
        [&](const QPaintDevice& device) { return LayoutProtocol(device, rows, signature, today); });
    if (!error.isEmpty()) {
        c.err << error << Qt::endl;
        return ExitFileError;
    }
    return ExitOk;
}

Registrar printCmd(
    {.name = "print",
     .usage = "FILE.ptf -o PROTOCOL.pdf [--sign NAME] [--note TEXT]",
     .summary = "the configuration protocol of a configuration file as an A4 PDF, signed "
                "and noted as the sign-and-note dialog does",
     .run = print,
     .drawsPages = true,
     .options = "-o, --output PROTOCOL.pdf\tthe PDF to write (required)\n"
                "--sign NAME\tname of the person who configured it\n"
                "--note TEXT\tnote printed under the signature",
     .exitCodes = "0\tprinted\n"
                  "1\tthe check failed\n"
                  "2\tusage error\n"
                  "3\ta file cannot be read or written",
     .example = "lmk17-cli print TT-101.ptf -o TT-101.pdf --sign \"J. Novak\""});

}  // namespace
}  // namespace lmk17::cli
