#include "cli/write_options.h"

#include <QDir>
#include <QStandardPaths>

#include "app/app_paths.h"
#include "cli/session_setup.h"

namespace lmk17::cli {

WriteSafety TakeWriteSafety(Context& c) {
    WriteSafety safety;
    const std::optional<QString> folder = c.takeOption(QStringLiteral("--backup-dir"));
    safety.backup = !c.takeFlag(QStringLiteral("--no-backup"));
    safety.whenEqual = c.takeFlag(QStringLiteral("--force")) ? WriteSafety::WhenEqual::Write
                                                             : WriteSafety::WhenEqual::Skip;
    if (folder && folder->isEmpty())
        throw UsageError(QStringLiteral("--backup-dir needs a folder"));
    if (folder && !safety.backup)
        throw UsageError(QStringLiteral("--backup-dir and --no-backup exclude each other"));
    if (folder) {
        safety.backupFolder = *folder;
    } else if (safety.backup) {
        const AppFolders folders = MakeAppFolders(
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath());
        safety.backupFolder = DefaultBackupFolder(folders);
    }
    return safety;
}

void ReportWriteInterrupted(Context& c, const char* command, const OperationRecord& was) {
    if (was.processCode == ProcessWriteConfig) {
        c.err << "lmk17-cli " << command
              << ": interrupted; the transmitter's configuration is incomplete. Write the "
                 "configuration again (the next read offers the default configuration)."
              << Qt::endl;
    } else {
        c.err << "lmk17-cli " << command << ": interrupted before anything was written" << Qt::endl;
    }
}

void ReportWriteEnd(Context& c, CliSession& s, const char* command, OperationOutcome outcome) {
    const WriteSafetyReport& report = s.stack().lastWriteCheck();
    if (!report.backupPath.isEmpty())
        c.err << "lmk17-cli " << command << ": the configuration before the write is kept in "
              << QDir::toNativeSeparators(report.backupPath) << Qt::endl;
    if (outcome == OperationOutcome::Declined && s.stack().writeSafety().askDifferences &&
        report.differences >= 0 && !report.writeStarted)
        c.err << "lmk17-cli " << command
              << ": nothing was written: the changes were not confirmed (--yes confirms them)"
              << Qt::endl;
    if (outcome == OperationOutcome::Stopped && !report.writeStarted && !s.interrupted())
        c.err << "lmk17-cli " << command << ": nothing was written" << Qt::endl;
}

OperationOutcome WriteConfiguration(Context& c, CliSession& s, const char* command) {
    s.setInterruptHandler(
        [&](const OperationRecord& was) { ReportWriteInterrupted(c, command, was); });
    const OperationOutcome outcome = s.run([&] { return s.session().startWrite(); });
    ReportWriteEnd(c, s, command, outcome);
    return outcome;
}

int WriteExitCode(OperationOutcome outcome) {
    return outcome == OperationOutcome::Completed || outcome == OperationOutcome::Unchanged
               ? ExitOk
               : ExitFailure;
}

}  // namespace lmk17::cli
