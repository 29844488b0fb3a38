#include <gtest/gtest.h>

#include "config/cjc_sensor.h"
#include "monitoring/live_sim_rig.h"
#include "operations/cj_temperature.h"

namespace lmk17 {
namespace {

using test::LiveSimRig;
using test::Profile;

const QString kErrorSeen = QStringLiteral(
    "Attention, the transmitter was during reading in an error state which may cause incorrect "
    "value of cold junction temperature!");
const QString kNotThermocouple = QStringLiteral(
    "Cold junction temperature cannot be read; the connected transmitter is not configured for "
    "thermocouple measuring.");

struct CjCase {
    const char* name;
    const char* type;
    int fw;
    int rangeCode;
    int deviceErrors;
    const char* text;
    int rounds;  // reads of 210, 211, 213 each
    bool warned;
};

class LiveCj : public ::testing::TestWithParam<CjCase> {};

// The simulator reports its cold junction the way its type does (flag B: the
// sensor alone; otherwise together with the compensation branch in 211):
// only the matching formula gives the temperature back.
TEST_P(LiveCj, MeasuredColdJunction) {
    const CjCase& c = GetParam();
    sim::TransmitterProfile profile = Profile(c.type, c.fw, c.rangeCode);
    profile.cjTemperature = 31.4;
    profile.deviceErrors = c.deviceErrors;
    LiveSimRig rig({profile});
    ASSERT_TRUE(rig.started);
    ASSERT_TRUE(rig.readConfiguration());
    rig.taken.clear();
    rig.ui.shown.clear();
    rig.ui.progress.clear();
    rig.live.startCjReading();
    ASSERT_TRUE(rig.waitIdle());
    EXPECT_EQ(rig.live.page().cjText, QString::fromUtf8(c.text));
    EXPECT_EQ(rig.readsOf(112), 1);
    EXPECT_EQ(rig.readsOf(210), c.rounds);
    EXPECT_EQ(rig.readsOf(211), c.rounds);
    EXPECT_EQ(rig.readsOf(213), c.rounds);
    EXPECT_EQ(rig.ui.texts().contains(kErrorSeen), c.warned);
    if (c.rounds) {
        EXPECT_EQ(rig.ui.progressCaption,
                  QStringLiteral(" Reading CJ Temperature from Transmitter"));
        EXPECT_EQ(rig.ui.progressMaximum, 15);
        EXPECT_EQ(rig.ui.progress.back(), 15);
    } else {
        EXPECT_EQ(rig.ui.last(), kNotThermocouple);
        EXPECT_EQ(rig.taken.size(), 6u);  // identification (5) and parameter 112, nothing more
    }
    EXPECT_FALSE(rig.ui.progressOpen);
    EXPECT_TRUE(rig.engine.commandsEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Types, LiveCj,
    ::testing::Values(CjCase{"flagB", "K8410H10", 191, 51, 0, "31.4 °C", 5, false},
                      CjCase{"noFlagB", "K8620H11", 191, 51, 0, "31.4 °C", 5, false},
                      // 1.60 numbers the connections from 0: 6 is the measured junction.
                      CjCase{"flagB_fw160", "K8410H10", 160, 51, 0, "31.4 °C", 5, false},
                      CjCase{"errorSeen", "K8620H11", 191, 51, 0x02, "31.4 °C", 5, true},
                      // A resistance range: no cold junction, no further request.
                      CjCase{"notThermocouple", "K8410H10", 191, 11, 0, "°C", 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LiveCjConstant, ShowsParameter72) {
    for (const int fw : {160, 191}) {
        LiveSimRig rig({Profile("K8410H10", fw, 51)});
        ASSERT_TRUE(rig.started);
        // The constant cold junction (connection code 6; 5 on 1.60) at 18.5 °C.
        rig.transmitter().memory().integers[112] = fw < 170 ? 5 : 6;
        rig.transmitter().memory().reals[72] = CjcCelsiusToOhm(18.5);
        ASSERT_TRUE(rig.readConfiguration());
        rig.taken.clear();
        rig.live.startCjReading();
        ASSERT_TRUE(rig.waitIdle());
        EXPECT_EQ(rig.live.page().cjText, QString::fromUtf8("18.5 °C - constant")) << fw;
        EXPECT_EQ(rig.readsOf(72), 1);
        EXPECT_EQ(rig.readsOf(210), 0);
    }
}

TEST(LiveCjTexts, Formulas) {
    const double r = CjcCelsiusToOhm(20.0);
    EXPECT_EQ(CjMeasuredText(5 * r, 0, 5, true), QString::fromUtf8("20.0 °C"));
    EXPECT_EQ(CjMeasuredText(5 * r + 10, 10, 5, false), QString::fromUtf8("20.0 °C"));
    EXPECT_EQ(CjMeasuredText(1, 1, 0, false), QString::fromUtf8("°C"));  // no reference sum
    EXPECT_EQ(CjConstantText(CjcCelsiusToOhm(-5.0)), QString::fromUtf8("-5.0 °C - constant"));
}

struct WorkingTimeCase {
    int fw;
    std::int64_t seconds;
    const char* text;
};

TEST(LiveWorkingTime, TenSecondUnitsBelow170) {
    const WorkingTimeCase cases[] = {{160, 86400, "1 day, 0 seconds"},
                                     {170, 86400, "1 day, 0 seconds"},
                                     {191, 90061, "1 day, 1 hour, 1 minute, 1 seconds"}};
    for (const auto& c : cases) {
        sim::TransmitterProfile profile = Profile("K8410H10", c.fw);
        profile.workingTimeS = c.seconds;
        LiveSimRig rig({profile});
        ASSERT_TRUE(rig.started);
        ASSERT_TRUE(rig.readConfiguration());
        std::vector<qint32> got;
        QObject::connect(&rig.live, &LiveReadings::workingTimeDone,
                         [&](qint32 s, const QString&) { got.push_back(s); });
        rig.live.startWorkingTimeReading();
        ASSERT_TRUE(rig.waitIdle());
        ASSERT_EQ(got.size(), 1u);
        // The transmitter's clock runs on while the first request waits for
        // the freshly opened line to be quiet: a second may have passed.
        EXPECT_GE(got[0], c.seconds) << c.fw;
        EXPECT_LE(got[0], c.seconds + (c.fw < 170 ? 0 : 2)) << c.fw;
        EXPECT_EQ(rig.model.config().WorkingTime, got[0]);
        if (got[0] == c.seconds) {
            EXPECT_EQ(rig.live.page().workingTimeText, QString::fromUtf8(c.text)) << c.fw;
        }
    }
}

}  // namespace
}  // namespace lmk17
