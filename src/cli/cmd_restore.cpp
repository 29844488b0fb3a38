// lmk17-cli restore: the backups kept before every write, listed for the
// connected transmitter or written back into it.

#include <QDir>
#include <QFileInfo>

#include "cli/cli_command.h"
#include "cli/config_print.h"
#include "cli/session_setup.h"
#include "cli/write_options.h"
#include "common/silent_interaction.h"
#include "config/catalogue.h"
#include "config/validation_model.h"
#include "files/config_load.h"
#include "operations/write_backups.h"
#include "stack/write_safety.h"

namespace lmk17::cli {

namespace {

QString rangeText(const TransmitterConfig& config) {
    const InputRangeEntry* range = RangeByCode(config.InputRangeCode);
    QString text = range ? RangeName(*range).trimmed() : QStringLiteral("?");
    return text + QStringLiteral(", %1 .. %2")
                      .arg(QString::number(config.LowerRangeValue, 'g', 6),
                           QString::number(config.UpperRangeValue, 'g', 6));
}

// The transmitter's backups, each with the number of fields its restore
// would change in what the transmitter holds now.
int listBackups(Context& c, const WriteSafety& safety) {
    if (safety.backupFolder.isEmpty())
        throw UsageError(QStringLiteral("--list needs the backups: drop --no-backup"));
    CliSession s(c);
    if (const int rc = s.open()) return rc;
    if (s.run([&] { return s.session().startRead(); }) != OperationOutcome::Completed)
        return ExitFailure;
    CheckAll(s.model());
    const qint32 serial = s.session().lastIdentified().serialNumber;
    const std::vector<BackupFile> files = ListBackups(safety.backupFolder, serial);
    if (files.empty()) {
        c.out << "No backups of transmitter " << QString::asprintf("%.8d", int(serial)) << " in "
              << QDir::toNativeSeparators(BackupFolderOf(safety.backupFolder, serial)) << ".\n";
        return ExitOk;
    }
    c.out << "taken                differing  range  file\n";
    SilentInteraction quiet;
    for (const BackupFile& f : files) {
        ConfigModel backup(quiet);
        const LoadOutcome loaded = DiskLoadPom(backup, f.path, true, quiet);
        QString differing = QStringLiteral("unreadable");
        QString range;
        if (loaded.loaded && !loaded.corrupt) {
            differing = QString::number(CompareBeforeWrite(s.model(), backup).differenceCount());
            range = rangeText(backup.config());
        }
        c.out << f.taken.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << "  "
              << differing.rightJustified(9) << "  " << range << "  "
              << QFileInfo(f.path).fileName() << '\n';
    }
    return ExitOk;
}

int restore(Context& c) {
    const bool list = c.takeFlag(QStringLiteral("--list"));
    const WriteSafety safety = TakeWriteSafety(c);
    c.rejectUnknownOptions();
    if (list) {
        if (!c.args.isEmpty()) throw UsageError(QStringLiteral("--list takes no file"));
        return listBackups(c, safety);
    }
    if (c.args.size() != 1) throw UsageError(QStringLiteral("give one backup file, or --list"));
    CliSession s(c);
    s.stack().setWriteSafety(safety);
    if (const int rc = LoadConfigurationFile(c, c.args.first(), s.model()); rc != ExitOk) return rc;
    if (const int rc = s.open()) return rc;
    return WriteExitCode(WriteConfiguration(c, s, "restore"));
}

Registrar restoreCmd(
    {.name = "restore",
     .usage = "(--list | FILE.ptf) [--backup-dir DIR | --no-backup] [--force]",
     .summary = "list the backups kept of the connected transmitter (taken, fields that differ "
                "from it now, range), or write one back with the checks, backup and question "
                "of write",
     .run = restore,
     .options = "--list\tthe transmitter's backups, newest first\n" LMK17_WRITE_SAFETY_OPTIONS,
     .exitCodes = "0\tlisted, or written (or the transmitter already held it)\n"
                  "1\tthe transmitter could not be read or written, or the changes were not "
                  "confirmed\n"
                  "2\tusage error\n"
                  "3\tthe file cannot be read",
     .example = "lmk17-cli --port /dev/ttyUSB0 restore --list"});

}  // namespace
}  // namespace lmk17::cli
