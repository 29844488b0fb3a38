#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "config/catalogue.h"
#include "config/defaults.h"
#include "config/output_limits.h"
#include "files/config_load.h"
#include "ptf_bytes.h"
#include "support/builders.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"

namespace lmk17 {
namespace {

constexpr int kK8410H10 = 1;
constexpr int kK8620L20 = 28;
constexpr int kFw185 = 12;
constexpr int kFw191 = 14;

TransmitterConfig defaultsFor(int type, int fw, const char* typeText, qint32 serial) {
    TransmitterConfig c = test::DefaultConfig(type, fw, typeText);
    c.SerialNumber = serial;
    return c;
}

class LoadTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    test::ScriptedInteraction ui;
    ConfigModel model{ui};

    // The model holds a configuration of its own before each load.
    void SetUp() override {
        model.setConfig(defaultsFor(kK8410H10, kFw191, "K8410H10, FW 1.91", 777));
        model.edit().identity().identificationText = "K8410H10, FW 1.91";
        model.edit().identity().typeIndex = kK8410H10;
        model.edit().identity().firmwareIndex = kFw191;
        model.edit().identity().rangeIndex = FindRange(11);
        model.edit().identity().serialNumber = 777;
        model.RefreshFromConfig();
        ui.shown.clear();
    }

    QString write(const QString& name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }

    void expectUnchanged(const TransmitterConfig& before, const ConfigIdentity& identity) {
        EXPECT_EQ(model.config(), before);
        EXPECT_EQ(model.identity().typeIndex, identity.typeIndex);
        EXPECT_EQ(model.identity().serialNumber, identity.serialNumber);
        EXPECT_EQ(model.identity().identificationText, identity.identificationText);
    }
};

TEST_F(LoadTest, LoadTakesOverIdentificationAndRecord) {
    const TransmitterConfig file = defaultsFor(kK8620L20, kFw191, "K8620L20, FW 1.91", 12345);
    const TransmitterConfig before = model.config();
    model.setUnsavedChanges(true);
    const LoadOutcome o = DiskLoadPom(model, write("a.ptf", file.ToImage()), false, ui);
    ASSERT_TRUE(o.loaded);
    EXPECT_FALSE(o.corrupt);
    EXPECT_EQ(model.config(), file);
    EXPECT_EQ(model.identity().typeIndex, kK8620L20);
    EXPECT_EQ(model.identity().firmwareIndex, kFw191);
    EXPECT_EQ(model.identity().rangeIndex, FindRange(11));
    EXPECT_EQ(model.identity().serialNumber, 12345);
    EXPECT_EQ(model.origin(), ConfigOrigin::File);
    EXPECT_FALSE(model.unsavedChanges());
    EXPECT_TRUE(o.setup.inputFilter);
    EXPECT_EQ(ui.texts(),
              QStringList{QStringLiteral("Configuration was read without any errors.")});
    // Undo after a load brings back what was shown before it.
    ASSERT_EQ(model.undoCount(), 1);
    ASSERT_TRUE(model.PopUndo());
    EXPECT_EQ(model.config(), before);
}

TEST_F(LoadTest, SilentLoadTakesNoUndoCopyAndSaysNothing) {
    const TransmitterConfig file = defaultsFor(kK8620L20, kFw191, "K8620L20, FW 1.91", 1);
    ASSERT_TRUE(DiskLoadPom(model, write("s.ptf", file.ToImage()), true, ui).loaded);
    EXPECT_EQ(model.undoCount(), 0);
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(LoadTest, RefusedFilesLeaveEverythingAsItWas) {
    struct Case {
        const char* name;
        QByteArray (*content)();
        const char* message;  // %1 = the path
    } cases[] = {
        {"unknown range",
         [] {
             TransmitterConfig c = defaultsFor(kK8620L20, kFw191, "K8620L20, FW 1.91", 5);
             c.InputRangeCode = 8;
             return c.ToImage();
         },
         "Configuration was not loaded, file is damaged or wrong type."},
        {"unknown type",
         [] { return defaultsFor(kK8620L20, kFw191, "K9999, FW 1.91", 5).ToImage(); },
         "Configuration was not loaded, file is damaged or wrong type."},
        {"unsupported firmware",
         [] { return defaultsFor(kK8620L20, kFw191, "K8620L20, FW 1.75", 5).ToImage(); },
         "Configuration was not loaded, file is damaged or wrong type."},
        {"680 bytes",
         [] {
             return defaultsFor(kK8620L20, kFw191, "K8620L20, FW 1.91", 5).ToImage() +
                    QByteArray(1, '\0');
         },
         "Wrong file format or file: '%1' is damaged!"},
        {"signature of another version",
         [] {
             TransmitterConfig c = defaultsFor(kK8620L20, kFw191, "K8620L20, FW 1.91", 5);
             c.Signature = "PT-FILE03";
             return c.ToImage();
         },
         "Wrong file format or file: '%1' is damaged!"},
    };
    for (const Case& c : cases) {
        for (bool silent : {false, true}) {
            SCOPED_TRACE(c.name);
            ui.shown.clear();
            const TransmitterConfig before = model.config();
            const ConfigIdentity identity = model.identity();
            const QString path = write(QStringLiteral("r.ptf"), c.content());
            EXPECT_FALSE(DiskLoadPom(model, path, silent, ui).loaded);
            expectUnchanged(before, identity);
            EXPECT_EQ(model.undoCount(), 0);
            ASSERT_EQ(ui.shown.size(), 1u);
            EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
            EXPECT_EQ(ui.shown[0].text, QString::fromLatin1(c.message).arg(path));
        }
    }
}

// A file whose record fails the adoption gets the defaults of its type, and
// the load does not claim success on top of the corrupt-record message.
TEST_F(LoadTest, CorruptRecordIsReplacedByTheDefaults) {
    TransmitterConfig file = defaultsFor(kK8620L20, kFw191, "K8620L20, FW 1.91", 9);
    file.Damping = 0.0;
    const LoadOutcome o = DiskLoadPom(model, write("c.ptf", file.ToImage()), false, ui);
    EXPECT_TRUE(o.loaded);
    EXPECT_TRUE(o.corrupt);
    EXPECT_EQ(model.config().Damping, 4.0);
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral(
                              "Transmitter configuration corrupt. Last writing probably "
                              "not successful. Default configuration will be pre-set!")});
}

// A file is adopted as a read record is: what the adoption mends stays an
// unsaved change with the mend's origin, and the linearization editor's
// tables are cleared (as after a range change and the defaults).
TEST_F(LoadTest, LoadingBehavesAsReading) {
    struct Case {
        const char* name;
        void (*spoil)(TransmitterConfig&);
        bool unsaved;
        ConfigOrigin origin;
    };
    const Case cases[] = {
        {"sound", [](TransmitterConfig&) {}, false, ConfigOrigin::File},
        {"tables of another range", [](TransmitterConfig& c) { ApplyStandardTables(c, 52); }, true,
         ConfigOrigin::File},
        {"corrupt", [](TransmitterConfig& c) { c.Damping = 0.0; }, true, ConfigOrigin::Default},
    };
    int cleared = 0;
    QObject::connect(&model, &ConfigModel::linearizationTablesCleared, [&] { ++cleared; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TransmitterConfig file = defaultsFor(kK8620L20, kFw191, "K8620L20, FW 1.91", 9);
        c.spoil(file);
        model.setUnsavedChanges(false);
        cleared = 0;
        ASSERT_TRUE(DiskLoadPom(model, write("m.ptf", file.ToImage()), true, ui).loaded);
        EXPECT_EQ(model.unsavedChanges(), c.unsaved);
        EXPECT_EQ(model.origin(), c.origin);
        EXPECT_FALSE(model.hasUserChanges());  // the mend is none of the user's
        EXPECT_EQ(cleared, 1);
    }
    cleared = 0;
    ASSERT_TRUE(model.SelectRange(FindRange(12)));
    EXPECT_EQ(cleared, 1);
    EXPECT_TRUE(model.hasUserChanges());
    ui.answers = {true};
    ASSERT_TRUE(model.setDefaultConfigurationCommand());
    EXPECT_EQ(cleared, 2);
}

TEST_F(LoadTest, FirstVersionFileForFirmware185GetsTheDefaultLimits) {
    TransmitterConfig record = defaultsFor(kK8620L20, kFw185, "K8620L20, FW 1.85", 3);
    record.Signature = "PT-FILE2";
    record.ConnectionCode = 4;  // counted from 0 in the first version: C3
    record.WorkingTime = 360;
    ASSERT_TRUE(
        DiskLoadPom(model, write("v2.ptf", test::WriteLayout(test::kV2Aligned4, record)), false, ui)
            .loaded);
    const TransmitterConfig& c = model.config();
    EXPECT_EQ(c.Signature, QByteArray("PT-FILE2A"));
    EXPECT_EQ(c.ConnectionCode, 3);
    EXPECT_EQ(c.WorkingTime, 3600);
    EXPECT_DOUBLE_EQ(c.SaturationLow, -0.0125);
    EXPECT_DOUBLE_EQ(c.SaturationHigh, 1.03125);
    EXPECT_DOUBLE_EQ(c.ErrorLow, -0.03125);
    EXPECT_DOUBLE_EQ(c.ErrorHigh, 1.125);
}

TEST_F(LoadTest, VersionTwoBFileForFirmware185DecodesItsOutputCodes) {
    TransmitterConfig record = defaultsFor(kK8620L20, kFw185, "K8620L20, FW 1.85", 3);
    record.Signature = "PT-FILE2B";
    record.OutputCodePoly = {5000.0, 40000.0, 0.0, 0.0};  // code = 5000 + 40000 x
    record.SaturationCodes = (45000u << 16) | 5000u;      // x = 1.0 and 0.0
    record.ErrorCodes = (49000u << 16) | 4200u;           // x = 1.1 and -0.02
    ASSERT_TRUE(
        DiskLoadPom(model, write("2b.ptf", test::WriteLayout(test::kV2B, record)), false, ui)
            .loaded);
    const TransmitterConfig& c = model.config();
    EXPECT_NEAR(c.SaturationLow, 0.0, 1e-9);
    EXPECT_NEAR(c.SaturationHigh, 1.0, 1e-9);
    EXPECT_NEAR(c.ErrorLow, -0.02, 1e-9);
    EXPECT_NEAR(c.ErrorHigh, 1.1, 1e-9);
    EXPECT_EQ(c.OutputGain, 1.0);
    EXPECT_EQ(c.LeadResistance2, 0.0);
    EXPECT_EQ(c.FilterFlags, 0);
}

TEST_F(LoadTest, LoadCommandAsksAboutUnsavedChanges) {
    const QString path =
        write("q.ptf", defaultsFor(kK8620L20, kFw191, "K8620L20, FW 1.91", 2).ToImage());
    const TransmitterConfig before = model.config();
    model.setUnsavedChanges(true);
    ui.answers = {false};
    EXPECT_FALSE(DiskLoadCommand(model, path, ui).loaded);
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Changes were not saved. Continue?")});
    EXPECT_EQ(model.config(), before);
    ui.answers = {true};
    EXPECT_TRUE(DiskLoadCommand(model, path, ui).loaded);
    ui.shown.clear();
    EXPECT_FALSE(DiskLoadCommand(model, QString(), ui).loaded);
    EXPECT_EQ(ui.last(), QStringLiteral("Configuration was not loaded, cancelled by user."));
}

}  // namespace
}  // namespace lmk17
