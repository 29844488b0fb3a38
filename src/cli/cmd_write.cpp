// lmk17-cli write: a configuration file into the transmitter, or into each
// transmitter of an address list.

#include "cli/batch_write.h"
#include "cli/cli_command.h"
#include "cli/config_print.h"
#include "cli/session_setup.h"
#include "cli/write_options.h"
#include "monitoring/monitor_parameters.h"

namespace lmk17::cli {

namespace {

int write(Context& c) {
    const std::optional<QString> addressList = c.takeOption(QStringLiteral("--addresses"));
    const std::optional<QString> protocolDir = c.takeOption(QStringLiteral("--protocol-dir"));
    const WriteSafety safety = TakeWriteSafety(c);
    c.rejectUnknownOptions();
    if (c.args.size() != 1) throw UsageError(QStringLiteral("give one configuration file"));
    if (protocolDir && !addressList)
        throw UsageError(QStringLiteral("--protocol-dir goes with --addresses"));
    if (addressList) {
        QString error;
        const std::optional<std::vector<int>> addresses = ParseMonAddressList(*addressList, &error);
        if (!addresses) throw UsageError(QStringLiteral("--addresses: ") + error);
        return BatchWrite(c, c.args.first(), *addresses, safety, protocolDir.value_or(QString()));
    }

    CliSession s(c);
    s.stack().setWriteSafety(safety);
    // A file that cannot be used fails before the line is touched.
    if (const int rc = LoadConfigurationFile(c, c.args.first(), s.model()); rc != ExitOk) return rc;
    if (const int rc = s.open()) return rc;
    return WriteExitCode(WriteConfiguration(c, s, "write"));
}

Registrar writeCmd(
    {.name = "write",
     .usage = "FILE.ptf [--addresses LIST [--protocol-dir DIR]] [--backup-dir DIR | --no-backup] "
              "[--force]",
     .summary = "load a configuration file, check it completely, identify the transmitter, keep "
                "its present configuration, show what changes and write the configuration to it",
     .run = write,
     .drawsPages = true,
     .options = "--addresses LIST\twrite into each transmitter of the list (\"1-8,10\"); each "
                "keeps its own address, baud rate, parity and user note\n"
                "--protocol-dir DIR\tthe protocol of each verified unit as "
                "DIR/SERIAL.pdf\n" LMK17_WRITE_SAFETY_OPTIONS,
     .exitCodes = "0\twritten, or the transmitter already held the configuration\n"
                  "1\tthe check failed, the backup could not be kept, the changes were not "
                  "confirmed, a transmitter or link failure, or (with --addresses) any unit "
                  "failed\n"
                  "2\tusage error\n"
                  "3\tthe file cannot be read",
     .example = "lmk17-cli --port /dev/ttyUSB0 --yes write TT-101.ptf --addresses 1-8"});

}  // namespace
}  // namespace lmk17::cli
