#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "config/catalogue.h"
#include "config/defaults.h"
#include "files/ptf_writer.h"

using namespace lmk17;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(PtfWriter, WritesTheImageAndKeepsTheOldFileOnFailure) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ptf"));
    TransmitterConfig c;
    ASSERT_TRUE(SetDefaultConfiguration(c, 1, 0, FindFirmware(191)));
    EXPECT_TRUE(WritePtfFile(path, c).isEmpty());
    const QByteArray bytes = readAll(path);
    ASSERT_EQ(bytes.size(), 679);
    EXPECT_EQ(bytes.left(10), QByteArray("\x09PT-FILE04"));
    EXPECT_EQ(bytes, c.ToImage());

    const QString bad = dir.filePath(QStringLiteral("missing/b.ptf"));
    // The program's words, then the system's reason.
    EXPECT_TRUE(WritePtfFile(bad, c).startsWith(
        QStringLiteral("Configuration was not saved, cannot open file: '%1'. ").arg(bad)));
    // A directory in the file's place cannot be replaced: the old one stays.
    const QString taken = dir.filePath(QStringLiteral("taken.ptf"));
    ASSERT_TRUE(QDir().mkdir(taken));
    EXPECT_FALSE(WritePtfFile(taken, c).isEmpty());
    EXPECT_TRUE(QFileInfo(taken).isDir());
}
