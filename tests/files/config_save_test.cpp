#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include "config/catalogue.h"
#include "config/defaults.h"
#include "files/config_save.h"
#include "files/ptf_reader.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"

namespace lmk17 {
namespace {

constexpr int kK8620L20 = 28;
constexpr int kFw191 = 14;

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class SaveTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    test::ScriptedInteraction ui;
    ConfigModel model{ui};

    void SetUp() override {
        TransmitterConfig c;
        SetDefaultConfiguration(c, kK8620L20, 0, kFw191);
        c.TransmitterType = "K8620L20, FW 1.91";
        c.SerialNumber = 4711;
        c.Signature = "PT-FILE03";
        model.setConfig(c);
        model.edit().identity().typeIndex = kK8620L20;
        model.edit().identity().firmwareIndex = kFw191;
        model.edit().identity().rangeIndex = FindRange(11);
        model.RefreshFromConfig();
        model.setControlsShown(true);  // the window's Save: the pages' texts
        model.setUnsavedChanges(true);
        ui.shown.clear();
    }

    // A file that was there before the save.
    QString previousFile(const QString& name) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("the previous file");
        return path;
    }
};

TEST(ProposedNames, SerialNumberOrDefault) {
    TransmitterConfig c;
    c.SerialNumber = 12345;
    EXPECT_EQ(ProposedSaveName(c), QStringLiteral("00012345.ptf"));
    c.SerialNumber = 0;
    EXPECT_EQ(ProposedSaveName(c), QStringLiteral("default.ptf"));
    c.SerialNumber = -5;
    EXPECT_EQ(ProposedSaveName(c), QStringLiteral("default.ptf"));
    EXPECT_EQ(ProposedLoadName(), QStringLiteral("default.ptf"));
}

TEST_F(SaveTest, SavedFileIsTheCheckedRecord) {
    const QString path = dir.filePath(QStringLiteral("00004711.ptf"));
    const SaveOutcome o = DiskSave(model, path, ui);
    ASSERT_TRUE(o.saved);
    const QByteArray bytes = readAll(path);
    ASSERT_EQ(bytes.size(), 679);
    EXPECT_TRUE(bytes.startsWith(QByteArray("\x09PT-FILE04")));
    EXPECT_EQ(bytes, model.config().ToImage());
    EXPECT_EQ(*ParsePtf(bytes, path).config, model.config());
    EXPECT_FALSE(model.unsavedChanges());
    EXPECT_EQ(ui.last(), QStringLiteral("Configuration was saved without any errors."));
}

TEST_F(SaveTest, NothingWithoutAConfiguration) {
    ConfigModel empty(ui);
    const QString path = previousFile(QStringLiteral("n.ptf"));
    EXPECT_FALSE(DiskSave(empty, path, ui).saved);
    EXPECT_EQ(
        ui.texts(),
        QStringList{QStringLiteral("There has not been set any configuration of transmitter.")});
    EXPECT_EQ(readAll(path), QByteArray("the previous file"));
}

TEST_F(SaveTest, FailedCheckSavesNothing) {
    const QString path = previousFile(QStringLiteral("f.ptf"));
    model.keepTypedText(EditField::DampEdt, QStringLiteral("99"));
    const SaveOutcome o = DiskSave(model, path, ui);
    EXPECT_FALSE(o.saved);
    EXPECT_EQ(o.check.focus, EditField::DampEdt);
    EXPECT_EQ(ui.last(),
              QStringLiteral("Value of damping is out of the range: < 0.5 ; 65.0 > sec."));
    EXPECT_EQ(readAll(path), QByteArray("the previous file"));
    EXPECT_TRUE(model.unsavedChanges());
}

TEST_F(SaveTest, OverwriteOnlyWhenConfirmed) {
    const QString path = previousFile(QStringLiteral("o.ptf"));
    ui.answers = {false};
    EXPECT_FALSE(DiskSave(model, path, ui).saved);
    EXPECT_EQ(
        ui.texts().mid(0, 2),
        (QStringList{
            QStringLiteral("File: '%1' already exists, do you want to overwrite it?").arg(path),
            QStringLiteral("Configuration was not saved, cancelled by user.")}));
    EXPECT_EQ(readAll(path), QByteArray("the previous file"));
    ui.answers = {true};
    EXPECT_TRUE(DiskSave(model, path, ui).saved);
    EXPECT_EQ(readAll(path).size(), 679);
}

TEST_F(SaveTest, PathThatIsADirectory) {
    const QString path = dir.filePath(QStringLiteral("folder.ptf"));
    ASSERT_TRUE(QDir().mkdir(path));
    previousFile(QStringLiteral("folder.ptf/inside"));
    ui.defaultAnswer = true;
    EXPECT_FALSE(DiskSave(model, path, ui).saved);
    // The program's words, then the system's reason.
    EXPECT_TRUE(ui.last().startsWith(
        QStringLiteral("Configuration was not saved, cannot open file: '%1'. ").arg(path)))
        << ui.last().toStdString();
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(readAll(path + QStringLiteral("/inside")), QByteArray("the previous file"));
}

// The directory cannot be written: the previous file must survive unchanged.
// As the superuser ignores permissions, the save then runs in a child process
// that has given them up.
TEST_F(SaveTest, ReadOnlyDirectoryKeepsThePreviousFile) {
    // Only the directory itself refuses: the way to it and the file are open
    // to everyone, so a writer that wrote into the file in place would succeed.
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther);
    const QString sub = dir.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(sub));
    const QString path = previousFile(QStringLiteral("ro/keep.ptf"));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadOther | QFileDevice::WriteOther);
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                   QFileDevice::ReadOther | QFileDevice::ExeOther);
    ui.defaultAnswer = true;
    bool saved = false;
    QString lastMessage;
    if (geteuid() == 0) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
            const bool ok = DiskSave(model, path, ui).saved;
            const bool told = ui.last().startsWith(
                QStringLiteral("Configuration was not saved, cannot open file: '%1'. ").arg(path));
            _exit(ok ? 1 : told ? 0 : 2);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    } else {
        saved = DiskSave(model, path, ui).saved;
        lastMessage = ui.last();
        EXPECT_FALSE(saved);
        EXPECT_EQ(lastMessage,
                  QStringLiteral("Configuration was not saved, cannot open file: '%1'.").arg(path));
    }
    QFile::setPermissions(sub,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readAll(path), QByteArray("the previous file"));
    EXPECT_EQ(QDir(sub).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.ptf"});
}

}  // namespace
}  // namespace lmk17
