// The program's close as the stack decides it: refused while monitoring
// runs, otherwise asked, and what runs is stopped only on Yes.
#include <gtest/gtest.h>

#include "monitoring/live_sim_rig.h"
#include "support/qt_printers.h"

namespace lmk17 {
namespace {

using test::LiveSimRig;
using test::Profile;

const QString kQuestion = QStringLiteral("Do you really want to close application?");
const QString kRefusal = QStringLiteral(
    "The program is in monitoring mode. Stop the monitoring before closing the application.");

TEST(ProgramClose, RefusedWhileMonitoringElseAsked) {
    struct Case {
        const char* name;
        bool monitoring;
        bool answer;
        bool closes;
        QString shown;
        MessageKind kind;
    };
    const Case cases[] = {
        {"idle, Yes", false, true, true, kQuestion, MessageKind::Confirmation},
        {"idle, No", false, false, false, kQuestion, MessageKind::Confirmation},
        // A Yes ready in the script is never asked for.
        {"monitoring", true, true, false, kRefusal, MessageKind::Information},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LiveSimRig rig({Profile("K8410H10", 191)});
        ASSERT_TRUE(rig.started);
        if (c.monitoring) {
            MonitorParameters p;
            p.intervalMs = 3600 * 1000;
            p.logToFile = false;
            rig.monitoring.setParameters(p);
            ASSERT_TRUE(rig.monitoring.startMonitoring());
            ASSERT_TRUE(
                LiveSimRig::waitFor([&] { return rig.monitoring.monitorTimer().isActive(); }));
        }
        rig.ui.shown.clear();
        rig.ui.answers = {c.answer};
        EXPECT_EQ(rig.stack.closeProgram(), c.closes);
        ASSERT_EQ(rig.ui.shown.size(), 1u) << rig.ui.texts().join('|').toStdString();
        EXPECT_EQ(rig.ui.shown[0].text, c.shown);
        EXPECT_EQ(rig.ui.shown[0].kind, c.kind);
        EXPECT_EQ(rig.monitoring.active(), c.monitoring);
        if (c.monitoring) {
            rig.ui.answers = {true};
            ASSERT_TRUE(LiveSimRig::waitFor([&] { return rig.monitoring.stopMonitoring(); }));
        }
    }
}

// Closing left the transmitter's output forced at a test value: the loop
// read 4 mA long after the program had gone.
TEST(ProgramClose, AnOutputInTestModeIsReleasedWhenTheUserSaysSo) {
    const QString leave = QStringLiteral(
        "Output test mode is active: the transmitter's output stays at the test value after the "
        "program is closed. Leave output test mode before closing?");
    struct Case {
        const char* name;
        bool release;
    };
    for (const Case& c : {Case{"released", true}, Case{"left forced", false}}) {
        SCOPED_TRACE(c.name);
        LiveSimRig rig({Profile("K8620L31", 191)});
        ASSERT_TRUE(rig.started);
        ASSERT_TRUE(rig.readConfiguration());
        rig.ui.answers = {};
        ASSERT_TRUE(rig.live.useOrStopOutputTest());
        ASSERT_TRUE(rig.waitIdle(10000));
        ASSERT_TRUE(rig.transmitter().testMode());
        ASSERT_TRUE(rig.live.page().testModeVisible);

        rig.ui.shown.clear();
        rig.ui.answers = {true, c.release};
        EXPECT_TRUE(rig.stack.closeProgram());
        ASSERT_EQ(rig.ui.shown.size(), 2u) << rig.ui.texts().join('|').toStdString();
        EXPECT_EQ(rig.ui.shown[0].text, kQuestion);
        EXPECT_EQ(rig.ui.shown[1].text, leave);
        EXPECT_EQ(rig.transmitter().testMode(), !c.release);
    }
}

}  // namespace
}  // namespace lmk17
