#include "stack/write_safety.h"

#include "common/silent_interaction.h"
#include "common/user_interaction.h"
#include "config/config_model.h"
#include "config/validation_model.h"
#include "operations/operation_texts.h"
#include "operations/write_backups.h"
#include "reports/config_diff.h"

namespace lmk17 {

using operation_text::Tr;

namespace {

const QString kNewLine = QStringLiteral("\r\n");

void takeUnitSettings(const ConfigModel& present, ConfigModel& toWrite) {
    ConfigModel::Edit edit = toWrite.edit();
    TransmitterConfig& config = edit.config();
    config.AddressByte = present.config().AddressByte;
    config.BaudCode = present.config().BaudCode;
    config.UserNote = present.config().UserNote;
}

// What the transmitter will hold after the write: the record written, with
// what a write never changes (its identity, counters, output calibration and
// the date the write stamps) staying the transmitter's own.
void AfterWrite(const ConfigModel& present, const ConfigModel& toWrite, ConfigModel& after) {
    TransmitterConfig config = toWrite.config();
    const TransmitterConfig& kept = present.config();
    config.SerialNumber = kept.SerialNumber;
    config.Manufacturer = kept.Manufacturer;
    config.ManufactureDate = kept.ManufactureDate;
    config.TransmitterType = kept.TransmitterType;
    config.WorkingTime = kept.WorkingTime;
    config.LastChangeDate = kept.LastChangeDate;
    config.OutputCodePoly = kept.OutputCodePoly;
    config.SaturationCodes = kept.SaturationCodes;
    {
        ConfigModel::Edit edit = after.edit();
        edit.identity() = present.identity();
        edit.config() = config;
    }
    after.RefreshFromConfig();
}

QString differenceLines(const ConfigurationComparison& cmp, int maxLines) {
    QStringList lines;
    int more = 0;
    for (const FieldComparison& f : cmp.fields) {
        if (!f.differs()) continue;
        if (lines.size() >= maxLines) {
            ++more;
            continue;
        }
        lines << QStringLiteral(" %1: %2 -> %3").arg(f.name, f.left, f.right);
    }
    if (more > 0) lines << Tr(operation_text::kDifferencesMore).arg(more);
    if (cmp.differenceCount() == 0 && !cmp.recordDifferences.isEmpty())
        lines << Tr(operation_text::kDifferencesStored)
                     .arg(cmp.recordDifferences.join(QStringLiteral(", ")));
    return lines.join(kNewLine);
}

}  // namespace

ConfigurationComparison CompareBeforeWrite(const ConfigModel& present, const ConfigModel& toWrite) {
    SilentInteraction quiet;
    ConfigModel after(quiet);
    AfterWrite(present, toWrite, after);
    return CompareConfigurations(present, after);
}

OperationOutcome CheckBeforeWrite(const WriteSafety& safety, ConfigModel& present,
                                  ConfigModel& toWrite, UserInteraction& ui,
                                  WriteSafetyReport& report, const QDateTime& now) {
    report = WriteSafetyReport{};
    // Kept and compared as a file of it would hold it: the check a save runs
    // sets the derived values.
    CheckAll(present);
    if (safety.backup) {
        QString error;
        report.backupPath = SaveBackup(safety.backupFolder, present.config(), now, &error);
        if (report.backupPath.isEmpty()) {
            ui.message(MessageKind::Error, Tr(operation_text::kBackupFailed) + kNewLine + error);
            return OperationOutcome::BackupFailed;
        }
        PruneBackups(safety.backupFolder, present.config().SerialNumber, safety.keepBackups, now);
    }
    if (safety.keepUnitSettings) takeUnitSettings(present, toWrite);

    const ConfigurationComparison cmp = CompareBeforeWrite(present, toWrite);
    report.differences = cmp.differenceCount();
    if (cmp.equal()) {
        bool write = safety.whenEqual == WriteSafety::WhenEqual::Write;
        if (safety.whenEqual == WriteSafety::WhenEqual::Ask)
            write = ui.question(Question::WriteUnchanged, MessageKind::Confirmation,
                                Tr(operation_text::kUnchangedQuestion));
        else if (!write && safety.announceSkipped)
            ui.message(MessageKind::Information, Tr(operation_text::kUnchanged));
        if (!write) return OperationOutcome::Unchanged;
    } else if (safety.askDifferences &&
               !ui.question(Question::WriteDifferences, MessageKind::Confirmation,
                            Tr(operation_text::kDifferencesQuestion) + kNewLine +
                                differenceLines(cmp, 30) + kNewLine +
                                Tr(operation_text::kWriteNowQuestion))) {
        return OperationOutcome::Declined;
    }
    report.writeStarted = true;
    return OperationOutcome::Running;
}

}  // namespace lmk17
