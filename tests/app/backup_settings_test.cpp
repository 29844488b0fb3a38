// The backup settings as the dialog hands them over: what the checks take
// and refuse, what reaches the settings file, and that a refusal or a failed
// save changes nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/app_paths.h"
#include "app/backup_settings.h"
#include "app/settings_store.h"
#include "common/ini_file.h"
#include "stack/transmitter_stack.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"

namespace lmk17 {
namespace {

AppFolders foldersIn(const QTemporaryDir& dir) {
    return {dir.path() + QStringLiteral("/"), dir.path() + QStringLiteral("/")};
}

TEST(BackupSettings, TheCountTakesWholeNumbersFromOneToAThousandOnly) {
    const struct {
        const char* typed;
        int taken;  // 0: refused
    } cases[] = {
        {"50", 50}, {" 7 ", 7}, {"1", 1},   {"1000", 1000}, {"0", 0},   {"1001", 0},
        {"", 0},    {"5O", 0},  {"1,5", 0}, {"-3", 0},      {"1e2", 0}, {"0x10", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const BackupFieldsCheck check = CheckBackupFields({{}, QString::fromUtf8(c.typed), false});
        if (c.taken == 0) {
            EXPECT_EQ(check.refused, BackupField::KeepBackups);
            EXPECT_EQ(check.message,
                      "The number of backups kept per transmitter must be a whole "
                      "number from 1 to 1000.");
        } else {
            EXPECT_EQ(check.refused, BackupField::None);
            EXPECT_EQ(check.values.keepBackups, c.taken);
            EXPECT_FALSE(check.values.askBeforeWrite);
        }
    }
}

// A folder is taken when backups can be written into it: made when missing,
// refused when it is relative (the program's working folder is anyone's
// guess), a file, or cannot be made.
TEST(BackupSettings, TheFolderIsTakenOnlyWhereBackupsCanBeWritten) {
    QTemporaryDir dir;
    QFile file(dir.filePath("plain.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString root = dir.path();
    const struct {
        QString typed;
        BackupField refused;
        QString kept;  // what the settings keep when taken
        const char* message;
    } cases[] = {
        {"", BackupField::None, "", ""},
        {"  ", BackupField::None, "", ""},
        {root, BackupField::None, root + "/", ""},
        {QDir::toNativeSeparators(root + "/new/deeper"), BackupField::None, root + "/new/deeper/",
         ""},
        {"backups", BackupField::Folder, "", "is not a full path"},
        {root + "/plain.txt", BackupField::Folder, "", "is a file, not a folder"},
        {root + "/plain.txt/sub", BackupField::Folder, "", "could not be created"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const BackupFieldsCheck check = CheckBackupFields({c.typed, "50", true});
        EXPECT_EQ(check.refused, c.refused);
        EXPECT_TRUE(check.message.contains(QLatin1String(c.message)))
            << check.message.toStdString();
        if (c.refused == BackupField::None) {
            EXPECT_EQ(check.values.folder, c.kept);
        }
    }
    EXPECT_TRUE(QFileInfo(root + "/new/deeper").isDir());
    EXPECT_FALSE(QFileInfo("backups").exists());
    // Only a probe file shows a folder that refuses writing; it leaves nothing.
    EXPECT_EQ(QDir(root).entryList(QDir::Files | QDir::Hidden), QStringList{"plain.txt"});
}

// What OK saves is what the next start reads, the default folder kept as
// none (so it follows the data folder); the dialog opens on what was saved.
TEST(BackupSettings, SavedValuesAreWhatTheNextStartReadsAndTheDialogShows) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("lmk17.ini");
    const QString own = dir.path() + "/kept/";
    for (const BackupSettingsValues& saved :
         {BackupSettingsValues{own, 3, false}, BackupSettingsValues{{}, 1000, true}}) {
        SettingsStore store(ini, foldersIn(dir));
        ASSERT_TRUE(store.load());
        ASSERT_TRUE(store.saveBackupSettings(saved));
        SettingsStore next(ini, foldersIn(dir));
        ASSERT_TRUE(next.load());
        const AppSettings& s = next.settings();
        EXPECT_EQ(s.backupDir, saved.folder.isEmpty() ? dir.path() + "/Backups/" : own);
        EXPECT_EQ(s.keepBackups, saved.keepBackups);
        EXPECT_EQ(s.askBeforeWrite, saved.askBeforeWrite);
        EXPECT_EQ(next.ini().value("Backup", "BackupDir", "?"), saved.folder);
        const BackupSettingsFields shown = BackupFieldsOf(s, next.folders());
        EXPECT_EQ(shown.folder, QDir::toNativeSeparators(saved.folder));
        EXPECT_EQ(shown.keepBackups, QString::number(saved.keepBackups));
        EXPECT_EQ(shown.askBeforeWrite, saved.askBeforeWrite);
    }
}

// A folder typed into the settings file by hand passes the dialog's rules
// when the file is read: one the dialog would refuse is the default folder
// (and the dialog shows the default), so backups never land wherever the
// program happened to be started.
TEST(BackupSettings, TheSettingsFileGivesOnlyAFolderTheDialogWouldTake) {
    QTemporaryDir dir;
    QFile file(dir.filePath("plain.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString root = dir.path();
    const QString fallback = root + "/Backups/";
    const struct {
        QString stored;
        QString used;
    } cases[] = {
        {root + "/kept/", root + "/kept/"},
        {" " + QDir::toNativeSeparators(root + "/not/yet") + " ", root + "/not/yet/"},
        {"", fallback},
        {"backups", fallback},
        {"./backups/", fallback},
        {"../backups", fallback},
        {root + "/plain.txt", fallback},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        IniFile ini;
        ini.setValue("Backup", "BackupDir", c.stored);
        const AppSettings s = ReadAppSettings(ini, foldersIn(dir));
        EXPECT_EQ(s.backupDir, c.used);
        EXPECT_EQ(BackupFieldsOf(s, foldersIn(dir)).folder,
                  c.used == fallback ? QString() : QDir::toNativeSeparators(c.used));
    }
    EXPECT_FALSE(QFileInfo(root + "/not").exists());  // reading makes nothing
}

// OK hands the values to the stack at once; a refused field or a settings
// file that cannot be written says so and leaves the file, the settings and
// the stack as they were.
TEST(BackupSettings, OkAppliesAtOnceAndARefusalOrFailedSaveChangesNothing) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("lmk17.ini");
    test::ScriptedInteraction ui;
    TransmitterStack stack(ui);
    SettingsStore store(ini, foldersIn(dir));
    ASSERT_TRUE(store.load());

    EXPECT_EQ(ApplyBackupFields({dir.filePath("b"), "12", false}, store, stack, ui),
              BackupField::None);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(stack.writeSafety().backupFolder, dir.filePath("b") + "/");
    EXPECT_EQ(stack.writeSafety().keepBackups, 12);
    EXPECT_FALSE(stack.writeSafety().askDifferences);
    EXPECT_TRUE(stack.writeSafety().backup);
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    EXPECT_TRUE(before.contains("KeepBackups=12")) << before.toStdString();

    EXPECT_EQ(ApplyBackupFields({dir.filePath("c"), "12x", true}, store, stack, ui),
              BackupField::KeepBackups);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Warning);
    EXPECT_FALSE(QFileInfo(dir.filePath("c")).exists());  // nothing made for a refused count

    // The settings file's place taken by a folder: the save fails.
    SettingsStore blocked(dir.filePath("b"), foldersIn(dir));
    blocked.settings().keepBackups = 7;
    EXPECT_EQ(ApplyBackupFields({{}, "99", true}, blocked, stack, ui), BackupField::SettingsFile);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_TRUE(ui.shown[1].text.startsWith("The settings could not be saved to"))
        << ui.last().toStdString();
    EXPECT_EQ(blocked.settings().keepBackups, 7);
    EXPECT_EQ(stack.writeSafety().keepBackups, 12);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

}  // namespace
}  // namespace lmk17
