// The backups kept before every write: names, order, and which ones pruning
// may delete.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "files/ptf_reader.h"
#include "operations/write_backups.h"

namespace lmk17 {
namespace {

const QDateTime kNow(QDate(2026, 12, 9), QTime(10, 0, 0));

TransmitterConfig Record(qint32 serial, double damping = 1.0) {
    TransmitterConfig c;
    c.Signature = "PT-FILE04";
    c.SerialNumber = serial;
    c.Damping = damping;
    return c;
}

TEST(WriteBackups, SavedUnderTheSerialNumberNeverReplacingOne) {
    QTemporaryDir dir;
    QString error;
    const QString first = SaveBackup(dir.path(), Record(4711, 1.0), kNow, &error);
    const QString second = SaveBackup(dir.path(), Record(4711, 2.0), kNow, &error);
    ASSERT_FALSE(first.isEmpty()) << error.toStdString();
    ASSERT_FALSE(second.isEmpty()) << error.toStdString();
    EXPECT_EQ(first, dir.filePath("00004711/2026-12-09_10-00-00_before-write.ptf"));
    EXPECT_EQ(second, dir.filePath("00004711/2026-12-09_10-00-00-2_before-write.ptf"));
    // Both keep their own record; the later one is listed first.
    EXPECT_EQ(ReadConfigFile(first).config->Damping, 1.0);
    EXPECT_EQ(ReadConfigFile(second).config->Damping, 2.0);
    QFile(dir.filePath("00004711/notes.txt")).open(QIODevice::WriteOnly);
    const std::vector<BackupFile> listed = ListBackups(dir.path(), 4711);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].path, second);
    EXPECT_EQ(listed[1].path, first);
    EXPECT_TRUE(ListBackups(dir.path(), 4712).empty());
}

TEST(WriteBackups, SaveFailsWithAReasonAndLeavesNoFile) {
    QTemporaryDir dir;
    // A file where the transmitter's folder would go.
    QFile blocker(dir.filePath("00004711"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    EXPECT_TRUE(SaveBackup(dir.path(), Record(4711), kNow, &error).isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("00004711"))) << error.toStdString();
    EXPECT_EQ(QFileInfo(blocker.fileName()).size(), 0);
}

TEST(WriteBackups, PruningKeepsTheNewestAndEverythingOfTheLastWeek) {
    struct Case {
        const char* what;
        std::vector<int> daysAgo;  // one backup per entry
        int keep;
        int deleted;
    };
    const Case cases[] = {
        {"fewer than kept", {1, 30}, 5, 0},
        {"old ones beyond the count go", {0, 10, 20, 30}, 2, 2},
        {"a week's backups stay beyond the count", {0, 1, 2, 3, 6}, 2, 0},
        {"only the old ones beyond the count go", {0, 1, 2, 8, 9}, 2, 2},
        {"one taken exactly a week ago stays", {0, 7, 8}, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        QString error;
        for (int days : c.daysAgo)
            ASSERT_FALSE(SaveBackup(dir.path(), Record(7), kNow.addDays(-days), &error).isEmpty());
        EXPECT_EQ(PruneBackups(dir.path(), 7, c.keep, kNow), c.deleted);
        const std::vector<BackupFile> left = ListBackups(dir.path(), 7);
        ASSERT_EQ(int(left.size()), int(c.daysAgo.size()) - c.deleted);
        // What is left is always the newest ones.
        for (size_t i = 0; i < left.size(); ++i)
            EXPECT_EQ(left[i].taken, kNow.addDays(-c.daysAgo[i]));
    }
}

}  // namespace
}  // namespace lmk17
