// The one save routine and the writers built on it, on a full disk (a file
// size cap of zero for this process), into a missing folder and over a
// folder: the old file stays byte-identical and the system's reason comes back.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>

#include "common/ini_file.h"
#include "common/safe_save.h"
#include "config/defaults.h"
#include "files/ptf_writer.h"
#include "linearization/lin_file.h"
#include "monitoring/monitor_csv.h"
#include "monitoring/monitor_graph.h"
#include "support/scripted_interaction.h"

namespace lmk17 {
namespace {

// Files of this process may not grow past zero bytes while it lives, as on
// a full disk; the write fails with EFBIG instead of raising SIGXFSZ.
class FullDiskScope {
public:
    FullDiskScope() {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = saved_;
        none.rlim_cur = 0;
        active_ = setrlimit(RLIMIT_FSIZE, &none) == 0;
    }
    ~FullDiskScope() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    bool active() const { return active_; }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
    bool active_ = false;
};

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Each writer returns its message or reason; empty means it reported success.
struct Writer {
    const char* name;
    std::function<QString(const QString& path)> save;
};

const Writer kWriters[] = {
    {"Bytes",
     [](const QString& path) { return SaveFileSafely(path, QByteArray(5000, 'x')).reason; }},
    {"SmallBytes", [](const QString& path) { return SaveFileSafely(path, "tiny").reason; }},
    {"Streamed",
     [](const QString& path) {
         return SaveFileSafely(path,
                               [](QIODevice& d) {
                                   for (int i = 0; i < 100; ++i) d.write(QByteArray(100, 'y'));
                                   return true;
                               })
             .reason;
     }},
    {"Settings",
     [](const QString& path) {
         IniFile ini;
         ini.setValue(QStringLiteral("SerialPort"), QStringLiteral("Com"), QStringLiteral("3"));
         QString error;
         return ini.save(path, &error) ? QString() : error;
     }},
    {"Configuration",
     [](const QString& path) {
         TransmitterConfig c;
         SetDefaultConfiguration(c, 28, 0, 14);
         return WritePtfFile(path, c);
     }},
    {"Linearization",
     [](const QString& path) {
         test::ScriptedInteraction ui;
         ui.defaultAnswer = true;
         LinData d;
         const LinFileResult r = Lin2File(d, 1, path, ui);
         return r.ok ? QString() : r.message;
     }},
    {"GraphPoints",
     [](const QString& path) {
         MonitorGraphModel graph;
         graph.setSeries(0, 12345, 1, 0, 100);
         QString error;
         return WriteMonGraphCsv(path, graph, MonCsvStyle::Comma(), &error) ? QString() : error;
     }},
};

class SafeSave : public ::testing::TestWithParam<Writer> {
protected:
    QTemporaryDir dir;
    const QByteArray old = QByteArray("the previous copy\r\n").repeated(50);

    QString oldFile(const char* name) {
        const QString path = dir.filePath(QLatin1String(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
        return path;
    }
    QStringList leftovers() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

TEST_P(SafeSave, FullDiskKeepsTheOldFileAndGivesTheReason) {
    const QString path = oldFile("target.dat");
    QString result;
    {
        FullDiskScope full;
        ASSERT_TRUE(full.active());
        result = GetParam().save(path);
    }
    EXPECT_TRUE(result.contains(QString::fromLocal8Bit(std::strerror(EFBIG))))
        << result.toStdString();
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(leftovers(), QStringList{QStringLiteral("target.dat")});
}

TEST_P(SafeSave, MissingFolderAndFolderInTheWayFail) {
    const QString missing = dir.filePath(QStringLiteral("no such folder/target.dat"));
    EXPECT_TRUE(GetParam().save(missing).contains(QString::fromLocal8Bit(std::strerror(ENOENT))));
    EXPECT_FALSE(QFile::exists(missing));

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString folder = dir.filePath(QStringLiteral("folder"));
    EXPECT_FALSE(GetParam().save(folder).isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

// Saving onto /dev/full once replaced the device node with a regular file.
TEST_P(SafeSave, NeverPutsAFileInPlaceOfADeviceOrPipe) {
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_TRUE(GetParam().save(pipe).contains(QStringLiteral("Not a regular file")));
    EXPECT_FALSE(QFileInfo(pipe).isFile());

    // A link to a file is saved through: the file changes, the link stays.
    const QString path = oldFile("target.dat");
    const QString link = dir.filePath(QStringLiteral("link.dat"));
    ASSERT_TRUE(QFile::link(path, link));
    EXPECT_EQ(GetParam().save(link), QString());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_NE(ReadAll(path), old);
}

TEST_P(SafeSave, ReplacesTheOldFileWhenAllIsWell) {
    const QString path = oldFile("target.dat");
    EXPECT_EQ(GetParam().save(path), QString());
    EXPECT_NE(ReadAll(path), old);
    EXPECT_EQ(leftovers(), QStringList{QStringLiteral("target.dat")});
}

INSTANTIATE_TEST_SUITE_P(Writers, SafeSave, ::testing::ValuesIn(kWriters),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SafeSaveRoutine, WriterThatGivesUpLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.pdf"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("old") == 3);
    f.close();
    const SafeSaveResult r = SaveFileSafely(path, [](QIODevice& d) {
        d.write("half");
        return false;
    });
    EXPECT_EQ(r.status, SafeSaveResult::Status::WriterFailed);
    EXPECT_EQ(ReadAll(path), QByteArray("old"));
}

TEST(SafeSaveRoutine, AppendReportsEveryRefusedWrite) {
    QTemporaryDir dir;
    QFile log(dir.filePath(QStringLiteral("run.log")));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    EXPECT_EQ(AppendChecked(log, "first line\r\n"), QString());
    {
        FullDiskScope full;
        ASSERT_TRUE(full.active());
        EXPECT_EQ(AppendChecked(log, "second line\r\n"),
                  QString::fromLocal8Bit(std::strerror(EFBIG)));
        EXPECT_FALSE(AppendChecked(log, "third line\r\n").isEmpty());
    }
    EXPECT_EQ(AppendChecked(log, "fourth line\r\n"), QString());
    log.close();
    EXPECT_EQ(ReadAll(log.fileName()), QByteArray("first line\r\nfourth line\r\n"));
}

}  // namespace
}  // namespace lmk17
