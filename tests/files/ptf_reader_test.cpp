#include <gtest/gtest.h>

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/ptf_reader.h"
#include "ptf_bytes.h"
#include "support/builders.h"
#include "support/qt_printers.h"

namespace lmk17 {
namespace {

using namespace test;

// What a version lacks takes its default.
TransmitterConfig withoutMissingFields(TransmitterConfig c, PtfLayout layout) {
    if (layout != PtfLayout::V04) c.FilterFlags = 0;
    if (layout == PtfLayout::V03 || layout == PtfLayout::V04) return c;
    c.LeadResistance2 = 0.0;
    c.ErrorHigh = c.ErrorLow = c.SaturationHigh = c.SaturationLow = 0.0;
    c.OutputGain = 1.0;
    c.OutputOffset = 0.0;
    if (layout == PtfLayout::V2B) return c;
    c.SaturationCodes = c.ErrorCodes = 0;
    c.OutputCodePoly = {};
    return c;
}

struct Version {
    const FileLayout* layout;
    PtfLayout expected;
    const char* signature;
};
const Version kVersions[] = {
    {&kV2Aligned4, PtfLayout::V2Aligned4, "PT-FILE2A"},
    {&kV2Aligned8, PtfLayout::V2Aligned8, "PT-FILE2A"},
    {&kV2B, PtfLayout::V2B, "PT-FILE2B"},
    {&kV03, PtfLayout::V03, "PT-FILE03"},
    {&kV04, PtfLayout::V04, "PT-FILE04"},
};

TEST(PtfReader, EveryVersionReadsEveryField) {
    for (const Version& v : kVersions) {
        SCOPED_TRACE(v.layout->size);
        const TransmitterConfig written = DistinctRecord(v.signature);
        const QByteArray file = WriteLayout(*v.layout, written);
        ASSERT_EQ(file.size(), v.layout->size);
        const PtfReadResult r = ParsePtf(file, QStringLiteral("x.ptf"));
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        EXPECT_EQ(r.layout, v.expected);
        EXPECT_EQ(*r.config, withoutMissingFields(written, v.expected));
    }
}

TEST(PtfReader, FirstVersionIsConverted) {
    for (const FileLayout* layout : {&kV2Aligned4, &kV2Aligned8}) {
        SCOPED_TRACE(layout->size);
        TransmitterConfig written = DistinctRecord("PT-FILE2");
        written.ConnectionCode = 4;
        written.WorkingTime = 360;
        const PtfReadResult r = ParsePtf(WriteLayout(*layout, written), QStringLiteral("a.ptf"));
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r.config->ConnectionCode, 3);
        EXPECT_EQ(r.config->WorkingTime, 3600);
        EXPECT_EQ(r.config->Signature, QByteArray("PT-FILE2A"));
    }
    // A working time beyond what the counter holds stays at its largest value.
    TransmitterConfig written = DistinctRecord("pt-file2");
    written.WorkingTime = 300000000;
    const PtfReadResult r = ParsePtf(WriteLayout(kV2Aligned4, written), QStringLiteral("a.ptf"));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.config->WorkingTime, 2147483647);
}

TEST(PtfReader, SignatureMustFitTheSize) {
    const char* signatures[] = {"PT-FILE2",  "PT-FILE2A", "PT-FILE2B", "PT-FILE03", "PT-FILE04",
                                "pt-file04", "Pt-File2a", "pt-file2b", "PT-FILE05", ""};
    for (const Version& v : kVersions) {
        for (const char* signature : signatures) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(v.layout->size).arg(signature).toStdString());
            const QByteArray upper = QByteArray(signature).toUpper();
            bool fits = false;
            switch (v.expected) {
                case PtfLayout::V2Aligned4:
                case PtfLayout::V2Aligned8:
                    fits = upper == "PT-FILE2" || upper == "PT-FILE2A";
                    break;
                case PtfLayout::V2B:
                    fits = upper == "PT-FILE2B";
                    break;
                case PtfLayout::V03:
                    fits = upper == "PT-FILE03";
                    break;
                case PtfLayout::V04:
                    fits = upper == "PT-FILE04";
                    break;
            }
            const PtfReadResult r = ParsePtf(WriteLayout(*v.layout, DistinctRecord(signature)),
                                             QStringLiteral("s.ptf"));
            EXPECT_EQ(r.ok(), fits);
            if (!fits) {
                EXPECT_EQ(r.error,
                          QStringLiteral("Wrong file format or file: 's.ptf' is damaged!"));
            }
        }
    }
}

TEST(PtfReader, OtherSizesAreRefusedWhateverTheContent) {
    const QByteArray good = WriteLayout(kV04, DistinctRecord("PT-FILE04"));
    for (int size : {0, 1, 11, 587, 589, 599, 601, 621, 623, 677, 680, 4096}) {
        SCOPED_TRACE(size);
        QByteArray content = good.left(size);
        if (content.size() < size) content.append(QByteArray(size - content.size(), '\0'));
        const PtfReadResult r = ParsePtf(content, QStringLiteral("big.ptf"));
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.error, QStringLiteral("Wrong file format or file: 'big.ptf' is damaged!"));
    }
}

// A length byte larger than its field cannot make the reader run past it.
TEST(PtfReader, OverlongTextLengthsAreCut) {
    FileBytes b(679, 'A');
    b.text(0, "PT-FILE04");
    for (int offset : {454, 487, 520, 553}) b.u8(offset, 255);
    const PtfReadResult r = ParsePtf(b.bytes(), QStringLiteral("t.ptf"));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.config->UserNote, QByteArray(32, 'A'));
    b.u8(0, 200);  // the signature's length byte
    EXPECT_FALSE(ParsePtf(b.bytes(), QStringLiteral("t.ptf")).ok());
}

TEST(PtfReader, ReadsAFileAndNamesItWhenMissingOrDamaged) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("missing.ptf"));
    EXPECT_EQ(ReadConfigFile(missing).error,
              QStringLiteral("Configuration was not loaded, file: '%1' not found.").arg(missing));
    EXPECT_EQ(ReadConfigFile(dir.path()).error,
              QStringLiteral("Configuration was not loaded, '%1' is a folder.").arg(dir.path()));

    const QString path = dir.filePath(QStringLiteral("old.ptf"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const TransmitterConfig written = DistinctRecord("PT-FILE2B");
    f.write(WriteLayout(kV2B, written));
    f.close();
    const PtfReadResult r = ReadConfigFile(path);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(*r.config, withoutMissingFields(written, PtfLayout::V2B));

    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("x");  // 623 bytes
    f.close();
    EXPECT_EQ(ReadConfigFile(path).error,
              QStringLiteral("Wrong file format or file: '%1' is damaged!").arg(path));
}

// A file that cannot be read says why: missing, a folder, refused by the
// system. None of them is "damaged".
TEST(PtfReaderFile, UnreadableFilesSayWhy) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("folder.ptf"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString locked = dir.filePath(QStringLiteral("locked.ptf"));
    {
        QFile f(locked);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(679, '\0'));
        f.setPermissions(QFileDevice::WriteOwner);
    }
    const bool root = ::geteuid() == 0;  // root reads any file
    const struct {
        QString path;
        const char* says;
        bool skip;
    } cases[] = {
        {dir.filePath(QStringLiteral("none.ptf")), "not found", false},
        {folder, "is a folder", false},
        {locked, "Permission denied", root},
    };
    for (const auto& c : cases) {
        if (c.skip) continue;
        const PtfReadResult r = ReadConfigFile(c.path);
        EXPECT_FALSE(r.ok());
        EXPECT_TRUE(r.error.contains(QLatin1String(c.says))) << r.error.toStdString();
        EXPECT_FALSE(r.error.contains(QLatin1String("damaged"))) << r.error.toStdString();
    }
}

}  // namespace
}  // namespace lmk17
