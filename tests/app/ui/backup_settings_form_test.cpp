// Settings › "Backups and Writing…" in the main window: OK takes effect on
// the very next write and stays in the settings file; a typo is refused with
// a message and nothing is saved.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "app/help_contexts.h"
#include "app/ui/backup_settings_form.h"
#include "app/ui/main_form.h"
#include "config/config_model.h"
#include "link/port_connection.h"
#include "main_window_rig.h"
#include "operations/transmitter_session.h"
#include "stack/transmitter_stack.h"
#include "support/sim_fixture.h"

namespace lmk17::test {
namespace {

// Fills the dialog when it shows, presses OK, notes what happened, and
// presses Cancel when OK left it open.
struct BackupDialogDriver {
    BackupDialogDriver(QString folder, QString keep, bool ask) {
        QObject::connect(&timer_, &QTimer::timeout, [=, this] {
            auto* form = qobject_cast<TBackupSettingsForm*>(QApplication::activeModalWidget());
            if (!form) return;
            timer_.stop();
            shownKeep = form->KeepEdt()->text();
            shownFolder = form->FolderEdt()->text();
            shownAsk = form->AskCBx()->isChecked();
            placeholder = form->FolderEdt()->placeholderText();
            form->FolderEdt()->setText(folder);
            form->KeepEdt()->setText(keep);
            form->AskCBx()->setChecked(ask);
            form->OkBtn()->click();
            leftOpen = form->isVisible();
            focusOnKeep = form->focusWidget() == form->KeepEdt();
            if (leftOpen) form->CancelBtn()->click();
        });
        timer_.start(20);
    }
    QString shownKeep, shownFolder, placeholder;
    bool shownAsk = false;
    bool leftOpen = false;
    bool focusOnKeep = false;

private:
    QTimer timer_;
};

QByteArray fileText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(BackupSettingsWindow, NewValuesRuleTheNextWriteAndStayInTheSettingsFile) {
    InProcessSim sim;
    Shell shell;
    TransmitterStack& stack = shell.stack();
    ASSERT_TRUE(stack.connection().connectDevice(sim.devicePath()));
    BoxAnswerer yes(QMessageBox::Yes);
    ASSERT_TRUE(shell.readWithTheReadButton());
    ConfigModel& model = stack.model();
    model.edit().config().Damping += 2;
    model.RefreshFromConfig();

    const QString folder = shell.home.filePath("elsewhere/kept");
    {
        BackupDialogDriver driver(QDir::toNativeSeparators(folder), " 3", false);
        shell.form->BackupSetMnu->trigger();
        EXPECT_EQ(driver.shownKeep, "50");
        EXPECT_TRUE(driver.shownFolder.isEmpty());  // the default, shown as a hint
        EXPECT_EQ(driver.placeholder, QDir::toNativeSeparators(shell.home.path() + "/Backups/"));
        EXPECT_TRUE(driver.shownAsk);
        EXPECT_FALSE(driver.leftOpen);
    }
    EXPECT_TRUE(yes.texts.isEmpty()) << yes.texts.join('\n').toStdString();
    const QByteArray ini = fileText(shell.store.path());
    EXPECT_TRUE(ini.contains("BackupDir=" + folder.toUtf8() + "/")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("KeepBackups=3"));
    EXPECT_TRUE(ini.contains("AskBeforeWrite=0"));

    shell.form->WriteConfMnu->trigger();
    ASSERT_TRUE(SpinUntil([&] { return stack.idle(); }, 30000));
    EXPECT_EQ(stack.session().lastOutcome(), OperationOutcome::Completed);
    EXPECT_EQ(yes.count("Damping"), 0);  // the changes were not asked about
    const QString backup = stack.lastWriteCheck().backupPath;
    EXPECT_TRUE(backup.startsWith(folder + "/")) << backup.toStdString();
    EXPECT_TRUE(QFileInfo(backup).isFile());
}

TEST(BackupSettingsWindow, ATypoInTheCountIsRefusedAndNothingIsSaved) {
    Shell shell;
    const WriteSafety before = shell.stack().writeSafety();
    BoxAnswerer ok(QMessageBox::Ok);
    BackupDialogDriver driver(shell.home.filePath("other"), "2O", false);
    shell.form->BackupSetMnu->trigger();
    EXPECT_TRUE(driver.leftOpen);
    EXPECT_TRUE(driver.focusOnKeep);
    EXPECT_EQ(ok.count("must be a whole number from 1 to 1000"), 1)
        << ok.texts.join('\n').toStdString();
    EXPECT_FALSE(QFileInfo::exists(shell.store.path()));
    EXPECT_FALSE(QFileInfo::exists(shell.home.filePath("other")));
    EXPECT_EQ(shell.store.settings().keepBackups, 50);
    EXPECT_TRUE(shell.store.settings().askBeforeWrite);
    EXPECT_EQ(shell.stack().writeSafety().keepBackups, before.keepBackups);
    EXPECT_EQ(shell.stack().writeSafety().askDifferences, before.askDifferences);
}

// F1 asks for the dialog's own topic (the help book holds every context to a
// page that exists).
TEST(BackupSettingsWindow, F1AsksForTheDialogsTopic) {
    Shell shell;
    TBackupSettingsForm form(shell.store, shell.stack(), shell.form->interaction(),
                             shell.form.get());
    QSignalSpy help(&form, &TBackupSettingsForm::helpRequested);
    form.show();
    QTest::keyClick(&form, Qt::Key_F1);
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.at(0).at(0).toInt(), int(help::BackupSettings));
}

}  // namespace
}  // namespace lmk17::test
