#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "config/catalogue.h"
#include "monitoring/live_sim_rig.h"
#include "operations/output_test_values.h"
#include "operations/pv_reading_values.h"

namespace lmk17 {
namespace {

using test::LiveSimRig;
using test::Profile;

// The values written as parameter 220, as the single-precision wire carries them.
std::vector<float> WrittenValues(const LiveSimRig& rig) {
    std::vector<float> out;
    for (const auto& w : rig.writesOf(220)) out.push_back(float(w.floatValue()));
    return out;
}

TEST(OutputTestValues, EditRulesAndSentValue) {
    const OutputTypeEntry& ma = *OutputTypeAt(1);    // 4..20 mA, k = 1000
    const OutputTypeEntry& volt = *OutputTypeAt(3);  // 0..10 V, k = 1
    const struct {
        const OutputTypeEntry* output;
        const char* typed;
        const char* shown;
    } edits[] = {{&ma, " 12.000", " 12"}, {&ma, "1", nullptr},      {&ma, "30", nullptr},
                 {&ma, "3", " 3"},        {&ma, "25", " 25"},       {&ma, "25.01", nullptr},
                 {&ma, "2.99", nullptr},  {&ma, "4,5", " 4.5"},     {&ma, "-5", " -5"},
                 {&ma, "abc", nullptr},   {&ma, "", nullptr},       {&volt, "12", " 12"},
                 {&volt, "14", nullptr},  {&volt, "-200", " -200"}, {&ma, "12.3456", " 12.35"},
                 {&ma, "1e9", nullptr},   {&ma, "12mA", nullptr}};
    for (const auto& e : edits) {
        const std::optional<QString> shown =
            NormaliseTestValueText(QString::fromLatin1(e.typed), *e.output);
        if (e.shown)
            EXPECT_EQ(shown.value_or(QStringLiteral("refused")), QString::fromLatin1(e.shown))
                << e.typed;
        else
            EXPECT_FALSE(shown.has_value()) << e.typed;
    }

    TransmitterConfig c;  // gain 1, offset 0
    EXPECT_DOUBLE_EQ(TestValueToSend(0.012, 160, c, ma), 12.0);
    EXPECT_DOUBLE_EQ(TestValueToSend(0.012, 185, c, ma), 0.012);
    EXPECT_DOUBLE_EQ(TestValueToSend(0.012, 190, c, ma), 0.5);
    EXPECT_DOUBLE_EQ(TestValueToSend(-200, 160, c, ma), -200.0);
    EXPECT_DOUBLE_EQ(TestValueToSend(-200, 190, c, ma), -200.0);
    c.OutputGain = 0.5;
    c.OutputOffset = 0.25;
    EXPECT_DOUBLE_EQ(TestValueToSend(0.012, 191, c, ma), 0.5);  // (0.5 - 0.25) / 0.5

    // What parameter 220 says about the test mode.
    const struct {
        double value;
        bool sign;
        int fw;
        bool testMode;
        double yt;
    } readings[] = {{12.0, false, 160, true, 0.012},   {-200.0, true, 160, false, 0.003},
                    {-0.0, true, 160, false, 0.003},   {0.012, false, 185, true, 0.012},
                    {200.0, false, 190, false, 0.025}, {0.5, false, 190, true, 0.012},
                    {-127.0, true, 190, true, 0.003}};
    TransmitterConfig plain;
    for (const auto& r : readings) {
        const OutputReading o = InterpretOutputReading(r.value, r.sign, r.fw, plain, ma);
        EXPECT_EQ(o.testMode, r.testMode) << r.value << " fw " << r.fw;
        EXPECT_NEAR(o.yt, r.yt, 1e-12) << r.value << " fw " << r.fw;
    }
}

class OutputTestSingle : public ::testing::TestWithParam<std::pair<int, double>> {};

TEST_P(OutputTestSingle, SendsTheValueTheFirmwareExpects) {
    const auto [fw, expected] = GetParam();
    LiveSimRig rig({Profile("K8410H10", fw)});
    ASSERT_TRUE(rig.started);
    ASSERT_TRUE(rig.readConfiguration());
    rig.live.presetTestValues();
    EXPECT_EQ(rig.live.page().valueTexts[1], QStringLiteral(" 12.000"));
    rig.live.selectTestValue(1);
    rig.taken.clear();
    rig.live.useOrStopOutputTest();
    ASSERT_TRUE(rig.waitIdle());
    EXPECT_EQ(WrittenValues(rig), std::vector<float>{float(expected)});
    EXPECT_TRUE(rig.transmitter().testMode());
    const LivePageState& page = rig.live.page();
    EXPECT_TRUE(page.testModeVisible);
    EXPECT_TRUE(page.exitTestingEnabled);
    EXPECT_EQ(page.outputText, QStringLiteral("12 mA"));
    EXPECT_EQ(page.useCaption, QStringLiteral("Use"));
    // The PV reading after the write: 220, 0 (and 30 from 1.90).
    EXPECT_EQ(rig.readsOf(220), 1);
    EXPECT_EQ(rig.readsOf(0), 1);

    // "Exit Testing" writes -200 and the PV reading shows normal operation.
    rig.taken.clear();
    rig.live.exitOutputTesting();
    ASSERT_TRUE(rig.waitIdle());
    EXPECT_EQ(WrittenValues(rig), std::vector<float>{-200.0f});
    EXPECT_FALSE(rig.transmitter().testMode());
    EXPECT_FALSE(page.testModeVisible);
    EXPECT_FALSE(page.exitTestingEnabled);
    EXPECT_EQ(page.outputText, QStringLiteral("12 mA"));  // the PV at mid-range
}

INSTANTIATE_TEST_SUITE_P(Firmware, OutputTestSingle,
                         ::testing::Values(std::pair{160, 12.0}, std::pair{185, 0.012},
                                           std::pair{190, 0.5}));

TEST(OutputTestCycle, StepsThroughTheValuesAndExits) {
    LiveSimRig rig({Profile("K8410H10", 185)});
    ASSERT_TRUE(rig.started);
    ASSERT_TRUE(rig.readConfiguration());
    const LivePageState& page = rig.live.page();
    rig.live.selectTestValue(1);
    rig.live.setAutomaticTesting(true);
    ASSERT_TRUE(rig.live.leaveTestPeriodEdit(QStringLiteral("0.2")));
    rig.taken.clear();
    rig.live.useOrStopOutputTest();
    EXPECT_EQ(page.testPeriodText, QStringLiteral("  0.2"));
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return page.useCaption == QStringLiteral("Stop"); }));
    EXPECT_TRUE(page.exitTestingEnabled);
    QElapsedTimer t;
    t.start();
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return rig.writesOf(220).size() >= 4; }));
    // One value per period, starting with the selected one: 2, 3, 1, 2.
    EXPECT_GE(t.elapsed(), 500);
    EXPECT_EQ(WrittenValues(rig), (std::vector<float>{0.012f, 0.02f, 0.004f, 0.012f}));
    // A double click on a value button does nothing while the cycle runs.
    const size_t before = rig.taken.size();
    rig.live.useTestValueOnDoubleClick();
    EXPECT_TRUE(rig.live.outputTest().running());

    // "Exit Testing" switches the cycle off and sends -200.
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return rig.engine.operation().waitingForSlot(); }));
    EXPECT_GE(rig.taken.size(), before);
    rig.taken.clear();
    rig.live.exitOutputTesting();
    EXPECT_FALSE(page.automatic);
    ASSERT_TRUE(rig.waitIdle());
    EXPECT_EQ(WrittenValues(rig), std::vector<float>{-200.0f});
    EXPECT_FALSE(rig.transmitter().testMode());
    EXPECT_FALSE(page.testModeVisible);
    EXPECT_EQ(page.useCaption, QStringLiteral("Use"));
    EXPECT_TRUE(rig.engine.timedRequest().empty());
    EXPECT_TRUE(rig.engine.commandsEnabled());
}

TEST(OutputTestCycle, StopKeepsTheTestMode) {
    LiveSimRig rig({Profile("K8410H10", 191)});
    ASSERT_TRUE(rig.started);
    ASSERT_TRUE(rig.readConfiguration());
    const LivePageState& page = rig.live.page();
    rig.live.setAutomaticTesting(true);
    ASSERT_TRUE(rig.live.leaveTestPeriodEdit(QStringLiteral("0.2")));
    rig.live.useOrStopOutputTest();
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return rig.writesOf(220).size() >= 2; }));
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return rig.engine.operation().waitingForSlot(); }));
    rig.live.useOrStopOutputTest();  // "Stop"
    EXPECT_FALSE(rig.live.outputTest().running());
    ASSERT_TRUE(rig.waitIdle());
    const size_t writes = rig.writesOf(220).size();
    LiveSimRig::spin(500);
    EXPECT_EQ(rig.writesOf(220).size(), writes);
    EXPECT_TRUE(rig.transmitter().testMode());
    EXPECT_TRUE(page.testModeVisible);
    EXPECT_TRUE(page.exitTestingEnabled);
}

// A typing slip in a value edit must never reach the loop: the edit refuses
// it with a message naming the range, the last value stays and Use sends that.
TEST(OutputTestSingle, MistypedValueIsRefusedAndTheLastValueSent) {
    LiveSimRig rig({Profile("K8410H10", 191)});
    ASSERT_TRUE(rig.started);
    ASSERT_TRUE(rig.readConfiguration());
    ASSERT_TRUE(rig.live.leaveTestValueEdit(0, QStringLiteral("8")));
    for (const char* typed : {"12mA", "l2", "1e9", "30", "1", ""}) {
        rig.ui.shown.clear();
        EXPECT_FALSE(rig.live.leaveTestValueEdit(0, QString::fromLatin1(typed))) << typed;
        ASSERT_EQ(rig.ui.shown.size(), 1u) << typed;
        EXPECT_EQ(rig.ui.last(),
                  QStringLiteral("The output test value must be a number from 3 to 25 mA (a "
                                 "negative value leaves output test mode). The value 8 stays."))
            << typed;
        EXPECT_EQ(rig.live.page().valueTexts[0], QStringLiteral(" 8")) << typed;
    }
    rig.taken.clear();
    rig.live.useOrStopOutputTest();
    ASSERT_TRUE(rig.waitIdle());
    ASSERT_EQ(rig.writesOf(220).size(), 1u);
    EXPECT_TRUE(rig.live.page().testModeVisible);
}

TEST(OutputTestSingle, DeviceErrorEndsTheTestBelow190) {
    sim::TransmitterProfile profile = Profile("K8410H10", 185);
    profile.deviceErrors = 0x01;
    LiveSimRig rig({profile});
    ASSERT_TRUE(rig.started);
    ASSERT_TRUE(rig.readConfiguration());
    rig.taken.clear();
    rig.live.useOrStopOutputTest();
    ASSERT_TRUE(rig.waitIdle());
    EXPECT_TRUE(rig.writesOf(220).empty());
    EXPECT_EQ(rig.live.page().useCaption, QStringLiteral("Use"));
    EXPECT_TRUE(rig.engine.commandsEnabled());
}

TEST(OutputTestSingle, RefusedWriteAsksToRepeat) {
    LiveSimRig rig({Profile("K8410H10", 191)});
    ASSERT_TRUE(rig.started);
    ASSERT_TRUE(rig.readConfiguration());
    sim::Fault refuse;
    refuse.kind = sim::Fault::Refuse;
    refuse.parameter = 220;
    rig.line->addFault(refuse);
    rig.ui.shown.clear();
    rig.ui.answers = {true, false};  // repeat once, then give up
    rig.live.useOrStopOutputTest();
    ASSERT_TRUE(rig.waitIdle());
    EXPECT_EQ(rig.writesOf(220).size(), 2u);
    ASSERT_EQ(rig.ui.shown.size(), 2u);
    EXPECT_EQ(rig.ui.last(),
              QStringLiteral("Error during writing the data to transmitter, repeat?"));
    EXPECT_EQ(rig.live.page().useCaption, QStringLiteral("Use"));
    EXPECT_TRUE(rig.engine.commandsEnabled());
    EXPECT_FALSE(rig.engine.operation().running());
}

// A live operation on a configuration that was not read from this
// transmitter asks to read it first, and then does not resume.
TEST(OutputTestSingle, ForeignConfigurationAsksToReadFirst) {
    LiveSimRig rig({Profile("K8410H10", 191)});
    ASSERT_TRUE(rig.started);
    ASSERT_TRUE(rig.readConfiguration());
    rig.model.setUnsavedChanges(true);
    rig.ui.shown.clear();
    rig.ui.answers = {false};
    rig.taken.clear();
    rig.live.useOrStopOutputTest();
    ASSERT_TRUE(rig.waitIdle());
    ASSERT_FALSE(rig.ui.shown.empty());
    EXPECT_TRUE(rig.ui.shown.front().text.startsWith(
        QStringLiteral("Another transmitter was connected or configuration was changed.")));
    EXPECT_TRUE(rig.writesOf(220).empty());
    EXPECT_TRUE(rig.engine.commandsEnabled());
}

}  // namespace
}  // namespace lmk17
