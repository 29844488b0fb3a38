#include "app/backup_restore.h"

#include "app/config_comparison.h"
#include "common/silent_interaction.h"
#include "config/catalogue.h"
#include "config/config_model.h"
#include "files/config_load.h"
#include "operations/write_backups.h"
#include "stack/transmitter_stack.h"
#include "stack/write_safety.h"

namespace lmk17 {

namespace {

QString rangeText(const TransmitterConfig& config) {
    const InputRangeEntry* range = RangeByCode(config.InputRangeCode);
    const QString name = range ? RangeName(*range).trimmed() : QStringLiteral("?");
    return name + QStringLiteral(", %1 .. %2")
                      .arg(QString::number(config.LowerRangeValue, 'g', 6),
                           QString::number(config.UpperRangeValue, 'g', 6));
}

}  // namespace

int BackupChoices::proposed() const {
    for (size_t i = 0; i < backups.size(); ++i)
        if (backups[i].readable()) return int(i);
    return -1;
}

BackupChoices ListBackupChoices(TransmitterStack& stack) {
    BackupChoices choices;
    const ComparisonSide device = ReadForComparison(stack);
    if (!device.ok) return choices;
    choices.read = true;
    choices.serialNumber = device.model->config().SerialNumber;
    const QString folder = stack.writeSafety().backupFolder;
    if (folder.isEmpty()) return choices;  // no folder: no backups are kept
    choices.folder = BackupFolderOf(folder, choices.serialNumber);
    // A damaged backup is listed as such; reading it tells nobody anything.
    SilentInteraction quiet;
    for (const BackupFile& f : ListBackups(folder, choices.serialNumber)) {
        BackupChoice choice{f.path, f.taken, {}, -1};
        ConfigModel backup(quiet);
        const LoadOutcome loaded = DiskLoadPom(backup, f.path, true, quiet);
        if (loaded.loaded && !loaded.corrupt) {
            choice.differing = CompareBeforeWrite(*device.model, backup).differenceCount();
            choice.range = rangeText(backup.config());
        }
        choices.backups.push_back(choice);
    }
    return choices;
}

StartResult RestoreBackup(TransmitterStack& stack, const QString& path, CheckOutcome* check) {
    if (!stack.idle()) return StartResult::Busy;
    const LoadOutcome loaded = stack.loadConfigurationFile(path, false);
    // A damaged file leaves the defaults in the window: they are no backup to write.
    if (!loaded.loaded || loaded.corrupt) return StartResult::Declined;
    return stack.session().startWrite(check);
}

}  // namespace lmk17
