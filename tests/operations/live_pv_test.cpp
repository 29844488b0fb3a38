#include <gtest/gtest.h>

#include "monitoring/live_sim_rig.h"
#include "operations/pv_reading_values.h"

namespace lmk17 {
namespace {

using test::LiveSimRig;
using test::Profile;

struct PvCase {
    const char* name;
    int fw;
    double pv;         // NaN: mid-range
    int deviceErrors;  // bits of parameter 215
    const char* pvText;
    const char* outputText;
    int gauge;
    QStringList errorLines;
    int reads30;  // parameter 30 is read from 1.90 on
};

class LivePvReading : public ::testing::TestWithParam<PvCase> {};

TEST_P(LivePvReading, ShowsWhatTheTransmitterReports) {
    const PvCase& c = GetParam();
    sim::TransmitterProfile profile = Profile("K8410H10", c.fw);
    if (!std::isnan(c.pv)) {
        profile.pv.kind = sim::PvSource::Constant;
        profile.pv.a = c.pv;
    }
    profile.deviceErrors = c.deviceErrors;
    LiveSimRig rig({profile});
    ASSERT_TRUE(rig.started);
    ASSERT_TRUE(rig.readConfiguration());
    std::vector<PvReadingResult> got;
    QObject::connect(&rig.live, &LiveReadings::pvReadingDone,
                     [&](const PvReadingResult& r) { got.push_back(r); });
    rig.taken.clear();
    rig.live.readOrStopPv();
    ASSERT_TRUE(rig.waitIdle());
    ASSERT_EQ(got.size(), 1u);
    const LivePageState& page = rig.live.page();
    EXPECT_EQ(page.pvText, QString::fromUtf8(c.pvText));
    EXPECT_EQ(page.outputText, QString::fromUtf8(c.outputText));
    EXPECT_EQ(page.gauge, c.gauge);
    EXPECT_FALSE(page.testModeVisible);
    EXPECT_FALSE(page.exitTestingEnabled);
    EXPECT_EQ(page.errorListVisible, c.deviceErrors != 0);
    EXPECT_EQ(page.errorLines, c.errorLines);
    EXPECT_EQ(rig.readsOf(220), 1);
    EXPECT_EQ(rig.readsOf(0), 1);
    EXPECT_EQ(rig.readsOf(30), c.reads30);
    EXPECT_EQ(rig.readsOf(215), c.deviceErrors ? 1 : 0);
    EXPECT_EQ(page.pvReadCaption, QStringLiteral("Read"));
    EXPECT_TRUE(rig.engine.commandsEnabled());
}

const QStringList kErrors05 = {QStringLiteral(" 1 - Sensor Incorrectly Connected or Faulty"),
                               QStringLiteral(" 3 - EEPROM Error (Write Error)")};
const double kMid = std::nan("");

INSTANTIATE_TEST_SUITE_P(
    Firmware, LivePvReading,
    ::testing::Values(
        PvCase{"fw160", 160, kMid, 0, "325  °C", "12 mA", 50, {}, 0},
        PvCase{"fw185", 185, kMid, 0, "325  °C", "12 mA", 50, {}, 0},
        PvCase{"fw190", 190, kMid, 0, "325  °C", "12 mA", 50, {}, 1},
        // Below 1.81 the output follows the PV up to the bound of the output limits...
        PvCase{"fw160_beyond_range", 160, 2950, 0, "2950  °C", "25 mA", 300, {}, 0},
        // ... from 1.81 it stops at the saturation limit.
        PvCase{"fw185_beyond_range", 185, 2950, 0, "2950  °C", "20.5 mA", 103, {}, 0},
        // A device error shows the error list and the error-state output:
        // below 1.90 the configured error current (upper, damping >= 0) ...
        PvCase{"fw160_device_error", 160, kMid, 0x05, "325  °C", "22 mA", 113, kErrors05, 0},
        // (1.81..1.89 keep the error current as an output code: a hair below 1.125)
        PvCase{"fw185_device_error", 185, kMid, 0x05, "325  °C", "22 mA", 112, kErrors05, 0},
        // ... from 1.90 what the transmitter reports as its output.
        PvCase{"fw190_device_error", 190, kMid, 0x05, "325  °C", "12 mA", 50, kErrors05, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// The output test puts the transmitter in test mode; the PV reading that
// follows shows the test output and offers "Exit Testing".
class LivePvTestMode : public ::testing::TestWithParam<int> {};

TEST_P(LivePvTestMode, ShowsTheTestOutput) {
    LiveSimRig rig({Profile("K8410H10", GetParam())});
    ASSERT_TRUE(rig.started);
    ASSERT_TRUE(rig.readConfiguration());
    rig.live.selectTestValue(0);
    ASSERT_TRUE(rig.live.leaveTestValueEdit(0, QStringLiteral(" 8.000")));
    rig.live.useOrStopOutputTest();
    ASSERT_TRUE(rig.waitIdle());
    const LivePageState& page = rig.live.page();
    EXPECT_TRUE(page.testModeVisible);
    EXPECT_TRUE(page.exitTestingEnabled);
    EXPECT_EQ(page.outputText, QStringLiteral("8 mA"));
    EXPECT_EQ(page.gauge, 25);
    EXPECT_EQ(page.pvText, QString::fromUtf8("325  °C"));

    // A PV reading of its own sees the same.
    rig.live.readOrStopPv();
    ASSERT_TRUE(rig.waitIdle());
    EXPECT_TRUE(page.testModeVisible);
    EXPECT_EQ(page.outputText, QStringLiteral("8 mA"));

    // Interval reading keeps "Exit Testing" off.
    rig.live.setIntervalReading(true);
    rig.live.readOrStopPv();
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return page.pvReadCaption == QStringLiteral("Stop"); }));
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return rig.engine.operation().waitingForSlot(); }));
    EXPECT_TRUE(page.testModeVisible);
    EXPECT_FALSE(page.exitTestingEnabled);
    rig.live.readOrStopPv();  // "Stop"
    EXPECT_TRUE(page.exitTestingEnabled);
    EXPECT_EQ(page.pvReadCaption, QStringLiteral("Read"));
}

INSTANTIATE_TEST_SUITE_P(Firmware, LivePvTestMode, ::testing::Values(160, 185, 190));

TEST(LivePvInterval, RepeatsAtTheEditedPeriod) {
    LiveSimRig rig({Profile("K8410H10", 190)});
    ASSERT_TRUE(rig.started);
    ASSERT_TRUE(rig.readConfiguration());
    int readings = 0;
    QObject::connect(&rig.live, &LiveReadings::pvReadingDone, [&] { ++readings; });
    const LivePageState& page = rig.live.page();
    rig.live.setIntervalReading(true);
    ASSERT_TRUE(rig.live.leavePeriodEdit(QStringLiteral("0,2")));
    rig.live.readOrStopPv();
    EXPECT_EQ(page.periodText, QStringLiteral("  0.2"));
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return readings >= 1; }));
    EXPECT_EQ(page.pvReadCaption, QStringLiteral("Stop"));
    EXPECT_EQ(rig.engine.timedRequest().periodMs, 200);
    QElapsedTimer t;
    t.start();
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return readings >= 6; }));
    // Five more readings, one per 200 ms period.
    EXPECT_GE(t.elapsed(), 800);
    EXPECT_LE(t.elapsed(), 2000);
    // Interval readings skip parameter 220: they resume at the PV.
    EXPECT_EQ(rig.readsOf(220), 1);
    rig.live.readOrStopPv();  // "Stop"
    EXPECT_TRUE(rig.idle() || rig.engine.requestOutstanding());
    EXPECT_FALSE(rig.engine.operation().running());
    EXPECT_TRUE(rig.engine.timedRequest().empty());
    const int after = readings;
    LiveSimRig::spin(500);
    EXPECT_LE(readings, after + 1);  // at most the answer that was under way
}

TEST(LivePvValues, PeriodEditAndTexts) {
    const struct {
        const char* typed;
        const char* shown;
        int ms;
    } periods[] = {{"0,1", "  0.2", 200},  {"1", "  1.0", 1000},    {"2.55", "  2.5", 2550},
                   {"99", " 15.0", 15000}, {"abc", " 15.0", 15000}, {"", "  0.2", 200}};
    for (const auto& p : periods) {
        const PeriodEdit e = NormalisePeriod(QString::fromLatin1(p.typed));
        EXPECT_EQ(e.text, QString::fromLatin1(p.shown)) << p.typed;
        EXPECT_EQ(e.ms(), p.ms) << p.typed;
    }
    TransmitterConfig c;
    c.DisplayFactor = 1;
    c.RangeFlags = 0;
    c.PvUnit = 32;
    // 5 significant digits, two blanks, the unit; never more than 23 characters.
    EXPECT_EQ(PvLabelText(23.456789, c), QString::fromUtf8("23.457  °C"));
    c.PvUnit = 19;  // m3/h
    EXPECT_EQ(PvLabelText(-1.2345678e-300, c), QStringLiteral("-1.2346e-300  m3/h"));
    c.PvUnit = 56;  // uSiemen
    EXPECT_EQ(PvLabelText(-1.2345678e-300, c), QStringLiteral("-1.2346e-300  uSiemen"));
    EXPECT_EQ(GaugePosition(std::nan("")), 0);
    EXPECT_EQ(GaugePosition(1e300), 0);
    EXPECT_EQ(DeviceErrorLines(0x7F).size(), 7);
    EXPECT_EQ(DeviceErrorLines(0x180).size(), 0);
}

}  // namespace
}  // namespace lmk17
