// File › "Restore from Backup…" on the software transmitter: no backups said
// so, then a write keeps one, and restoring it writes the old configuration
// back through the normal write.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include "app/backup_restore.h"
#include "app/config_comparison.h"
#include "app/ui/main_form.h"
#include "app/ui/restore_form.h"
#include "config/config_model.h"
#include "files/ptf_reader.h"
#include "files/ptf_writer.h"
#include "link/port_connection.h"
#include "main_window_rig.h"
#include "operations/transmitter_session.h"
#include "ptf_files.h"
#include "stack/transmitter_stack.h"
#include "stack/write_safety.h"
#include "support/sim_fixture.h"

namespace lmk17::test {
namespace {

// What the restore window listed; then Restore (or Cancel) is pressed.
struct RestoreWatcher {
    explicit RestoreWatcher(bool restore) {
        QObject::connect(&timer_, &QTimer::timeout, [this, restore] {
            auto* form = qobject_cast<TRestoreForm*>(QApplication::activeModalWidget());
            if (!form) return;
            timer_.stop();
            shown = true;
            for (int r = 0; r < form->BackupList()->rowCount(); ++r)
                rows << QStringList{form->BackupList()->item(r, 1)->text(),
                                    form->BackupList()->item(r, 2)->text()};
            summary = form->SummaryLbl()->text();
            restoreEnabled = form->RestoreBtn()->isEnabled();
            if (restore && restoreEnabled)
                form->RestoreBtn()->click();
            else
                form->reject();
        });
        timer_.start(20);
    }
    bool shown = false;
    bool restoreEnabled = false;
    QList<QStringList> rows;
    QString summary;

private:
    QTimer timer_;
};

TEST(RestoreWindow, RestoresTheConfigurationKeptBeforeAWrite) {
    InProcessSim sim;
    Shell shell;
    TransmitterStack& stack = shell.stack();
    EXPECT_FALSE(shell.form->RestoreMnu->isEnabled());  // nothing to read from yet
    ASSERT_TRUE(stack.connection().connectDevice(sim.devicePath()));
    EXPECT_TRUE(shell.form->RestoreMnu->isEnabled());  // no configuration needed
    WriteSafety safety;
    safety.backup = true;
    safety.backupFolder = shell.home.filePath("backups");
    safety.whenEqual = WriteSafety::WhenEqual::Write;
    stack.setWriteSafety(safety);
    BoxAnswerer yes(QMessageBox::Yes);

    {
        RestoreWatcher watcher(true);
        shell.form->RestoreMnu->trigger();
        ASSERT_TRUE(watcher.shown);
        EXPECT_TRUE(watcher.rows.isEmpty());
        EXPECT_TRUE(watcher.summary.startsWith("No backups of transmitter"))
            << watcher.summary.toStdString();
        EXPECT_FALSE(watcher.restoreEnabled);
    }
    EXPECT_FALSE(stack.model().hasConfiguration());  // the listing read left the window alone

    ASSERT_TRUE(shell.readWithTheReadButton());
    ConfigModel& model = stack.model();
    const double oldDamping = model.config().Damping;
    model.edit().config().Damping = oldDamping + 3;
    model.RefreshFromConfig();
    shell.form->WriteConfMnu->trigger();
    ASSERT_TRUE(SpinUntil([&] { return stack.idle(); }, 30000));
    ASSERT_EQ(stack.session().lastOutcome(), OperationOutcome::Completed);

    // A damaged backup beside it, older: listed as such, never proposed.
    const QStringList serials =
        QDir(safety.backupFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(serials.size(), 1);
    QFile damaged(safety.backupFolder + "/" + serials[0] + "/2020-01-01_00-00-00_before-write.ptf");
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a configuration");
    damaged.close();
    const int asked = yes.count("Damping");
    {
        RestoreWatcher watcher(true);
        shell.form->RestoreMnu->trigger();
        ASSERT_TRUE(watcher.shown);
        ASSERT_EQ(watcher.rows.size(), 2) << watcher.summary.toStdString();
        EXPECT_EQ(watcher.rows[0][1], "1");  // the damping
        EXPECT_FALSE(watcher.rows[0][0].isEmpty());
        EXPECT_EQ(watcher.rows[1], (QStringList{"The file cannot be read.", "–"}));
        EXPECT_TRUE(watcher.summary.contains(QDir::toNativeSeparators(safety.backupFolder)));
    }
    ASSERT_TRUE(SpinUntil([&] { return stack.idle(); }, 30000));
    EXPECT_EQ(stack.session().lastOutcome(), OperationOutcome::Completed);
    EXPECT_GT(yes.count("Damping"), asked);  // the differences were asked about as by Write

    // What the transmitter holds now, read afresh.
    const ComparisonSide device = ReadForComparison(stack);
    ASSERT_TRUE(device.ok);
    EXPECT_DOUBLE_EQ(device.model->config().Damping, oldDamping);
}

// The window on a given list: the newest readable backup proposed, a damaged
// one never chosen, and Restore takes the row picked.
TEST(RestoreWindow, ProposesTheNewestReadableAndTakesThePick) {
    const auto backup = [](const char* name, bool readable) {
        return BackupChoice{name, QDateTime(QDate(2026, 12, 1), QTime(8, 0)),
                            readable ? QStringLiteral("R11, 0 .. 100") : QString(),
                            readable ? 2 : -1};
    };
    const struct {
        const char* what;
        std::vector<BackupChoice> backups;
        int picked;  // the row clicked; -1: none
        QString chosen;
    } cases[] = {
        {"the newest proposed", {backup("new", true), backup("old", true)}, -1, "new"},
        {"an older one picked", {backup("new", true), backup("old", true)}, 1, "old"},
        {"a damaged newest is passed over", {backup("bad", false), backup("old", true)}, -1, "old"},
        {"a damaged one picked restores nothing",
         {backup("old", true), backup("bad", false)},
         1,
         ""},
        {"nothing readable", {backup("bad", false)}, -1, ""},
        {"no backups", {}, -1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BackupChoices choices;
        choices.read = true;
        choices.serialNumber = 4711;
        choices.folder = "/backups/00004711";
        choices.backups = c.backups;
        TRestoreForm form(choices);
        if (c.picked >= 0) form.BackupList()->selectRow(c.picked);
        EXPECT_EQ(form.chosenPath(), c.chosen);
        EXPECT_EQ(form.RestoreBtn()->isEnabled(), !c.chosen.isEmpty());
    }
}

// A backup whose record the load replaces by the defaults is never written:
// they are no configuration of that transmitter.
TEST(RestoreWindow, ACorruptBackupIsNotWritten) {
    InProcessSim sim;
    Shell shell;
    TransmitterStack& stack = shell.stack();
    ASSERT_TRUE(stack.connection().connectDevice(sim.devicePath()));
    BoxAnswerer yes(QMessageBox::Yes);
    const QString ptf = shell.home.filePath("2026-12-01_08-00-00_before-write.ptf");
    ASSERT_TRUE(WriteDefaultPtf(ptf, 28, "K8620L20, FW 1.91", 12345678));
    TransmitterConfig record = ReadConfigFile(ptf).config.value();
    record.Damping = 0.0;
    ASSERT_TRUE(WritePtfFile(ptf, record).isEmpty());
    CheckOutcome check;
    EXPECT_EQ(RestoreBackup(stack, ptf, &check).reason(), StartResult::Declined);
    EXPECT_TRUE(stack.idle());
}

// The window as the program starts it, whether on a port of the settings or
// on the demonstration's: its first write keeps a backup in the data folder
// and asks about the changes, with nobody setting anything up.
TEST(RestoreWindow, TheFirstWriteOfTheWindowKeepsABackupAndAsks) {
    InProcessSim sim;
    Shell shell;
    TransmitterStack& stack = shell.stack();
    shell.form->connectDemo(sim.devicePath(), 0);
    BoxAnswerer yes(QMessageBox::Yes);
    ASSERT_TRUE(shell.readWithTheReadButton());
    ConfigModel& model = stack.model();
    model.edit().config().Damping += 3;
    model.RefreshFromConfig();
    shell.form->WriteConfMnu->trigger();
    ASSERT_TRUE(SpinUntil([&] { return stack.idle(); }, 30000));
    EXPECT_EQ(stack.session().lastOutcome(), OperationOutcome::Completed);
    EXPECT_EQ(yes.count("Damping"), 1);
    const QString serial = QString::asprintf("%.8d", int(model.config().SerialNumber));
    EXPECT_EQ(QDir(shell.home.filePath("Backups/" + serial)).entryList({"*.ptf"}).size(), 1)
        << serial.toStdString();
}

}  // namespace
}  // namespace lmk17::test
